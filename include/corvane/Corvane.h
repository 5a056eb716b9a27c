// The Corvane library's public interface: 38 exported functions that create,
// fill, store, show, edit, draw and play containers.  A container is an opaque
// pointer to the host; every function but ACTCreateContainer and ACTSetMainWnd
// takes a live container made by this library as its first argument.
#pragma once

#include "corvane/CString.h"
#include "corvane/Geometry.h"
#include "corvane/Types.h"

#if defined(_WIN32)
#if defined(CORVANE_BUILDING_LIBRARY)
#define CORVANE_API __declspec(dllexport)
#else
#define CORVANE_API __declspec(dllimport)
#endif
#else
#define CORVANE_API __attribute__((visibility("default")))
#endif

// Type codes accepted by ACTCreateContainer.  Any other code makes a surface.
enum : unsigned long {
  CORVANE_TYPE_MACRO = 18,
  CORVANE_TYPE_SURFACE = 256,
  CORVANE_TYPE_TEMPLATE = 257,
  CORVANE_TYPE_TEMPLATE_COLLECTION = 4353,
};

CORVANE_API void ACTAdd(void* container, void* child);
CORVANE_API void* ACTClone(void* container);
CORVANE_API void ACTControlInsertItem(void* container, corvane::CListCtrl* list, int index);
CORVANE_API void ACTControlItemChanged(void* container, corvane::CListCtrl* list, int column, int index);
CORVANE_API void ACTControlSetup(void* container, corvane::CListCtrl* list);
CORVANE_API void* ACTCreateContainer(unsigned long type);
CORVANE_API void ACTDeleteContainer(void* container);
CORVANE_API int ACTGetAliasField(void* container, corvane::CListCtrl* list);
CORVANE_API corvane::CString ACTGetAliasString(void* container);
CORVANE_API void* ACTGetAt(void* container, int index);
CORVANE_API corvane::CSize ACTGetContainerDPI(void* container);
CORVANE_API corvane::CRect ACTGetContainerRect(void* container);
CORVANE_API int ACTGetCount(void* container);
CORVANE_API int ACTGetCurSel(void* container);
CORVANE_API unsigned int ACTGetExtraData(void* container, int index);
CORVANE_API void* ACTGetParentContainer(void* container);
CORVANE_API unsigned long ACTGetStyle(void* container);
CORVANE_API void* ACTGetSubContainer(void* container, int index);
CORVANE_API int ACTHitTestItem(void* container, corvane::CPoint point);
CORVANE_API void ACTInsertAt(void* container, int index, void* child);
CORVANE_API void ACTOnDraw(void* container, corvane::CDC* dc, corvane::CRect* rect, int flag);
CORVANE_API int ACTOnEditItem(void* container, int index, int preset);
CORVANE_API int ACTOnInsertNew(void* container, int index);
CORVANE_API void ACTOnMoveDown(void* container, int index);
CORVANE_API void ACTOnMoveUp(void* container, int index);
CORVANE_API int ACTOnProperty(void* container);
CORVANE_API void ACTPlay(void* container, void* parameter);
CORVANE_API int ACTReadContainer(void* container, const char* path);
CORVANE_API void ACTRemoveAt(void* container, int index, int count);
CORVANE_API void ACTSetAliasString(void* container, corvane::CString text);
CORVANE_API void ACTSetAt(void* container, int index, void* child);
CORVANE_API void ACTSetContainerRect(void* container, corvane::tagRECT* rect);
CORVANE_API void ACTSetCurSel(void* container, int index);
CORVANE_API void ACTSetExtraData(void* container, int index, unsigned int value);
CORVANE_API void ACTSetMainWnd(corvane::HWND window);
CORVANE_API void ACTSetStyle(void* container, unsigned long style);
CORVANE_API void ACTTranslateCoordinate(void* container, corvane::tagRECT* out, corvane::tagRECT* frame,
                                        corvane::tagRECT* rect, int flag);
CORVANE_API void ACTWriteContainer(void* container, const char* path);

// The 38 exported functions.  Each one forwards to one operation of the
// container it is given, or reads or writes one field.  Each opens a write
// batch so that whatever the call stores reaches the disk as one replacement
// per file when it returns.
#include "corvane/Corvane.h"

#include "container/Container.h"
#include "container/CorvaneApp.h"
#include "container/Factory.h"
#include "system/WriteBatch.h"

using corvane::CContainer;
using corvane::CListCtrl;
using corvane::CString;
using corvane::WriteBatch;

namespace {
inline CContainer* C(void* p) { return static_cast<CContainer*>(p); }
}  // namespace

void ACTAdd(void* container, void* child) { C(container)->Add(C(child)); }

void* ACTClone(void* container) { return C(container)->Clone(); }

void ACTControlInsertItem(void* container, CListCtrl* list, int index) {
  C(container)->ControlInsertItem(list, index);
}

void ACTControlItemChanged(void* container, CListCtrl* list, int column, int index) {
  WriteBatch batch;
  C(container)->ControlItemChanged(list, column, index);
}

void ACTControlSetup(void* container, CListCtrl* list) { C(container)->ControlSetup(list); }

void* ACTCreateContainer(unsigned long type) { return corvane::CreateContainer(type); }

void ACTDeleteContainer(void* container) { delete C(container); }

int ACTGetAliasField(void* container, CListCtrl* list) { return C(container)->GetAliasField(list); }

CString ACTGetAliasString(void* container) { return C(container)->GetAliasString(); }

void* ACTGetAt(void* container, int index) { return C(container)->GetAt(index); }

corvane::CSize ACTGetContainerDPI(void* container) { return C(container)->GetContainerDPI(); }

corvane::CRect ACTGetContainerRect(void* container) { return C(container)->GetContainerRect(); }

int ACTGetCount(void* container) { return C(container)->GetCount(); }

int ACTGetCurSel(void* container) { return C(container)->m_nCurSel; }

unsigned int ACTGetExtraData(void* container, int index) { return C(container)->GetExtraData(index); }

void* ACTGetParentContainer(void* container) { return C(container)->m_pParent; }

unsigned long ACTGetStyle(void* container) { return C(container)->m_dwStyle; }

void* ACTGetSubContainer(void* container, int index) { return C(container)->GetSubContainer(index); }

int ACTHitTestItem(void* container, corvane::CPoint point) { return C(container)->HitTestItem(point); }

void ACTInsertAt(void* container, int index, void* child) { C(container)->InsertAt(index, C(child)); }

void ACTOnDraw(void* container, corvane::CDC* dc, corvane::CRect* rect, int flag) {
  C(container)->OnDraw(dc, rect, flag);
}

int ACTOnEditItem(void* container, int index, int preset) {
  WriteBatch batch;
  return C(container)->OnEditItem(index, preset);
}

int ACTOnInsertNew(void* container, int index) {
  WriteBatch batch;
  return C(container)->OnInsertNew(index);
}

void ACTOnMoveDown(void* container, int index) { C(container)->OnMoveDown(index); }

void ACTOnMoveUp(void* container, int index) { C(container)->OnMoveUp(index); }

int ACTOnProperty(void* container) {
  WriteBatch batch;
  return C(container)->OnProperty();
}

void ACTPlay(void* container, void* parameter) { C(container)->Play(parameter); }

int ACTReadContainer(void* container, const char* path) {
  WriteBatch batch;
  return C(container)->ReadContainer(CString(path), CString());
}

void ACTRemoveAt(void* container, int index, int count) { C(container)->RemoveAt(index, count); }

void ACTSetAliasString(void* container, CString text) { C(container)->SetAliasString(std::move(text)); }

void ACTSetAt(void* container, int index, void* child) { C(container)->SetAt(index, C(child)); }

void ACTSetContainerRect(void* container, corvane::tagRECT* rect) {
  if (rect) C(container)->SetContainerRect(*rect);
}

void ACTSetCurSel(void* container, int index) { C(container)->m_nCurSel = index; }

void ACTSetExtraData(void* container, int index, unsigned int value) {
  C(container)->SetExtraData(index, value);
}

void ACTSetMainWnd(corvane::HWND window) { corvane::SetHostMainWindow(window); }

void ACTSetStyle(void* container, unsigned long style) {
  C(container)->m_dwStyle = static_cast<corvane::DWORD>(style);
}

void ACTTranslateCoordinate(void* container, corvane::tagRECT* out, corvane::tagRECT* frame, corvane::tagRECT* rect,
                            int flag) {
  C(container)->TranslateCoordinate(out, frame, rect, flag);
}

void ACTWriteContainer(void* container, const char* path) {
  WriteBatch batch;
  C(container)->WriteContainer(CString(path), CString());
}

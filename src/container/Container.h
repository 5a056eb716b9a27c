// CContainer: the root of every object the library creates, stores, edits,
// draws or plays.  A node of an ownership tree (ordered, owning child array
// and a back pointer to the parent), a few host-visible fields, and 37
// virtual operations in a fixed order that the exported functions forward to.
#pragma once

#include <vector>

#include "system/Win32.h"

namespace corvane {

class CFont;

class CContainer {
 public:
  CContainer();
  CContainer(const CContainer& source);  // deep copy: see Clone
  CContainer& operator=(const CContainer&) = delete;

  // The 37 operations, in the order of their slots.
  virtual CRect GetContainerRect();
  virtual ~CContainer();
  virtual LOGFONT* GetLogFont();
  virtual COLORREF GetTextColor();
  virtual CFont* CreateScaledFont(int numerator, int denominator);
  virtual CContainer* Clone();
  virtual CContainer* GetSubContainer(int index);
  virtual CContainer* GetAt(int index);
  virtual void SetAt(int index, CContainer* child);
  virtual void Add(CContainer* child);
  virtual void InsertAt(int index, CContainer* child);
  virtual void RemoveAt(int index, int count);
  virtual void RemoveAll();
  virtual void DeleteAll();
  virtual int GetCount();
  virtual DWORD GetExtraData(int index);
  virtual void SetExtraData(int index, DWORD value);
  virtual CString GetAliasString();
  virtual int GetAlias(CString& alias);
  virtual void SetAliasString(CString alias);
  virtual int ReadContainer(const CString& file, const CString& section);
  virtual void WriteContainer(const CString& file, const CString& section);
  virtual void ControlSetup(CListCtrl* list);
  virtual void ControlInsertItem(CListCtrl* list, int index);
  virtual void ControlItemChanged(CListCtrl* list, int column, int index);
  virtual int GetAliasField(CListCtrl* list);
  virtual int OnProperty();
  virtual int OnInsertNew(int index);
  virtual int OnEditItem(int index, int preset);
  virtual void OnMoveUp(int index);
  virtual void OnMoveDown(int index);
  virtual void Play(void* parameter);
  virtual int HitTestItem(CPoint point);
  virtual void SetContainerRect(const RECT& rect);
  virtual CSize GetContainerDPI();
  virtual void TranslateCoordinate(RECT* out, const RECT* frame, const RECT* rect, int toContainer);
  virtual void OnDraw(CDC* dc, CRect* rect, int flag);

  int m_nCurSel = 0;
  DWORD m_dwStyle = 0;
  CContainer* m_pParent = nullptr;
  int m_nContainerType = 0;
  std::vector<CContainer*> m_children;
  std::vector<DWORD> m_extraData;
  CString m_strAlias;

 protected:
  // The -1 rule: -1 stands for m_nCurSel.  Answers false when there is no
  // position (both are -1).
  bool ResolveIndex(int& index) const;
};


}  // namespace corvane

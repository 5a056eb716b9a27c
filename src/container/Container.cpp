#include "container/Container.h"

#include <algorithm>
#include <new>

#include "surface/BitmapUtils.h"
#include "system/Font.h"

namespace corvane {

namespace {

// Extra values beyond this position are not kept (16 MiB of them at most).
constexpr int kMaxExtraData = 1 << 22;

int WrapToInt(long long value) { return static_cast<int>(static_cast<std::uint32_t>(value)); }

}  // namespace

CContainer::CContainer() = default;

CContainer::CContainer(const CContainer& source)
    : m_nCurSel(source.m_nCurSel),
      m_dwStyle(source.m_dwStyle),
      m_pParent(source.m_pParent),
      m_nContainerType(source.m_nContainerType) {
  // GetCount and GetAt are virtual, but during copying the source is a fully
  // built object, so its own overrides answer.
  CContainer& src = const_cast<CContainer&>(source);
  const int count = src.GetCount();
  for (int i = 0; i < count; ++i) {
    CContainer* child = src.GetAt(i);
    if (!child) continue;
    CContainer* copy = child->Clone();
    if (copy) Add(copy);
  }
  m_extraData = source.m_extraData;
  m_strAlias = source.m_strAlias;
}

CContainer::~CContainer() {
  DeleteAll();
  m_extraData.clear();
}

CRect CContainer::GetContainerRect() { return CRect(); }

LOGFONT* CContainer::GetLogFont() { return m_pParent ? m_pParent->GetLogFont() : nullptr; }

COLORREF CContainer::GetTextColor() { return m_pParent ? m_pParent->GetTextColor() : 0; }

CFont* CContainer::CreateScaledFont(int numerator, int denominator) {
  LOGFONT* source = GetLogFont();
  if (!source) return nullptr;
  LOGFONT copy = *source;
  copy.lfHeight = WrapToInt(-static_cast<long long>(MulDiv(copy.lfHeight, numerator, denominator)));
  CFont* font = new (std::nothrow) CFont;
  if (!font) return nullptr;
  font->CreateFontIndirect(&copy);
  return font;
}

CContainer* CContainer::Clone() { return nullptr; }

CContainer* CContainer::GetSubContainer(int index) { return GetAt(index); }

bool CContainer::ResolveIndex(int& index) const {
  if (index == -1) index = m_nCurSel;
  return index != -1;
}

CContainer* CContainer::GetAt(int index) {
  if (!ResolveIndex(index)) return nullptr;
  if (index < 0 || index >= static_cast<int>(m_children.size())) return nullptr;
  return m_children[static_cast<size_t>(index)];
}

// A negative position other than -1 names no place in the array; such a
// child is appended like one without a position, so that it is owned and
// never written outside the array.
void CContainer::SetAt(int index, CContainer* child) {
  const int count = static_cast<int>(m_children.size());
  if (!ResolveIndex(index) || index > count || index < 0) index = count;
  if (index < count)
    m_children[static_cast<size_t>(index)] = child;
  else
    m_children.push_back(child);
  if (child) child->m_pParent = this;
}

void CContainer::Add(CContainer* child) {
  m_children.push_back(child);
  if (child) child->m_pParent = this;
}

void CContainer::InsertAt(int index, CContainer* child) {
  const int count = static_cast<int>(m_children.size());
  if (!ResolveIndex(index) || index > count || index < 0) index = count;
  m_children.insert(m_children.begin() + index, child);
  if (child) child->m_pParent = this;
}

void CContainer::RemoveAt(int index, int count) {
  if (!ResolveIndex(index)) return;
  const int size = static_cast<int>(m_children.size());
  if (index < 0 || index >= size || count <= 0) return;
  // Only the children that exist are taken out.
  const int last = static_cast<int>(std::min<long long>(static_cast<long long>(index) + count, size));
  m_children.erase(m_children.begin() + index, m_children.begin() + last);
}

void CContainer::RemoveAll() { m_children.clear(); }

void CContainer::DeleteAll() {
  const size_t count = m_children.size();
  for (size_t i = 0; i < count && i < m_children.size(); ++i) {
    CContainer* child = m_children[i];
    m_children[i] = nullptr;
    delete child;
  }
  m_children.clear();
}

int CContainer::GetCount() { return static_cast<int>(m_children.size()); }

DWORD CContainer::GetExtraData(int index) {
  if (index < 0 || index >= static_cast<int>(m_extraData.size())) return 0;
  return m_extraData[static_cast<size_t>(index)];
}

void CContainer::SetExtraData(int index, DWORD value) {
  // A negative position has no place in the array, and a position far past
  // any list a host shows would take gigabytes: both are ignored.
  if (index < 0 || index >= kMaxExtraData) return;
  if (static_cast<size_t>(index) >= m_extraData.size()) m_extraData.resize(static_cast<size_t>(index) + 1, 0);
  m_extraData[static_cast<size_t>(index)] = value;
}

CString CContainer::GetAliasString() { return m_strAlias; }

int CContainer::GetAlias(CString& alias) {
  alias = m_strAlias;
  return alias.GetLength();
}

void CContainer::SetAliasString(CString alias) { m_strAlias = std::move(alias); }

int CContainer::ReadContainer(const CString&, const CString&) { return 1; }
void CContainer::WriteContainer(const CString&, const CString&) {}
void CContainer::ControlSetup(CListCtrl*) {}
void CContainer::ControlInsertItem(CListCtrl*, int) {}
void CContainer::ControlItemChanged(CListCtrl*, int, int) {}
int CContainer::GetAliasField(CListCtrl*) { return -1; }
int CContainer::OnProperty() { return 0; }
int CContainer::OnInsertNew(int) { return 0; }

int CContainer::OnEditItem(int index, int) {
  CContainer* child = GetSubContainer(index);
  return child ? child->OnProperty() : 0;
}

void CContainer::OnMoveUp(int index) {
  if (!ResolveIndex(index)) return;
  const int count = static_cast<int>(m_children.size());
  if (index <= 0 || index >= count) return;
  std::swap(m_children[static_cast<size_t>(index)], m_children[static_cast<size_t>(index - 1)]);
  m_nCurSel = index - 1;
}

void CContainer::OnMoveDown(int index) {
  if (!ResolveIndex(index)) return;
  const int count = static_cast<int>(m_children.size());
  if (index < 0 || index >= count - 1) return;
  std::swap(m_children[static_cast<size_t>(index)], m_children[static_cast<size_t>(index + 1)]);
  m_nCurSel = index + 1;
}

void CContainer::Play(void*) {}

int CContainer::HitTestItem(CPoint point) {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    CContainer* child = GetSubContainer(i);
    if (child && child->HitTestItem(point)) return i;
  }
  return -1;
}

void CContainer::SetContainerRect(const RECT&) {}

CSize CContainer::GetContainerDPI() { return CSize(96, 96); }

void CContainer::TranslateCoordinate(RECT* out, const RECT* frame, const RECT* rect, int toContainer) {
  if (!out || !frame || !rect) return;
  const CRect own = GetContainerRect();
  RECT result;
  if (toContainer)
    ScaleRectToFrameFlipped(&result, &own, rect, frame);
  else
    ScaleRectToFrameFlipped(&result, frame, rect, &own);
  *out = result;
}

void CContainer::OnDraw(CDC*, CRect*, int) {}

}  // namespace corvane

#include "system/dialogs/Wnd.h"

#include "system/dialogs/WindowPaint.h"

#include "system/dialogs/DataExchange.h"

namespace corvane {

namespace {

// The window whose control notifications are ignored while it exchanges data.
thread_local CWnd* t_lockoutWindow = nullptr;

std::unique_ptr<CWnd> MakeView(const ControlState& control) {
  switch (control.kind) {
    case DialogControlKind::Label:
    case DialogControlKind::Picture:
    case DialogControlKind::Frame:
      return std::make_unique<CStatic>();
    case DialogControlKind::GroupBox:
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton:
    case DialogControlKind::CheckBox:
    case DialogControlKind::RadioButton:
      return std::make_unique<CButton>();
    case DialogControlKind::Edit:
      return std::make_unique<CEdit>();
    case DialogControlKind::ComboBox:
      return std::make_unique<CComboBox>();
    case DialogControlKind::ListBox:
      return std::make_unique<CListBox>();
    case DialogControlKind::ListView:
      break;
  }
  return std::make_unique<CWnd>();
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// List operations shared by combo boxes and list boxes.
int ListAdd(ControlState* c, const char* text, bool sorted) {
  if (!c) return CB_ERR;
  CString item(text);
  std::size_t pos = c->items.size();
  if (sorted) {
    pos = 0;
    while (pos < c->items.size() && c->items[pos].CompareNoCase(item) <= 0) ++pos;
  }
  c->items.insert(c->items.begin() + static_cast<std::ptrdiff_t>(pos), item);
  if (c->curSel >= static_cast<int>(pos)) ++c->curSel;
  return static_cast<int>(pos);
}

int ListInsert(ControlState* c, int index, const char* text) {
  if (!c) return CB_ERR;
  int count = static_cast<int>(c->items.size());
  if (index < -1 || index > count) return CB_ERR;
  if (index == -1) index = count;
  c->items.insert(c->items.begin() + index, CString(text));
  if (c->curSel >= index) ++c->curSel;
  return index;
}

int ListDelete(ControlState* c, int index) {
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return CB_ERR;
  c->items.erase(c->items.begin() + index);
  if (c->curSel == index) c->curSel = -1;
  else if (c->curSel > index) --c->curSel;
  return static_cast<int>(c->items.size());
}

int ListSetCurSel(ControlState* c, int index) {
  if (!c) return CB_ERR;
  if (index < 0 || index >= static_cast<int>(c->items.size())) {
    c->curSel = -1;
    return CB_ERR;
  }
  c->curSel = index;
  return index;
}

int ListFindExact(const ControlState* c, int startAfter, const char* text) {
  if (!c || c->items.empty()) return CB_ERR;
  int count = static_cast<int>(c->items.size());
  int start = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
  for (int n = 0; n < count; ++n) {
    int i = (start + n) % count;
    if (c->items[static_cast<std::size_t>(i)].CompareNoCase(text) == 0) return i;
  }
  return CB_ERR;
}

}  // namespace

bool ControlState::IsButtonLike() const {
  return kind == DialogControlKind::PushButton || kind == DialogControlKind::DefPushButton ||
         kind == DialogControlKind::CheckBox || kind == DialogControlKind::RadioButton;
}

CString LimitUtf8(const CString& text, int maxBytes) {
  if (maxBytes < 0) maxBytes = 0;
  if (text.GetLength() <= maxBytes) return text;
  int cut = maxBytes;
  while (cut > 0 && IsUtf8Continuation(text[cut])) --cut;  // never split a character
  return text.Left(cut);
}

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)

CWnd::CWnd() = default;

CWnd::~CWnd() {
  Detach();
  if (t_lockoutWindow == this) t_lockoutWindow = nullptr;
}

void CWnd::Detach() {
  if (m_pControl && m_pControl->bound == this) m_pControl->bound = nullptr;
  m_pControl = nullptr;
  if (!m_controls.empty()) DestroyControls();
}

ControlState* CWnd::AddControl(std::unique_ptr<ControlState> control) {
  control->parent = this;
  control->order = static_cast<int>(m_controls.size());
  m_controls.push_back(std::move(control));
  return m_controls.back().get();
}

void CWnd::DestroyControls() {
  for (auto& control : m_controls) {
    if (control->view) control->view->m_pControl = nullptr;
    if (control->bound) {
      control->bound->m_pControl = nullptr;
      control->bound->m_hWnd = nullptr;
      control->bound = nullptr;
    }
  }
  m_controls.clear();
  m_nFocusId = 0;
}

ControlState* CWnd::FindControl(int id) const {
  for (const auto& control : m_controls)
    if (control->id == id) return control.get();
  return nullptr;
}

void CWnd::SetWindowText(const char* text) {
  if (!m_pControl) {
    m_strWindowText = text;
    return;
  }
  m_pControl->text = text;
  if (m_pControl->kind == DialogControlKind::Edit && (m_pControl->style & ES_UPPERCASE)) m_pControl->text.MakeUpper();
  // An edit box tells its dialog about the new text, except a multi-line one.
  if (m_pControl->kind == DialogControlKind::Edit && !(m_pControl->style & ES_MULTILINE))
    NotifyParent(m_pControl, EN_CHANGE);
}

void CWnd::GetWindowText(CString& text) const { text = GetWindowTextString(); }

CString CWnd::GetWindowTextString() const {
  if (!m_pControl) return m_strWindowText;
  if (m_pControl->kind == DialogControlKind::ComboBox)  // a drop-down list shows its selected item
    return m_pControl->curSel >= 0 ? m_pControl->items[static_cast<std::size_t>(m_pControl->curSel)] : CString();
  return m_pControl->text;
}

int CWnd::GetWindowTextLength() const { return GetWindowTextString().GetLength(); }

BOOL CWnd::EnableWindow(BOOL enable) {
  bool& state = m_pControl ? m_pControl->enabled : m_bEnabled;
  BOOL wasDisabled = state ? FALSE : TRUE;
  state = enable != FALSE;
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return (m_pControl ? m_pControl->enabled : m_bEnabled) ? TRUE : FALSE; }

BOOL CWnd::ShowWindow(int command) {
  bool& state = m_pControl ? m_pControl->visible : m_bVisible;
  BOOL wasVisible = state ? TRUE : FALSE;
  state = command != SW_HIDE;
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return (m_pControl ? m_pControl->visible : m_bVisible) ? TRUE : FALSE; }

int CWnd::GetDlgCtrlID() const { return m_pControl ? m_pControl->id : 0; }

CWnd* CWnd::GetParent() const { return m_pControl ? m_pControl->parent : m_pParentWnd; }

CWnd* CWnd::GetDlgItem(int id) const {
  ControlState* control = FindControl(id);
  if (!control) return nullptr;
  if (control->bound) return control->bound;
  if (!control->view) {
    control->view = MakeView(*control);
    control->view->m_pControl = control;
    control->view->m_hWnd = reinterpret_cast<HWND>(control);
  }
  return control->view.get();
}

void CWnd::SetDlgItemText(int id, const char* text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  CWnd* item = GetDlgItem(id);
  text = item ? item->GetWindowTextString() : CString();
  return text.GetLength();
}

CWnd* CWnd::SetFocus() {
  if (m_pControl && m_pControl->parent) m_pControl->parent->m_nFocusId = m_pControl->id;
  return nullptr;
}

void CWnd::Invalidate(BOOL) {
  ++m_nPaintRequests;
  PaintWindow(this);
}
void CWnd::UpdateWindow() {}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  CWnd* previous = t_lockoutWindow;
  t_lockoutWindow = this;
  BOOL ok = FALSE;
  try {
    DoDataExchange(&dx);
    ok = TRUE;
  } catch (const CUserException&) {
    // the failed check has shown its message and set the focus
  }
  t_lockoutWindow = previous;
  return ok;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  if (t_lockoutWindow == this) return TRUE;  // a notification caused by the data exchange itself
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  ControlState* control = parent ? parent->FindControl(static_cast<int>(id)) : nullptr;
  if (!control) return FALSE;
  if (control->bound == this) return TRUE;
  if (m_pControl && m_pControl->bound == this) m_pControl->bound = nullptr;
  control->bound = this;
  m_pControl = control;
  m_hWnd = reinterpret_cast<HWND>(control);
  return TRUE;
}

void NotifyParent(ControlState* control, WORD code) {
  if (!control || !control->parent) return;
  control->parent->OnCommand(MAKEWPARAM(static_cast<WORD>(control->id), code),
                             reinterpret_cast<LPARAM>(control));
}

void CStatic::SetBitmapResource(UINT bitmapId) {
  if (m_pControl) m_pControl->imageId = bitmapId;
}
UINT CStatic::GetBitmapResource() const { return m_pControl ? m_pControl->imageId : 0; }

int CButton::GetCheck() const { return m_pControl ? m_pControl->check : 0; }
void CButton::SetCheck(int check) {
  if (m_pControl) m_pControl->check = check;
}
void CButton::SetBitmapResource(UINT bitmapId) {
  if (m_pControl) m_pControl->imageId = bitmapId;
}
UINT CButton::GetBitmapResource() const { return m_pControl ? m_pControl->imageId : 0; }

void CEdit::LimitText(int maxBytes) {
  if (m_pControl) m_pControl->limit = maxBytes > 0 ? maxBytes : kDefaultEditLimit;
}
int CEdit::GetLimitText() const { return m_pControl ? m_pControl->limit : 0; }
void CEdit::SetSel(int, int) {}

int CComboBox::GetCount() const { return m_pControl ? static_cast<int>(m_pControl->items.size()) : CB_ERR; }
int CComboBox::GetCurSel() const { return m_pControl ? m_pControl->curSel : CB_ERR; }
int CComboBox::SetCurSel(int index) { return ListSetCurSel(m_pControl, index); }
int CComboBox::AddString(const char* text) {
  return ListAdd(m_pControl, text, m_pControl && (m_pControl->style & CBS_SORT));
}
int CComboBox::InsertString(int index, const char* text) { return ListInsert(m_pControl, index, text); }
int CComboBox::DeleteString(int index) { return ListDelete(m_pControl, index); }
void CComboBox::ResetContent() {
  if (!m_pControl) return;
  m_pControl->items.clear();
  m_pControl->curSel = -1;
}
void CComboBox::GetLBText(int index, CString& text) const {
  text = m_pControl && index >= 0 && index < static_cast<int>(m_pControl->items.size())
             ? m_pControl->items[static_cast<std::size_t>(index)]
             : CString();
}
int CComboBox::GetLBTextLen(int index) const {
  CString text;
  GetLBText(index, text);
  return text.GetLength();
}
int CComboBox::FindStringExact(int startAfter, const char* text) const {
  return ListFindExact(m_pControl, startAfter, text);
}

int CListBox::GetCount() const { return m_pControl ? static_cast<int>(m_pControl->items.size()) : LB_ERR; }
int CListBox::GetCurSel() const { return m_pControl ? m_pControl->curSel : LB_ERR; }
int CListBox::SetCurSel(int index) { return ListSetCurSel(m_pControl, index); }
int CListBox::AddString(const char* text) {
  return ListAdd(m_pControl, text, m_pControl && (m_pControl->style & LBS_SORT));
}
int CListBox::InsertString(int index, const char* text) { return ListInsert(m_pControl, index, text); }
int CListBox::DeleteString(int index) { return ListDelete(m_pControl, index); }
void CListBox::ResetContent() {
  if (!m_pControl) return;
  m_pControl->items.clear();
  m_pControl->curSel = -1;
}
void CListBox::GetText(int index, CString& text) const {
  text = m_pControl && index >= 0 && index < static_cast<int>(m_pControl->items.size())
             ? m_pControl->items[static_cast<std::size_t>(index)]
             : CString();
}
int CListBox::FindStringExact(int startAfter, const char* text) const {
  return ListFindExact(m_pControl, startAfter, text);
}

}  // namespace corvane

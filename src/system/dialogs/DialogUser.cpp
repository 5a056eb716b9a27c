#include "system/dialogs/DialogUser.h"

#include <cstdio>
#include <cstdlib>

#include "system/dialogs/CommonDialogs.h"
#include "system/dialogs/FileDialog.h"
#include "system/dialogs/MessageBox.h"
#include "system/dialogs/SystemMessageBox.h"

namespace corvane {

namespace {

thread_local ScopedDialogUser* t_user = nullptr;
thread_local DialogSession* t_session = nullptr;

// The form in which names are compared: no '&', no surrounding blanks, no
// trailing colon, ASCII letters in lower case.
CString NameKey(const char* text) {
  CString key;
  for (const char* p = text ? text : ""; *p; ++p)
    if (*p != '&') key += *p;
  key.Trim();
  while (!key.IsEmpty() && (key[key.GetLength() - 1] == ':')) key = key.Left(key.GetLength() - 1);
  key.Trim();
  key.MakeLower();
  return key;
}

bool ParseId(const char* name, int& id) {
  if (!name || !*name) return false;
  const char* p = name[0] == '#' ? name + 1 : name;
  if (*p == '\0') return false;
  char* end = nullptr;
  long value = std::strtol(p, &end, 10);
  if (*end != '\0') return false;
  id = static_cast<int>(value);
  return true;
}

bool IsAddressable(const ControlState& c) {
  switch (c.kind) {
    case DialogControlKind::Edit:
    case DialogControlKind::ComboBox:
    case DialogControlKind::ListBox:
    case DialogControlKind::ListView:
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton:
    case DialogControlKind::CheckBox:
    case DialogControlKind::RadioButton:
      return true;
    default:
      return false;
  }
}

const char* KindName(DialogControlKind kind) {
  switch (kind) {
    case DialogControlKind::Label: return "label";
    case DialogControlKind::Picture: return "picture";
    case DialogControlKind::Frame: return "frame";
    case DialogControlKind::GroupBox: return "group";
    case DialogControlKind::PushButton: return "button";
    case DialogControlKind::DefPushButton: return "button";
    case DialogControlKind::CheckBox: return "check";
    case DialogControlKind::RadioButton: return "radio";
    case DialogControlKind::Edit: return "edit";
    case DialogControlKind::ComboBox: return "list";
    case DialogControlKind::ListBox: return "listbox";
    case DialogControlKind::ListView: return "listview";
  }
  return "control";
}

CString Quote(const CString& text) {
  CString out("\"");
  for (int i = 0; i < text.GetLength(); ++i) {
    char c = text[i];
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

// One character of a UTF-8 text starting at i.
int Utf8Length(const char* p) {
  unsigned char c = static_cast<unsigned char>(*p);
  int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  for (int i = 1; i < n; ++i)
    if (p[i] == '\0') return i;
  return n;
}

CString UpperAscii(CString text) { return text.MakeUpper(); }

int DefaultAnswer(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    default:
      return IDOK;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Installation

ScopedDialogUser::ScopedDialogUser(Script script) : m_script(std::move(script)), m_pOuter(t_user) { t_user = this; }

ScopedDialogUser::~ScopedDialogUser() { t_user = m_pOuter; }

bool HasDialogUser() { return t_user != nullptr; }

void RunDialogUser(DialogSession& session) {
  ScopedDialogUser* user = t_user;
  if (!user) return;
  ++user->m_runs;
  if (user->m_script) user->m_script(session);
}

DialogSession* CurrentDialogSession() { return t_session; }

int RecordMessage(const MessageRecord& record) {
  if (t_user) t_user->m_messages.push_back(record);
  return record.answer;
}

// ---------------------------------------------------------------------------
// Message boxes

int AfxMessageBox(const char* text, UINT type, UINT) {
  if ((type & MB_ICONMASK) == 0 && ((type & MB_TYPEMASK) == MB_OK || (type & MB_TYPEMASK) == MB_OKCANCEL))
    type |= MB_ICONEXCLAMATION;
  CString caption = LoadResString(AFX_IDS_APP_TITLE);
  if (t_session) return t_session->ShowMessage(caption, text, type);
  MessageRecord record{caption, CString(text), type, DefaultAnswer(type)};
  if (t_user) return RecordMessage(record);
  // Nobody plays the user: the platform's box, when there is one.
  if (const int answer = ShowSystemMessageBox(caption, record.text, type)) return answer;
  std::fprintf(stderr, "%s: %s\n", caption.GetString(), record.text.GetString());
  return record.answer;
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  return AfxMessageBox(LoadResString(promptId), type, helpId ? helpId : promptId);
}

CString AfxFormatString2(UINT id, const char* first, const char* second) {
  CString pattern = LoadResString(id);
  CString out;
  for (int i = 0; i < pattern.GetLength(); ++i) {
    if (pattern[i] == '%' && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? (first ? first : "") : (second ? second : "");
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

CString AfxFormatString1(UINT id, const char* first) { return AfxFormatString2(id, first, nullptr); }

// ---------------------------------------------------------------------------
// The session

DialogSession::DialogSession(CPropertySheet& sheet) : m_sheet(sheet), m_pOuter(t_session) { t_session = this; }

DialogSession::~DialogSession() { t_session = m_pOuter; }

CString DialogSession::Caption() const { return m_sheet.GetTitle(); }
int DialogSession::PageCount() const { return m_sheet.GetPageCount(); }

CString DialogSession::PageTitle(int index) const {
  CPropertyPage* page = m_sheet.GetPage(index);
  return page ? page->GetPageTitle() : CString();
}

int DialogSession::FindPage(const char* name) const {
  int index = 0;
  if (ParseId(name, index)) return index >= 0 && index < PageCount() ? index : -1;
  CString key = NameKey(name);
  for (int i = 0; i < PageCount(); ++i)
    if (NameKey(PageTitle(i)) == key) return i;
  return -1;
}

int DialogSession::ActivePage() const { return m_sheet.IsRunning() ? m_sheet.GetActiveIndex() : -1; }
CString DialogSession::ActivePageTitle() const { return PageTitle(ActivePage()); }
CPropertyPage* DialogSession::ActivePageObject() const { return m_sheet.GetPage(ActivePage()); }
bool DialogSession::Ended() const { return !m_sheet.IsRunning(); }
int DialogSession::Result() const { return m_sheet.GetModalResult(); }

CWnd* DialogSession::FrontWindow() const {
  CPropertyPage* page = ActivePageObject();
  return page && page->GetSafeHwnd() ? page : nullptr;
}

ControlState* DialogSession::Find(const char* name) const {
  if (!m_sheet.IsRunning()) return nullptr;
  CWnd* front = FrontWindow();
  int id = 0;
  if (ParseId(name, id)) {
    ControlState* control = front ? front->FindControl(id) : nullptr;
    return control ? control : m_sheet.FindControl(id);
  }
  CString key = NameKey(name);
  if (key.IsEmpty()) return nullptr;
  if (front) {
    const auto& controls = front->Controls();
    for (const auto& c : controls)
      if ((c->IsButtonLike() || c->kind == DialogControlKind::GroupBox) && NameKey(c->text) == key) return c.get();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i]->kind != DialogControlKind::Label || NameKey(controls[i]->text) != key) continue;
      for (std::size_t j = i + 1; j < controls.size(); ++j)
        if (IsAddressable(*controls[j])) return controls[j].get();
    }
  }
  for (const auto& c : m_sheet.Controls())
    if (NameKey(c->text) == key) return c.get();
  if (key == "ok") return m_sheet.FindControl(IDOK);
  if (key == "cancel") return m_sheet.FindControl(IDCANCEL);
  if (key == "apply" || key == "default") return m_sheet.FindControl(ID_APPLY_NOW);
  return nullptr;
}

const ControlState* DialogSession::Control(const char* name) const { return Find(name); }

const ControlState* DialogSession::Control(int id) const {
  CString name;
  name.Format("%d", id);
  return Find(name);
}

bool DialogSession::IsEnabled(const char* name) const {
  const ControlState* c = Find(name);
  return c && c->enabled;
}

bool DialogSession::IsVisible(const char* name) const {
  const ControlState* c = Find(name);
  return c && c->visible;
}

CString DialogSession::Text(const char* name) const {
  const ControlState* c = Find(name);
  if (!c) return CString();
  if (c->kind == DialogControlKind::ComboBox || c->kind == DialogControlKind::ListBox)
    return c->curSel >= 0 && c->curSel < static_cast<int>(c->items.size())
               ? c->items[static_cast<std::size_t>(c->curSel)]
               : CString();
  return c->text;
}

int DialogSession::Checked(const char* name) const {
  const ControlState* c = Find(name);
  return c ? c->check : 0;
}

int DialogSession::Selection(const char* name) const {
  const ControlState* c = Find(name);
  return c ? c->curSel : -1;
}

std::vector<CString> DialogSession::Items(const char* name) const {
  const ControlState* c = Find(name);
  return c ? c->items : std::vector<CString>();
}

COLORREF DialogSession::Swatch(const char* name) const {
  const ControlState* c = Find(name);
  return c ? c->swatch : 0xFFFFFFFF;
}

CString DialogSession::Describe() const {
  CString out;
  out.Format("sheet %s", Quote(Caption()).GetString());
  if (Ended()) {
    out += Result() == IDOK ? " ended with OK\n" : " ended with Cancel\n";
    return out;
  }
  out += "\n  tabs:";
  for (int i = 0; i < PageCount(); ++i) {
    out += i == ActivePage() ? " [" : " ";
    out += PageTitle(i);
    if (i == ActivePage()) out += "]";
  }
  out += "\n";
  auto line = [&out](const ControlState& c) {
    CString text;
    if (c.id >= 0)
      text.Format("  %s %d", KindName(c.kind), c.id);
    else
      text.Format("  %s", KindName(c.kind));
    out += text;
    if (c.kind == DialogControlKind::ComboBox || c.kind == DialogControlKind::ListBox) {
      CString sel = c.curSel >= 0 && c.curSel < static_cast<int>(c.items.size())
                        ? c.items[static_cast<std::size_t>(c.curSel)]
                        : CString();
      text.Format(" %s (%d of %d)", Quote(sel).GetString(), c.curSel, static_cast<int>(c.items.size()));
      out += text;
    } else if (c.kind == DialogControlKind::ListView) {
      text.Format(" %d items, marked %d", static_cast<int>(c.items.size()), c.curSel);
      out += text;
    } else if (c.swatch != 0xFFFFFFFF) {
      text.Format(" swatch #%02X%02X%02X", static_cast<unsigned>(c.swatch & 0xFF),
                  static_cast<unsigned>((c.swatch >> 8) & 0xFF), static_cast<unsigned>((c.swatch >> 16) & 0xFF));
      out += text;
    } else if (c.kind == DialogControlKind::Picture || (c.imageId && c.text.IsEmpty())) {
      text.Format(" bitmap %u", c.imageId);
      out += text;
    } else {
      out += " ";
      out += Quote(c.text);
    }
    if (c.kind == DialogControlKind::CheckBox || c.kind == DialogControlKind::RadioButton)
      out += c.check ? " [x]" : " [ ]";
    if (!c.enabled) out += " disabled";
    if (!c.visible) out += " hidden";
    out += "\n";
  };
  if (CWnd* front = FrontWindow())
    for (const auto& c : front->Controls()) line(*c);
  for (const auto& c : m_sheet.Controls()) line(*c);
  return out;
}

bool DialogSession::Fail(const CString& why) {
  m_lastError = why;
  return false;
}

ControlState* DialogSession::Usable(const char* name, const char* what) {
  m_lastError.Empty();
  if (!m_sheet.IsRunning()) {
    Fail("the sheet has ended");
    return nullptr;
  }
  ControlState* c = Find(name);
  CString why;
  if (!c) {
    why.Format("no control %s on the page in front", Quote(name).GetString());
  } else if (!c->visible) {
    why.Format("%s is hidden", Quote(name).GetString());
  } else if (!c->enabled) {
    why.Format("%s is disabled", Quote(name).GetString());
  } else {
    return c;
  }
  (void)what;
  Fail(why);
  return nullptr;
}

bool DialogSession::SelectPage(int index) {
  m_lastError.Empty();
  if (!m_sheet.IsRunning()) return Fail("the sheet has ended");
  if (index < 0 || index >= PageCount()) return Fail("no such page");
  if (index == m_sheet.GetActiveIndex()) return true;
  std::size_t shown = m_messages.size();
  if (!m_sheet.SetActivePage(index) || m_sheet.GetActiveIndex() != index) {
    CString why;
    why.Format("the page %s stays in front", Quote(ActivePageTitle()).GetString());
    if (m_messages.size() > shown) why += CString(": ") + m_messages.back().text;
    return Fail(why);
  }
  return true;
}

bool DialogSession::SelectPage(const char* name) {
  int index = FindPage(name);
  if (index < 0) {
    m_lastError.Empty();
    return Fail(CString("no page ") + Quote(name));
  }
  return SelectPage(index);
}

bool DialogSession::SetText(const char* name, const char* text) {
  ControlState* c = Usable(name, "edit");
  if (!c) return false;
  if (c->kind != DialogControlKind::Edit) return Fail(Quote(name) + " is not an edit box");
  CString value;
  const bool multiline = (c->style & ES_MULTILINE) != 0;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (*p == '\r' || *p == '\n') {
      if (!multiline) break;  // a single-line box keeps the first line of a paste
      if (*p == '\r' && p[1] == '\n') ++p;
      value += "\r\n";
    } else {
      value += *p;
    }
  }
  if (c->style & ES_UPPERCASE) value = UpperAscii(value);
  c->text = LimitUtf8(value, c->limit);
  NotifyParent(c, EN_CHANGE);
  return true;
}

bool DialogSession::Type(const char* name, const char* text) {
  ControlState* c = Usable(name, "edit");
  if (!c) return false;
  if (c->kind != DialogControlKind::Edit) return Fail(Quote(name) + " is not an edit box");
  CString key(name);
  for (const char* p = text ? text : ""; *p;) {
    c = Usable(key, "edit");
    if (!c || c->kind != DialogControlKind::Edit) return false;
    if (*p == '\r') {
      ++p;
      continue;
    }
    CString typed;
    if (*p == '\n') {
      ++p;
      if (!((c->style & ES_MULTILINE) && (c->style & ES_WANTRETURN))) {
        // Enter outside a multi-line box presses the sheet's default button.
        PressOK();
        return true;
      }
      typed = "\r\n";
    } else {
      int n = Utf8Length(p);
      typed = CString(p, n);
      p += n;
    }
    if (c->style & ES_UPPERCASE) typed = UpperAscii(typed);
    if (c->text.GetLength() + typed.GetLength() > c->limit) continue;  // the box is full
    c->text += typed;
    NotifyParent(c, EN_CHANGE);
  }
  return true;
}

bool DialogSession::Click(const char* name) {
  ControlState* c = Usable(name, "button");
  if (!c) return false;
  switch (c->kind) {
    case DialogControlKind::PushButton:
    case DialogControlKind::DefPushButton:
      if (c->parent == &m_sheet) {
        m_sheet.OnCommand(MAKEWPARAM(static_cast<WORD>(c->id), BN_CLICKED), reinterpret_cast<LPARAM>(c));
      } else {
        NotifyParent(c, BN_CLICKED);
      }
      return true;
    case DialogControlKind::CheckBox:
      c->check = c->check ? 0 : 1;
      NotifyParent(c, BN_CLICKED);
      return true;
    case DialogControlKind::RadioButton: {
      // Clear the other buttons of its group: the run of radio buttons
      // around it, a new group starting at WS_GROUP.
      const auto& controls = c->parent->Controls();
      int at = c->order;
      int first = at;
      while (first > 0 && controls[static_cast<std::size_t>(first)]->kind == DialogControlKind::RadioButton &&
             !(controls[static_cast<std::size_t>(first)]->style & WS_GROUP) &&
             controls[static_cast<std::size_t>(first - 1)]->kind == DialogControlKind::RadioButton)
        --first;
      for (std::size_t i = static_cast<std::size_t>(first); i < controls.size(); ++i) {
        ControlState& other = *controls[i];
        if (other.kind != DialogControlKind::RadioButton) break;
        if (static_cast<int>(i) > at && (other.style & WS_GROUP)) break;
        other.check = 0;
      }
      c->check = 1;
      NotifyParent(c, BN_CLICKED);
      return true;
    }
    default:
      return Fail(Quote(name) + " cannot be clicked");
  }
}

bool DialogSession::SetCheck(const char* name, bool checked) {
  ControlState* c = Usable(name, "check box");
  if (!c) return false;
  if (c->kind != DialogControlKind::CheckBox && c->kind != DialogControlKind::RadioButton)
    return Fail(Quote(name) + " is not a check box");
  if ((c->check != 0) == checked) return true;
  if (c->kind == DialogControlKind::RadioButton && !checked)
    return Fail(Quote(name) + " is a radio button: choose another one of its group");
  return Click(name);
}

bool DialogSession::Select(const char* name, int index) {
  ControlState* c = Usable(name, "list");
  if (!c) return false;
  if (c->kind == DialogControlKind::ListView) {
    if (index < 0 || index >= static_cast<int>(c->items.size())) {
      CString why;
      why.Format("%s has no item %d", Quote(name).GetString(), index);
      return Fail(why);
    }
    c->curSel = index;  // a click on an item moves the selection mark
    return true;
  }
  if (!c->IsList()) return Fail(Quote(name) + " is not a list");
  if (index < 0 || index >= static_cast<int>(c->items.size())) {
    CString why;
    why.Format("%s has no entry %d", Quote(name).GetString(), index);
    return Fail(why);
  }
  c->curSel = index;
  NotifyParent(c, CBN_SELCHANGE);
  return true;
}

bool DialogSession::SelectItem(const char* name, const char* text) {
  ControlState* c = Usable(name, "list");
  if (!c) return false;
  if (!c->IsList()) return Fail(Quote(name) + " is not a list");
  for (std::size_t i = 0; i < c->items.size(); ++i)
    if (c->items[i] == text) return Select(name, static_cast<int>(i));
  for (std::size_t i = 0; i < c->items.size(); ++i)
    if (NameKey(c->items[i]) == NameKey(text)) return Select(name, static_cast<int>(i));
  return Fail(Quote(name) + " has no entry " + Quote(text));
}

bool DialogSession::PressOK() {
  CString id;
  id.Format("%d", IDOK);
  if (!Usable(id, "button")) return Fail("OK is disabled or the sheet has ended");
  std::size_t shown = m_messages.size();
  m_sheet.OnCommand(MAKEWPARAM(IDOK, BN_CLICKED), 0);
  if (m_sheet.IsRunning()) {
    CString why("the sheet stays open");
    if (m_messages.size() > shown) why += CString(": ") + m_messages.back().text;
    return Fail(why);
  }
  return true;
}

bool DialogSession::PressCancel() {
  CString id;
  id.Format("%d", IDCANCEL);
  if (!Usable(id, "button")) return Fail("Cancel is disabled or the sheet has ended");
  m_sheet.OnCommand(MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return m_sheet.IsRunning() ? Fail("the sheet stays open") : true;
}

bool DialogSession::PressApply() {
  m_lastError.Empty();
  if (!m_sheet.IsRunning()) return Fail("the sheet has ended");
  ControlState* c = m_sheet.FindControl(ID_APPLY_NOW);
  if (!c) return Fail("the sheet has no apply button");
  if (!c->enabled) return Fail(Quote(c->text) + " is disabled");
  std::size_t shown = m_messages.size();
  m_sheet.OnCommand(MAKEWPARAM(ID_APPLY_NOW, BN_CLICKED), 0);
  if (m_messages.size() > shown) return Fail(m_messages.back().text);
  return true;
}

void DialogSession::AnswerFileDialog(const char* path) { m_fileAnswers.emplace_back(true, CString(path)); }
void DialogSession::CancelFileDialog() { m_fileAnswers.emplace_back(false, CString()); }
void DialogSession::AnswerMessageBox(int answer) { m_messageAnswers.push_back(answer); }
void DialogSession::AnswerColorDialog(COLORREF color) { m_colorAnswers.emplace_back(true, color); }
void DialogSession::CancelColorDialog() { m_colorAnswers.emplace_back(false, 0); }
void DialogSession::AnswerFontDialog(const LOGFONT& font, COLORREF color) { m_fontAnswers.push_back({true, font, color}); }
void DialogSession::CancelFontDialog() { m_fontAnswers.push_back({false, LOGFONT{}, 0}); }

int DialogSession::RunColorDialog(CColorDialog& dialog) {
  ColorDialogRecord record;
  record.initial = dialog.GetColor();
  record.flags = dialog.m_cc.Flags;
  record.hasOwner = dialog.GetOwner() != nullptr;
  if (!m_colorAnswers.empty()) {
    auto answer = m_colorAnswers.front();
    m_colorAnswers.pop_front();
    if (answer.first) {
      dialog.SetChosenColor(answer.second);
      record.confirmed = true;
      record.color = dialog.GetColor();
    }
  }
  m_colorDialogs.push_back(record);
  return record.confirmed ? IDOK : IDCANCEL;
}

int DialogSession::RunFontDialog(CFontDialog& dialog) {
  FontDialogRecord record;
  record.initial = dialog.GetInitialFont();
  record.initialColor = dialog.GetInitialColor();
  record.flags = dialog.m_cf.Flags;
  record.hasOwner = dialog.GetOwner() != nullptr;
  record.hasPrinter = dialog.GetPrinter() != nullptr;
  if (!m_fontAnswers.empty()) {
    FontAnswer answer = m_fontAnswers.front();
    m_fontAnswers.pop_front();
    if (answer.confirmed) {
      dialog.SetChosenFont(answer.font, answer.color);
      record.confirmed = true;
      dialog.GetCurrentFont(&record.font);
      record.color = dialog.GetColor();
    }
  }
  m_fontDialogs.push_back(record);
  return record.confirmed ? IDOK : IDCANCEL;
}

CString DialogSession::LastMessage() const { return m_messages.empty() ? CString() : m_messages.back().text; }

int DialogSession::ShowMessage(const char* caption, const char* text, UINT type) {
  MessageRecord record{CString(caption), CString(text), type, DefaultAnswer(type)};
  if (!m_messageAnswers.empty()) {
    record.answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
  }
  m_messages.push_back(record);
  return RecordMessage(record);
}

int DialogSession::RunFileDialog(CFileDialog& dialog) {
  FileDialogRecord record;
  record.open = dialog.IsOpenDialog();
  record.defaultExtension = dialog.GetDefaultExtension();
  record.initialFileName = dialog.GetInitialFileName();
  record.flags = dialog.GetFlags();
  record.filter = dialog.GetFilter();
  record.hasOwner = dialog.GetOwner() != nullptr;
  if (!m_fileAnswers.empty()) {
    auto answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (answer.first) {
      dialog.SetChosenPath(answer.second);
      record.confirmed = true;
      record.path = dialog.GetPathName();
    }
  }
  m_fileDialogs.push_back(record);
  return record.confirmed ? IDOK : IDCANCEL;
}

}  // namespace corvane

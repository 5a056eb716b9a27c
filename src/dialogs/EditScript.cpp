#include "dialogs/EditScript.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "dialogs/CellPageSupport.h"
#include "dialogs/EditActionSheet.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditPageLoad.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSoundPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"
#include "dialogs/PageCellProperty.h"
#include "dialogs/PageCellSelectIcon.h"
#include "dialogs/PageLayout.h"
#include "dialogs/PageSelectBmp.h"

namespace corvane {

namespace {

// Names are compared without letter case, "&", blanks at either end, a
// trailing colon, and with "-" and "_" read as blanks.
std::string Key(const std::string& text) {
  std::string key;
  for (char c : text) {
    if (c == '&') continue;
    if (c == '-' || c == '_' || c == '\t') c = ' ';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == ' ' && (key.empty() || key.back() == ' ')) continue;
    key += c;
  }
  while (!key.empty() && (key.back() == ' ' || key.back() == ':')) key.pop_back();
  return key;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Quoted(const CString& text) { return Quoted(std::string(text.GetString())); }

// The readable names of each page's controls: the English label and the
// short names a person would use.  The first name is the one shown in
// messages.
struct ControlName {
  const char* names[4];
  int id;
};

struct PageNames {
  const CRuntimeClass* page;
  const char* title;  // English tab title
  const char* alias;  // another name, or null
  std::vector<ControlName> controls;
};

const std::vector<PageNames>& Pages() {
  static const std::vector<PageNames> pages = {
      {RUNTIME_CLASS(CEditRunPage), "Run", "program",
       {{{"program", "run"}, IDC_EDIT_PROGRAM},
        {{"browse"}, IDC_BROWSE},
        {{"start in", "folder"}, IDC_EDIT_START_IN},
        {{"window"}, IDC_COMBO_WINDOW},
        {{"parameters", "params"}, IDC_EDIT_PARAMS}}},
      {RUNTIME_CLASS(CEditInternetPage), "Internet", nullptr,
       {{{"service", "type of service"}, IDC_COMBO_SERVICE}, {{"address"}, IDC_EDIT_ADDRESS}}},
      {RUNTIME_CLASS(CEditKeyPage), "Hot Key", "hotkey",
       {{{"Ctrl"}, IDC_CHECK_CTRL}, {{"Alt"}, IDC_CHECK_ALT}, {{"Shift"}, IDC_CHECK_SHIFT}, {{"key"}, IDC_COMBO_KEY}}},
      {RUNTIME_CLASS(CEditPageLoad), "Load Template", "load",
       {{{"template", "template name", "layout"}, IDC_EDIT_TEMPLATE}, {{"browse"}, IDC_BROWSE_TEMPLATE}}},
      {RUNTIME_CLASS(CEditSoundPage), "Sound", nullptr,
       {{{"file", "sound file", "sound"}, IDC_EDIT_SOUND_FILE},
        {{"browse"}, IDC_BROWSE_SOUND},
        {{"mode", "play mode"}, IDC_COMBO_MODE},
        {{"repeat"}, IDC_EDIT_REPEAT}}},
      {RUNTIME_CLASS(CEditTextPage), "Text", nullptr,
       {{{"text"}, IDC_EDIT_TEXT}}},
      {RUNTIME_CLASS(CEditMenuPage), "Menu", nullptr,
       {{{"menu", "letters"}, IDC_EDIT_MENU}}},
      {RUNTIME_CLASS(CEditSystemPage), "System", nullptr,
       {{{"function"}, IDC_COMBO_FUNCTION}, {{"parameter", "parameters", "param"}, IDC_COMBO_PARAM}}},
      {RUNTIME_CLASS(CPageCellProperty), "Property", "label",
       {{{"color", "colour", "text color", "text colour"}, IDC_CELL_TEXT_COLOR},
        {{"font"}, IDC_CELL_FONT},
        {{"node"}, IDC_CELL_NODE},
        {{"icon"}, IDC_CELL_ICON},
        {{"node color", "node colour"}, IDC_CELL_NODE_COLOR}}},
      {RUNTIME_CLASS(CPageCellSelectIcon), "Icon", nullptr,
       {{{"file", "icon file"}, IDC_ICON_FILE}, {{"icon", "icons"}, IDC_ICON_LIST}, {{"browse"}, IDC_ICON_BROWSE}}},
      {RUNTIME_CLASS(CPageLayout), "Layout", nullptr,
       {{{"font"}, IDC_LAYOUT_FONT},
        {{"text color", "text colour", "color", "colour"}, IDC_LAYOUT_TEXT_COLOR},
        {{"frame color", "frame colour"}, IDC_LAYOUT_FRAME_COLOR},
        {{"inner color", "inner colour", "inner frame color", "inner frame colour"}, IDC_LAYOUT_INNER_COLOR},
        {{"background color", "background colour", "back color", "back colour"}, IDC_LAYOUT_BACK_COLOR},
        {{"frame border", "frame"}, IDC_LAYOUT_FRAME_BORDER},
        {{"inner border", "inner frame border", "inner frame"}, IDC_LAYOUT_INNER_BORDER},
        {{"apply to all"}, IDC_LAYOUT_APPLY_ALL}}},
      {RUNTIME_CLASS(CPageSelectBmp), "Background Bitmap", "background",
       {{{"bitmap", "file", "path"}, IDC_BITMAP_PATH},
        {{"browse"}, IDC_BITMAP_BROWSE},
        {{"mode", "fill"}, IDC_BITMAP_MODE},
        {{"clear"}, IDC_BITMAP_CLEAR}}},
  };
  return pages;
}

const PageNames* NamesOf(const CPropertyPage* page) {
  if (!page) return nullptr;
  for (const PageNames& names : Pages())
    if (page->IsKindOf(names.page)) return &names;
  return nullptr;
}

// A colour as "#RRGGBB" or "R,G,B".
bool ParseColor(const std::string& value, COLORREF& color) {
  const char* p = value.c_str();
  char* end = nullptr;
  if (*p == '#') {
    if (value.size() != 7) return false;
    const unsigned long rgb = std::strtoul(p + 1, &end, 16);
    if (*end != '\0') return false;
    color = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return true;
  }
  long parts[3];
  for (int i = 0; i < 3; ++i) {
    parts[i] = std::strtol(p, &end, 10);
    if (end == p || parts[i] < 0 || parts[i] > 255) return false;
    while (*end == ' ') ++end;
    if (i < 2 && *end++ != ',') return false;
    while (*end == ' ') ++end;
    p = end;
  }
  if (*p != '\0') return false;
  color = RGB(parts[0], parts[1], parts[2]);
  return true;
}

// A font as "FACE, POINTS" followed by any of "bold", "italic",
// "underline", "strikeout"; the height comes back in the font dialog's
// pixels.
bool ParseFont(const std::string& value, LOGFONT& font) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : value + ",") {
    if (c != ',') {
      part += c;
      continue;
    }
    while (!part.empty() && part.front() == ' ') part.erase(part.begin());
    while (!part.empty() && part.back() == ' ') part.pop_back();
    parts.push_back(part);
    part.clear();
  }
  if (parts.size() < 2 || parts[0].empty() || parts[0].size() >= LF_FACESIZE) return false;
  char* end = nullptr;
  const long points = std::strtol(parts[1].c_str(), &end, 10);
  if (*end != '\0' || points < 1 || points > 1000) return false;
  font = LOGFONT{};
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", parts[0].c_str());
  font.lfHeight = PointsToDialogHeight(points);
  font.lfWeight = 400;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    const std::string style = Key(parts[i]);
    if (style == "bold") font.lfWeight = 700;
    else if (style == "italic") font.lfItalic = 1;
    else if (style == "underline") font.lfUnderline = 1;
    else if (style == "strikeout" || style == "strike out") font.lfStrikeOut = 1;
    else return false;
  }
  return true;
}

// The font button of a page, and the swatch of the colour the font dialog
// starts from; 0 when the page has none.
int FontButtonOf(const CPropertyPage* page, int& colorSwatch) {
  if (page && page->IsKindOf(RUNTIME_CLASS(CPageCellProperty))) {
    colorSwatch = IDC_CELL_TEXT_COLOR;
    return IDC_CELL_FONT;
  }
  if (page && page->IsKindOf(RUNTIME_CLASS(CPageLayout))) {
    colorSwatch = IDC_LAYOUT_TEXT_COLOR;
    return IDC_LAYOUT_FONT;
  }
  return 0;
}

bool IsOn(const std::string& value, bool& on) {
  const std::string key = Key(value);
  for (const char* yes : {"1", "on", "yes", "true", "x", "checked"})
    if (key == yes) return on = true;
  for (const char* no : {"0", "off", "no", "false", "", "unchecked"})
    if (key == no) {
      on = false;
      return true;
    }
  return false;
}

class Player {
 public:
  Player(DialogSession& session, std::string& error) : m_session(session), m_error(error) {}

  bool Play(const EditScript::Statement& s) {
    m_statement = &s;
    const std::string name = Key(s.name);
    if (m_session.Ended()) return Fail("the sheet has already ended");
    if (name == "page") {
      if (!s.hasValue) return Fail("page wants a name: page=NAME");
      return SelectPage(s.value);
    }
    if (!s.hasValue) {
      if (name == "ok") return PressOK();
      if (name == "cancel") return m_session.PressCancel() || Fail(m_session.LastError());
      if (name == "default" || name == "apply") return m_session.PressApply() || Fail(m_session.LastError());
    }
    const ControlState* control = Find(s.name);
    if (!control) return Fail("no control " + Quoted(s.name) + " on the page " + Quoted(PageTitle()) + Known());
    const std::string shown = s.name;
    const std::string id = std::to_string(control->id);
    if (!control->visible) return Fail(Quoted(shown) + " is hidden");
    if (!control->enabled) return Fail(Quoted(shown) + " is disabled on the page " + Quoted(PageTitle()));
    switch (control->kind) {
      case DialogControlKind::CheckBox: {
        bool on = true;
        if (s.hasValue && !IsOn(s.value, on))
          return Fail(Quoted(shown) + " is a check box: give it 1 or 0 (on/off), not " + Quoted(s.value));
        return m_session.SetCheck(id.c_str(), on) || Fail(m_session.LastError());
      }
      case DialogControlKind::RadioButton: {
        bool on = true;
        if (s.hasValue && (!IsOn(s.value, on) || !on))
          return Fail(Quoted(shown) + " is a radio button: choose it, or another one of its group");
        return m_session.Click(id.c_str()) || Fail(m_session.LastError());
      }
      case DialogControlKind::Edit:
        if (!s.hasValue) return Fail(Quoted(shown) + " is a text box: give it a text, " + shown + "=TEXT");
        return m_session.SetText(id.c_str(), s.value.c_str()) || Fail(m_session.LastError());
      case DialogControlKind::ComboBox:
      case DialogControlKind::ListBox:
        if (!s.hasValue) return Fail(Quoted(shown) + " is a list: choose an entry, " + shown + "=ENTRY");
        return Choose(*control, id, shown, s.value);
      case DialogControlKind::ListView:
        if (!s.hasValue) return Fail(Quoted(shown) + " is a list of icons: choose one by position, " + shown + "=#N");
        return Choose(*control, id, shown, s.value[0] == '#' ? s.value : "#" + s.value);
      case DialogControlKind::PushButton:
      case DialogControlKind::DefPushButton: {
        int colorSwatch = 0;
        const int fontButton = FontButtonOf(m_session.ActivePageObject(), colorSwatch);
        if (s.hasValue && control->swatch != 0xFFFFFFFF) {
          COLORREF color = 0;
          if (!ParseColor(s.value, color))
            return Fail(Quoted(shown) + " chooses a colour: give it #RRGGBB or R,G,B, not " + Quoted(s.value));
          m_session.AnswerColorDialog(color);
        } else if (s.hasValue && fontButton && control->id == fontButton) {
          LOGFONT font{};
          if (!ParseFont(s.value, font))
            return Fail(Quoted(shown) + " chooses a font: give it FACE,POINTS[,bold][,italic], not " +
                        Quoted(s.value));
          m_session.AnswerFontDialog(font, m_session.Swatch(std::to_string(colorSwatch).c_str()));
        } else if (s.hasValue) {
          m_session.AnswerFileDialog(s.value.c_str());
        }
        return m_session.Click(id.c_str()) || Fail(m_session.LastError());
      }
      default:
        return Fail(Quoted(shown) + " cannot be used");
    }
  }

  bool Finish() {
    if (!m_session.Ended()) {
      m_statement = nullptr;
      return Fail("the script ends without OK or Cancel (end it with OK to keep the action)");
    }
    return true;
  }

 private:
  CString PageTitle() const { return m_session.ActivePageTitle(); }

  bool Fail(const CString& why) { return Fail(std::string(why.GetString())); }
  bool Fail(const char* why) { return Fail(std::string(why)); }
  bool Fail(const std::string& why) {
    if (m_error.empty()) {
      if (m_statement)
        m_error = "line " + std::to_string(m_statement->line) + ", " + Quoted(m_statement->text) + ": " + why;
      else
        m_error = why;
    }
    if (!m_session.Ended()) m_session.PressCancel();
    return false;
  }

  bool SelectPage(const std::string& name) {
    const std::string key = Key(name);
    int index = -1;
    char* end = nullptr;
    const long position = std::strtol(name.c_str(), &end, 10);
    if (!name.empty() && *end == '\0') {
      index = position >= 1 && position <= m_session.PageCount() ? static_cast<int>(position - 1) : -1;
    } else {
      for (int i = 0; i < m_session.PageCount() && index < 0; ++i) {
        const PageNames* names = NamesOf(m_session.Sheet().GetPage(i));
        if (Key(m_session.PageTitle(i).GetString()) == key ||
            (names && (Key(names->title) == key || (names->alias && Key(names->alias) == key))))
          index = i;
      }
    }
    if (index < 0) {
      std::string pages;
      for (int i = 0; i < m_session.PageCount(); ++i)
        pages += (i ? ", " : "") + std::string(m_session.PageTitle(i).GetString());
      return Fail("no page " + Quoted(name) + " (the pages are: " + pages + ")");
    }
    return m_session.SelectPage(index) || Fail(m_session.LastError().GetString());
  }

  const ControlState* Find(const std::string& name) const {
    const std::string key = Key(name);
    if (key.empty()) return nullptr;
    if (const PageNames* names = NamesOf(m_session.ActivePageObject()))
      for (const ControlName& control : names->controls)
        for (const char* alias : control.names)
          if (alias && Key(alias) == key) return m_session.Control(control.id);
    // A number names a control by id; else the label shown, or its text.
    return m_session.Control(name.c_str());
  }

  std::string Known() const {
    std::string known;
    if (const PageNames* names = NamesOf(m_session.ActivePageObject()))
      for (const ControlName& control : names->controls) known += std::string(known.empty() ? "" : ", ") + control.names[0];
    return " (its controls: " + known + (known.empty() ? "" : ", ") + "and the buttons OK, Cancel, Default)";
  }

  bool Choose(const ControlState& control, const std::string& id, const std::string& shown,
              const std::string& value) {
    int index = -1;
    for (std::size_t i = 0; i < control.items.size() && index < 0; ++i)
      if (value == control.items[i].GetString()) index = static_cast<int>(i);
    for (std::size_t i = 0; i < control.items.size() && index < 0; ++i)
      if (Key(value) == Key(control.items[i].GetString())) index = static_cast<int>(i);
    if (index < 0 && value.size() > 1 && value[0] == '#') {
      char* end = nullptr;
      const long n = std::strtol(value.c_str() + 1, &end, 10);
      if (*end == '\0' && n >= 1 && n <= static_cast<long>(control.items.size())) index = static_cast<int>(n - 1);
    }
    if (index < 0) {
      std::string entries;
      const std::size_t shownEntries = control.items.size() < 12 ? control.items.size() : 12;
      for (std::size_t i = 0; i < shownEntries; ++i)
        entries += (i ? ", " : "") + std::string(control.items[i].GetString());
      if (shownEntries < control.items.size()) entries += ", ... (" + std::to_string(control.items.size()) + " in all)";
      return Fail("the list " + Quoted(shown) + " has no entry " + Quoted(value) +
                  (entries.empty() ? std::string(" (it is empty)") : " (its entries: " + entries + ")"));
    }
    return m_session.Select(id.c_str(), index) || Fail(m_session.LastError().GetString());
  }

  bool PressOK() {
    CPropertyPage* front = m_session.ActivePageObject();
    const std::string page = PageTitle().GetString();
    if (!m_session.PressOK()) return Fail(m_session.LastError().GetString());
    auto* sheet = DYNAMIC_DOWNCAST(CEditActionSheet, &m_session.Sheet());
    if (sheet && !sheet->m_pResult && front) {
      m_error = "line " + std::to_string(m_statement->line) + ", " + Quoted(m_statement->text) + ": the page " +
                Quoted(page) + " built no action from what it shows" +
                (front->IsKindOf(RUNTIME_CLASS(CEditKeyPage)) ? " (no key is chosen)" : "");
      return false;
    }
    return true;
  }

  DialogSession& m_session;
  std::string& m_error;
  const EditScript::Statement* m_statement = nullptr;
};

}  // namespace

bool EditScript::Parse(const std::string& text, std::string& error) {
  m_statements.clear();
  int line = 1;
  // A script file saved by a Windows editor may start with a byte-order mark.
  std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  const std::size_t n = text.size();
  while (i < n) {
    // Blanks and empty statements; a comment line.
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == ';' || text[i] == '\n')) {
      if (text[i] == '\n') ++line;
      ++i;
    }
    if (i >= n) break;
    if (text[i] == '#') {
      while (i < n && text[i] != '\n') ++i;
      continue;
    }
    Statement s;
    s.line = line;
    const std::size_t start = i;
    while (i < n && text[i] != '=' && text[i] != ';' && text[i] != '\n') ++i;
    s.name = text.substr(start, i - start);
    while (!s.name.empty() && (s.name.back() == ' ' || s.name.back() == '\t' || s.name.back() == '\r'))
      s.name.pop_back();
    if (i < n && text[i] == '=') {
      s.hasValue = true;
      ++i;
      while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
      if (i < n && text[i] == '"') {
        const int quoteLine = line;
        ++i;
        bool closed = false;
        while (i < n) {
          if (text[i] == '"') {
            if (i + 1 < n && text[i + 1] == '"') {
              s.value += '"';
              i += 2;
              continue;
            }
            ++i;
            closed = true;
            break;
          }
          if (text[i] == '\n') ++line;
          s.value += text[i++];
        }
        if (!closed) {
          error = "line " + std::to_string(quoteLine) + ": the quote after " + Quoted(s.name + "=") + " is not closed";
          return false;
        }
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r')) ++i;
        if (i < n && text[i] != ';' && text[i] != '\n') {
          error = "line " + std::to_string(line) + ": text after the closing quote of " + Quoted(s.name + "=") +
                  " (end the statement with \";\")";
          return false;
        }
      } else {
        const std::size_t valueStart = i;
        while (i < n && text[i] != ';' && text[i] != '\n') ++i;
        s.value = text.substr(valueStart, i - valueStart);
        while (!s.value.empty() && (s.value.back() == ' ' || s.value.back() == '\t' || s.value.back() == '\r'))
          s.value.pop_back();
      }
    }
    s.text = text.substr(start, i - start);
    while (!s.text.empty() && (s.text.back() == ' ' || s.text.back() == '\r')) s.text.pop_back();
    if (s.name.empty()) {
      error = "line " + std::to_string(s.line) + ": " + Quoted(s.text) + " names no control (write NAME=VALUE)";
      return false;
    }
    if (!m_statements.empty() && !m_statements.back().hasValue) {
      const std::string last = Key(m_statements.back().name);
      if (last == "ok" || last == "cancel") {
        error = "line " + std::to_string(s.line) + ", " + Quoted(s.text) + ": nothing can follow " +
                m_statements.back().name + ", which ends the sheet";
        return false;
      }
    }
    m_statements.push_back(std::move(s));
  }
  if (m_statements.empty()) {
    error = "the script is empty";
    return false;
  }
  return true;
}

bool EditScript::Run(DialogSession& session, std::string& error) const {
  error.clear();
  Player player(session, error);
  for (const Statement& s : m_statements)
    if (!player.Play(s)) return false;
  return player.Finish();
}

std::unique_ptr<ScopedDialogUser> MakeEnvironmentEditScriptUser() {
  if (HasDialogUser()) return nullptr;
  const char* text = std::getenv("CORVANE_EDIT_SCRIPT");
  if (!text || !*text) return nullptr;
  const char* reportPath = std::getenv("CORVANE_EDIT_REPORT");
  const std::string report = reportPath ? reportPath : "";
  const std::string script = text;
  return std::make_unique<ScopedDialogUser>([report, script](DialogSession& session) {
    EditScript parsed;
    std::string error;
    if (parsed.Parse(script, error)) parsed.Run(session, error);
    if (!session.Ended()) session.PressCancel();
    if (report.empty()) return;
    std::ofstream out(report, std::ios::binary | std::ios::app);
    for (const MessageRecord& message : session.Messages()) out << "message: " << message.text.GetString() << "\n";
    if (!error.empty()) out << "error: " << error << "\n";
  });
}

}  // namespace corvane

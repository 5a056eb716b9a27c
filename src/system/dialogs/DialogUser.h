// The headless user: on a platform without a GUI (tests, command-line hosts)
// a modal property sheet is played by a script that does what a person
// would do: bring a page to the front, type into a box, tick a check box,
// choose a list entry, press a button, answer a file dialog, press OK,
// Apply (Default) or Cancel.  Everything a person would see is readable: the
// front page, each control's text, state and list, the sheet's buttons, and
// every message box the library shows.
//
// Controls are named the way a person points at them: by id ("1082" or
// "#1082"), by their own text ("Ctrl", "OK", "Default"), or by the label in
// front of them ("Run:", "Function").  Matching ignores case, '&' and a
// trailing colon.  The front page's controls are searched first, then the
// sheet's buttons.
//
// Every action answers false when a person could not do it (no such control,
// hidden or disabled, the sheet has ended, the page refused to be left) and
// says why in LastError().
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "system/dialogs/PropertySheet.h"

namespace corvane {

class CFileDialog;
class CColorDialog;
class CFontDialog;

struct MessageRecord {
  CString caption;
  CString text;
  UINT type = MB_OK;
  int answer = IDOK;
};

struct FileDialogRecord {
  BOOL open = TRUE;
  CString defaultExtension;
  CString initialFileName;
  DWORD flags = 0;
  CString filter;
  bool hasOwner = false;
  bool confirmed = false;
  CString path;  // the answer, when confirmed
};

struct ColorDialogRecord {
  COLORREF initial = 0;
  DWORD flags = 0;
  bool hasOwner = false;
  bool confirmed = false;
  COLORREF color = 0;  // the answer, when confirmed
};

struct FontDialogRecord {
  LOGFONT initial{};
  COLORREF initialColor = 0;
  DWORD flags = 0;
  bool hasOwner = false;
  bool hasPrinter = false;
  bool confirmed = false;
  LOGFONT font{};      // the answer, when confirmed
  COLORREF color = 0;
};

class DialogSession {
 public:
  explicit DialogSession(CPropertySheet& sheet);
  ~DialogSession();
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;

  // Looking.
  CPropertySheet& Sheet() const { return m_sheet; }
  CString Caption() const;
  int PageCount() const;
  CString PageTitle(int index) const;
  // The position of a page named by its tab title or its position; -1 none.
  int FindPage(const char* name) const;
  int ActivePage() const;
  CString ActivePageTitle() const;
  CPropertyPage* ActivePageObject() const;
  bool Ended() const;
  int Result() const;

  // A control of the front page or a button of the sheet; null when none.
  const ControlState* Control(const char* name) const;
  const ControlState* Control(int id) const;
  bool Exists(const char* name) const { return Control(name) != nullptr; }
  bool IsEnabled(const char* name) const;
  bool IsVisible(const char* name) const;
  // Window text; for a list, the selected entry.
  CString Text(const char* name) const;
  int Checked(const char* name) const;
  int Selection(const char* name) const;
  std::vector<CString> Items(const char* name) const;
  // The colour a swatch button shows (0xFFFFFFFF: none).
  COLORREF Swatch(const char* name) const;
  // A readable picture of the sheet and its front page, one control a line.
  CString Describe() const;

  // Doing.
  bool SelectPage(int index);
  bool SelectPage(const char* name);
  // Replaces the whole text of an edit box as a paste does (one change).
  bool SetText(const char* name, const char* text);
  // Types the text into an edit box one character at a time, each one a
  // change; a line feed is the Enter key.
  bool Type(const char* name, const char* text);
  bool Click(const char* name);
  bool SetCheck(const char* name, bool checked);
  bool Select(const char* name, int index);
  bool SelectItem(const char* name, const char* text);
  bool PressOK();
  bool PressCancel();
  // The Apply button, whatever its label (the action sheet calls it Default).
  bool PressApply();

  // Answers for dialogs that will open, in order: the next file dialog gets
  // the first queued answer; with none queued it is cancelled.
  void AnswerFileDialog(const char* path);
  void CancelFileDialog();
  // The same for the colour dialog and the font dialog (a font record as
  // the dialog gives it, height in pixels, and the colour chosen in it).
  void AnswerColorDialog(COLORREF color);
  void CancelColorDialog();
  void AnswerFontDialog(const LOGFONT& font, COLORREF color);
  void CancelFontDialog();
  // The button that closes the next message box; by default its first one.
  void AnswerMessageBox(int answer);

  const std::vector<MessageRecord>& Messages() const { return m_messages; }
  CString LastMessage() const;
  void ClearMessages() { m_messages.clear(); }
  const std::vector<FileDialogRecord>& FileDialogs() const { return m_fileDialogs; }
  const std::vector<ColorDialogRecord>& ColorDialogs() const { return m_colorDialogs; }
  const std::vector<FontDialogRecord>& FontDialogs() const { return m_fontDialogs; }
  const CString& LastError() const { return m_lastError; }

  // Called by the dialog layer.
  int ShowMessage(const char* caption, const char* text, UINT type);
  int RunFileDialog(CFileDialog& dialog);
  int RunColorDialog(CColorDialog& dialog);
  int RunFontDialog(CFontDialog& dialog);

 private:
  ControlState* Find(const char* name) const;
  ControlState* Usable(const char* name, const char* what);
  bool Fail(const CString& why);
  CWnd* FrontWindow() const;

  CPropertySheet& m_sheet;
  DialogSession* m_pOuter;
  std::vector<MessageRecord> m_messages;
  std::vector<FileDialogRecord> m_fileDialogs;
  std::deque<std::pair<bool, CString>> m_fileAnswers;
  std::deque<int> m_messageAnswers;
  std::vector<ColorDialogRecord> m_colorDialogs;
  std::deque<std::pair<bool, COLORREF>> m_colorAnswers;
  std::vector<FontDialogRecord> m_fontDialogs;
  struct FontAnswer {
    bool confirmed;
    LOGFONT font;
    COLORREF color;
  };
  std::deque<FontAnswer> m_fontAnswers;
  CString m_lastError;
};

// Installs a script that plays the user of every modal sheet run while the
// object lives (on this thread's sheets).  Without one a modal sheet ends at
// once with IDCANCEL: there is nobody to show it to.
class ScopedDialogUser {
 public:
  using Script = std::function<void(DialogSession&)>;
  explicit ScopedDialogUser(Script script);
  ~ScopedDialogUser();
  ScopedDialogUser(const ScopedDialogUser&) = delete;
  ScopedDialogUser& operator=(const ScopedDialogUser&) = delete;

  // Modal sheets played so far.
  int Runs() const { return m_runs; }
  // Every message box shown while the object lived, in and out of sheets.
  const std::vector<MessageRecord>& Messages() const { return m_messages; }

 private:
  friend void RunDialogUser(DialogSession& session);
  friend int RecordMessage(const MessageRecord& record);
  Script m_script;
  ScopedDialogUser* m_pOuter;
  int m_runs = 0;
  std::vector<MessageRecord> m_messages;
};

// The dialog layer's side of the headless user.
bool HasDialogUser();
void RunDialogUser(DialogSession& session);
DialogSession* CurrentDialogSession();

}  // namespace corvane

// Edit scripts: the action sheet played from a text, as a person would use
// it, for hosts without a screen (the command-line host's "edit").
//
//   page=Hot Key; Ctrl; key=S; OK
//
// Statements are separated by ";" or line ends; a line whose first character
// (after blanks) is "#" is a comment.  A statement is
//   page=NAME     bring a page to the front: its tab title (in the language
//                 shown), its English title, or its position from 1
//   NAME=VALUE    set a control: a check box takes 1/0, on/off, yes/no,
//                 true/false; an edit box takes the text; a list takes the
//                 text of an entry or "#N", its N-th entry; a browse button
//                 takes the path its file dialog answers
//   NAME          press OK, Cancel or Default (Apply), tick a check box,
//                 click a button
// Controls are named by readable English names (key, text, program, ...),
// by the label shown in front of them, by their own text or by their id.
// A value may be put in double quotes to keep blanks, ";" or line ends; two
// quotes inside stand for one.  Backslashes are plain characters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "system/dialogs/DialogUser.h"

namespace corvane {

class EditScript {
 public:
  struct Statement {
    int line = 1;
    std::string text;  // as written, for messages
    std::string name;
    std::string value;
    bool hasValue = false;
  };

  // False with a message naming the line when the text is not a script.
  bool Parse(const std::string& text, std::string& error);
  const std::vector<Statement>& Statements() const { return m_statements; }

  // Plays the statements on a running action sheet.  The script must end
  // the sheet with OK (and OK must build an action) or Cancel.  On the first
  // statement that cannot be done it cancels the sheet and answers false
  // with a message that names the statement, and the page or control.
  bool Run(DialogSession& session, std::string& error) const;

 private:
  std::vector<Statement> m_statements;
};

// The user for the sheets of a host without a screen: when no scripted user
// is installed on this thread and the environment variable
// CORVANE_EDIT_SCRIPT holds a script, a user that plays it (answers null
// otherwise).  When CORVANE_EDIT_REPORT names a file, the run writes there,
// one a line, "error: ..." for a statement that failed and "message: ..."
// for each message box shown.
std::unique_ptr<ScopedDialogUser> MakeEnvironmentEditScriptUser();

}  // namespace corvane

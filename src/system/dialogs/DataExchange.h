// Dialog data exchange and validation: moving values between a dialog's
// fields and its controls, with the checks and messages of the class library.
#pragma once

#include "system/dialogs/Wnd.h"

namespace corvane {

// Thrown by a failed check inside DoDataExchange and caught by UpdateData;
// it never leaves the dialog layer.
class CUserException {};

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate);

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  int m_idLastControl = 0;
  BOOL m_bEditLastControl = FALSE;

  // The control of that id (asserts it exists by failing quietly when not).
  ControlState* PrepareCtrl(int id);
  ControlState* PrepareEditCtrl(int id);
  // Puts the focus on the last prepared control (selecting an edit box's
  // text) and abandons the exchange.
  [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);

// Parses a whole text as a decimal integer the way the exchange does: blanks
// around it, an optional sign; a value beyond 32 bits is clamped.  False when
// the text is not an integer.
bool ParseDialogInteger(const char* text, int& value);

}  // namespace corvane

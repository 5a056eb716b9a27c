#include "system/dialogs/DataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "system/dialogs/MessageBox.h"

namespace corvane {

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

ControlState* CDataExchange::PrepareCtrl(int id) {
  m_idLastControl = id;
  m_bEditLastControl = FALSE;
  return m_pDlgWnd ? m_pDlgWnd->FindControl(id) : nullptr;
}

ControlState* CDataExchange::PrepareEditCtrl(int id) {
  ControlState* control = PrepareCtrl(id);
  m_bEditLastControl = TRUE;
  return control;
}

void CDataExchange::Fail() {
  if (m_pDlgWnd && m_idLastControl != 0) m_pDlgWnd->m_nFocusId = m_idLastControl;
  throw CUserException();
}

bool ParseDialogInteger(const char* text, int& value) {
  if (!text) return false;
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  const char* digits = p;
  if (*digits == '+' || *digits == '-') ++digits;
  if (*digits < '0' || *digits > '9') return false;
  errno = 0;
  char* end = nullptr;
  long long parsed = std::strtoll(p, &end, 10);
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  if (parsed > INT_MAX) parsed = INT_MAX;
  if (parsed < INT_MIN) parsed = INT_MIN;
  value = static_cast<int>(parsed);
  return true;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  ControlState* control = dx->PrepareEditCtrl(id);
  if (!control) return;
  CWnd* view = dx->m_pDlgWnd->GetDlgItem(id);
  if (dx->m_bSaveAndValidate) {
    view->GetWindowText(value);
  } else if (view->GetWindowTextString() != value) {
    view->SetWindowText(value);
  }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  ControlState* control = dx->PrepareEditCtrl(id);
  if (!control) return;
  CWnd* view = dx->m_pDlgWnd->GetDlgItem(id);
  if (dx->m_bSaveAndValidate) {
    int parsed = 0;
    if (!ParseDialogInteger(view->GetWindowTextString(), parsed)) {
      AfxMessageBox(AFX_IDP_PARSE_INT);
      dx->Fail();
    }
    value = parsed;
  } else {
    CString text;
    text.Format("%d", value);
    if (view->GetWindowTextString() != text) view->SetWindowText(text);
  }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  ControlState* control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate)
    value = control->check;
  else
    control->check = value;
}

namespace {
void ExchangeIndex(CDataExchange* dx, int id, int& index) {
  ControlState* control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    index = control->curSel;
  } else {
    control->curSel = index >= 0 && index < static_cast<int>(control->items.size()) ? index : -1;
  }
}
}  // namespace

void DDX_CBIndex(CDataExchange* dx, int id, int& index) { ExchangeIndex(dx, id, index); }
void DDX_LBIndex(CDataExchange* dx, int id, int& index) { ExchangeIndex(dx, id, index); }

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.GetControlState() == nullptr || control.GetControlState()->parent != dx->m_pDlgWnd ||
      control.GetDlgCtrlID() != id) {
    dx->PrepareCtrl(id);
    control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
  }
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (dx->m_bSaveAndValidate) {
    if (value.GetLength() > maxChars) {
      CString count;
      count.Format("%d", maxChars);
      AfxMessageBox(AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, count));
      dx->Fail();
    }
  } else if (dx->m_idLastControl != 0 && dx->m_bEditLastControl) {
    if (ControlState* control = dx->m_pDlgWnd->FindControl(dx->m_idLastControl))
      control->limit = maxChars > 0 ? maxChars : kDefaultEditLimit;
  }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
  if (!dx->m_bSaveAndValidate) return;  // initial data out of range is shown as it is
  if (value < minValue || value > maxValue) {
    CString low, high;
    low.Format("%d", minValue);
    high.Format("%d", maxValue);
    AfxMessageBox(AfxFormatString2(AFX_IDP_PARSE_INT_RANGE, low, high));
    dx->Fail();
  }
}

}  // namespace corvane

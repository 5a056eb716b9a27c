#include "dialogs/EditSystemPage.h"

#include "actions/ActionSystem.h"
#include "actions/SystemTable.h"
#include "dialogs/EditActionSheet.h"

namespace corvane {

namespace {
// No function has more parameter texts than this; the bound keeps a table
// that never answers an empty text from filling the list for ever.
constexpr int kMaxParameterTexts = 64;
}  // namespace

IMPLEMENT_DYNAMIC(CEditSystemPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CEditSystemPage, CPropertyPage)
ON_CBN_SELCHANGE(IDC_COMBO_FUNCTION, OnFunctionChanged)
ON_CBN_SELCHANGE(IDC_COMBO_PARAM, OnParamChanged)
END_MESSAGE_MAP()

CEditSystemPage::CEditSystemPage() : CPropertyPage(IDD_EDIT_SYSTEM) {}
CEditSystemPage::~CEditSystemPage() = default;

void CEditSystemPage::DoDataExchange(CDataExchange* dx) {
  CPropertyPage::DoDataExchange(dx);
  DDX_Control(dx, IDC_COMBO_FUNCTION, m_comboFunction);
  DDX_Control(dx, IDC_COMBO_PARAM, m_comboParam);
  DDX_CBIndex(dx, IDC_COMBO_PARAM, m_nParam);
  DDX_CBIndex(dx, IDC_COMBO_FUNCTION, m_nFunction);
}

BOOL CEditSystemPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  m_comboFunction.ResetContent();
  CString name;
  for (int position = 0; GetSystemNameAt(name, position) > 0; ++position) m_comboFunction.AddString(name);
  m_nFunction = 0;
  m_comboFunction.SetCurSel(0);
  FillParameterList();

  if (auto* source = GetSourceActionOfKind<CActionSystem>(this, ACTION_SYSTEM)) {
    m_nFunction = FindSystemIndex(source->m_nSystemID);
    m_comboFunction.SetCurSel(m_nFunction);
    m_nParam = source->m_nSystemParam;
    FillParameterList();
  }
  UpdateState();
  return TRUE;
}

BOOL CEditSystemPage::OnSetActive() {
  BOOL result = CPropertyPage::OnSetActive();
  UpdateState();
  return result;
}

void CEditSystemPage::FillParameterList() {
  m_comboParam.ResetContent();
  const int id = GetSystemIdAt(m_nFunction);
  if (!HasSystemParam(id)) {
    m_comboParam.EnableWindow(FALSE);
    m_nParam = -1;
  } else {
    m_comboParam.EnableWindow(TRUE);
    CString text;
    for (int param = 0; param < kMaxParameterTexts && GetSystemParamText(text, id, param) > 0; ++param)
      m_comboParam.AddString(text);
    if (m_nParam < 0 || m_nParam >= m_comboParam.GetCount()) m_nParam = 0;
    m_comboParam.SetCurSel(m_nParam);
  }
  UpdateData(TRUE);
}

void CEditSystemPage::UpdateState() {
  SetModified(TRUE);
  EnableSheetOK(this, true);
}

void CEditSystemPage::OnFunctionChanged() {
  const int previous = m_nFunction;
  UpdateData(TRUE);
  if (m_nFunction != previous) FillParameterList();
  UpdateState();
}

void CEditSystemPage::OnParamChanged() {
  UpdateData(TRUE);
  UpdateState();
}

void CEditSystemPage::OnOK() {
  if (!IsFrontPage(this)) return;
  DiscardEarlierResult(this);
  UpdateData(TRUE);
  auto* action = new CActionSystem;
  action->m_nSystemID = GetSystemIdAt(m_nFunction);
  action->m_nSystemParam = m_nParam;
  StoreResult(this, action);
}

}  // namespace corvane

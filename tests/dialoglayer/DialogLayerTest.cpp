// The dialog layer driven by a scripted user: message maps, data exchange and
// validation, the sheet's OK / Apply / Cancel, edit-box input rules, file
// dialogs and template languages.
#include <gtest/gtest.h>

#include "system/Resources.h"
#include "system/dialogs/DataExchange.h"
#include "system/dialogs/DialogUser.h"
#include "system/dialogs/FileDialog.h"
#include "system/dialogs/PropertySheet.h"

namespace corvane {
namespace {

constexpr UINT kFormTemplate = 30001;
constexpr UINT kPlainTemplate = 30002;
constexpr UINT kTaiwanOnlyTemplate = 30003;

const DialogItemResource kFormItems[] = {
    {-1, DialogControlKind::Label, 0, "Name:", 7, 7, 40, 8, 0, nullptr},
    {200, DialogControlKind::Edit, ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 50, 5, 100, 12, 0, nullptr},
    {201, DialogControlKind::CheckBox, WS_TABSTOP, "&Loud", 7, 22, 50, 10, 0, nullptr},
    {-1, DialogControlKind::Label, 0, "Count:", 7, 37, 40, 8, 0, nullptr},
    {202, DialogControlKind::Edit, ES_AUTOHSCROLL, nullptr, 50, 35, 40, 12, 0, nullptr},
    {-1, DialogControlKind::Label, 0, "Mode:", 7, 52, 40, 8, 0, nullptr},
    {203, DialogControlKind::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL, nullptr, 50, 50, 80, 60, 0, "Slow\nFast"},
    {204, DialogControlKind::PushButton, BS_BITMAP, nullptr, 150, 5, 14, 14, 988, nullptr},
    {205, DialogControlKind::Edit, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, nullptr, 7, 65, 150, 25, 0, nullptr},
};
const DialogItemResource kFormItemsTaiwan[] = {
    {-1, DialogControlKind::Label, 0, "名稱:", 7, 7, 40, 8, 0, nullptr},
    {200, DialogControlKind::Edit, ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 50, 5, 100, 12, 0, nullptr},
};
const DialogItemResource kPlainItems[] = {
    {300, DialogControlKind::Edit, ES_AUTOHSCROLL, nullptr, 7, 7, 100, 12, 0, nullptr},
};
const DialogResource kTemplates[] = {
    {kFormTemplate, LANG_ENGLISH_US, "Form", 215, 95, "MS Sans Serif", 8, kFormItems, std::size(kFormItems)},
    {kFormTemplate, LANG_CHINESE_TAIWAN, "表單", 215, 95, "MS Sans Serif", 8, kFormItemsTaiwan,
     std::size(kFormItemsTaiwan)},
    {kPlainTemplate, LANG_ENGLISH_US, "Plain", 215, 95, "MS Sans Serif", 8, kPlainItems, std::size(kPlainItems)},
    {kTaiwanOnlyTemplate, LANG_CHINESE_TAIWAN, "Only", 100, 50, "MS Sans Serif", 8, kPlainItems,
     std::size(kPlainItems)},
};
const DialogTemplateRegistration kRegistration(kTemplates, std::size(kTemplates));

struct LanguageGuard {
  explicit LanguageGuard(LANGID language) { SetResourceLanguage(language); }
  ~LanguageGuard() { SetResourceLanguage(0); }
};

class FormPage : public CPropertyPage {
  DECLARE_DYNAMIC(FormPage)

 public:
  FormPage() : CPropertyPage(kFormTemplate) {}
  CString m_strName;
  int m_bLoud = 0;
  int m_nCount = 0;
  int m_nMode = -1;
  CButton m_btnBrowse;
  int nameChanges = 0, loudClicks = 0, modeChanges = 0, applies = 0, inits = 0;
  CString browsed;

  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 204, m_btnBrowse);
    DDX_Text(dx, 200, m_strName);
    DDV_MaxChars(dx, m_strName, 10);
    DDX_Check(dx, 201, m_bLoud);
    DDX_Text(dx, 202, m_nCount);
    DDV_MinMaxInt(dx, m_nCount, 0, 65536);
    DDX_CBIndex(dx, 203, m_nMode);
  }
  BOOL OnInitDialog() override {
    ++inits;
    m_nMode = 0;
    return CPropertyPage::OnInitDialog();
  }
  void OnOK() override { ++applies; }

 protected:
  void OnNameChanged() { ++nameChanges; }
  void OnLoud() {
    ++loudClicks;
    SetModified();
  }
  void OnMode() { ++modeChanges; }
  void OnBrowse() {
    CFileDialog dialog(TRUE, "exe", nullptr, OFN_HIDEREADONLY, "Exe Files (*.exe)|*.exe|");
    if (dialog.DoModal() == IDOK) browsed = dialog.GetPathName();
  }
  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(FormPage, CPropertyPage)
BEGIN_MESSAGE_MAP(FormPage, CPropertyPage)
ON_EN_CHANGE(200, OnNameChanged)
ON_BN_CLICKED(201, OnLoud)
ON_CBN_SELCHANGE(203, OnMode)
ON_BN_CLICKED(204, OnBrowse)
END_MESSAGE_MAP()

class PlainPage : public CPropertyPage {
 public:
  PlainPage() : CPropertyPage(kPlainTemplate) {}
  int applies = 0;
  void OnOK() override { ++applies; }
};

struct Sheet : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  CPropertySheet sheet{"Test Sheet"};
  FormPage form;
  PlainPage plain;
  void SetUp() override {
    sheet.AddPage(&form);
    sheet.AddPage(&plain);
  }
  int Run(ScopedDialogUser::Script script) {
    ScopedDialogUser user(std::move(script));
    return sheet.DoModal();
  }
};

TEST_F(Sheet, NotificationsReachTheirHandlersButNotDuringDataExchange) {
  int result = Run([&](DialogSession& s) {
    EXPECT_EQ(form.inits, 1);
    EXPECT_EQ(form.nameChanges, 0);  // writing the fields into the controls notified nobody
    EXPECT_EQ(s.Text("Mode"), "Slow");  // the template's initial data, then the field
    EXPECT_TRUE(s.Type("Name", "ab"));
    EXPECT_EQ(form.nameChanges, 2);
    EXPECT_TRUE(s.SetCheck("Loud", true));
    EXPECT_TRUE(s.SetCheck("Loud", true));  // already ticked: no click
    EXPECT_EQ(form.loudClicks, 1);
    EXPECT_TRUE(s.SelectItem("Mode:", "Fast"));
    EXPECT_EQ(form.modeChanges, 1);
    EXPECT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(form.m_strName, "AB");
    form.m_strName = "CD";
    form.UpdateData(FALSE);
    EXPECT_EQ(s.Text("Name"), "CD");
    EXPECT_EQ(form.nameChanges, 2);
    EXPECT_EQ(form.m_bLoud, 1);
    EXPECT_EQ(form.m_nMode, 1);
    EXPECT_FALSE(s.Click("Nothing"));
    EXPECT_NE(s.LastError().Find("Nothing"), -1);
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(form.applies, 1);
  EXPECT_EQ(plain.applies, 0);  // never shown, so never applied
  EXPECT_EQ(form.GetSafeHwnd(), nullptr);
  EXPECT_EQ(form.m_btnBrowse.GetControlState(), nullptr);  // unbound with the window
}

TEST_F(Sheet, ValidationMessagesKeepThePageInFrontAndTheSheetOpen) {
  Run([&](DialogSession& s) {
    ASSERT_TRUE(s.SetText("Count", ""));
    EXPECT_FALSE(s.SelectPage("Plain"));
    ASSERT_EQ(s.Messages().size(), 1u);
    EXPECT_EQ(s.Messages()[0].text, "Please enter an integer.");
    EXPECT_EQ(s.Messages()[0].caption, "Padrunner");
    EXPECT_EQ(s.Messages()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(s.ActivePage(), 0);
    EXPECT_EQ(form.GetFocusId(), 202);

    // The read stops at the bad box: the list position after it is not read.
    s.SelectItem("Mode", "Fast");
    s.SetText("Count", "70000");
    EXPECT_FALSE(s.PressOK());
    EXPECT_EQ(s.LastMessage(), "Please enter an integer between 0 and 65536.");
    EXPECT_EQ(form.m_nCount, 70000);
    EXPECT_EQ(form.m_nMode, 0);
    EXPECT_FALSE(s.Ended());
    EXPECT_EQ(form.applies, 0);

    for (const char* bad : {"12x", "1.5", "--3", "  "}) {
      s.SetText("Count", bad);
      EXPECT_FALSE(s.PressOK()) << bad;
      EXPECT_EQ(s.LastMessage(), "Please enter an integer.") << bad;
    }
    s.SetText("Count", "99999999999");  // clamped, then out of range
    EXPECT_FALSE(s.PressOK());
    EXPECT_EQ(s.LastMessage(), "Please enter an integer between 0 and 65536.");

    s.SetText("Count", " 65536 ");
    EXPECT_TRUE(s.SelectPage("Plain"));
    EXPECT_EQ(form.m_nCount, 65536);
    EXPECT_EQ(form.m_nMode, 1);
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(form.applies, 1);
  EXPECT_EQ(plain.applies, 1);
}

TEST_F(Sheet, ApplyIsGreyedAfterAnApplyAndEnabledByAChange) {
  Run([&](DialogSession& s) {
    EXPECT_FALSE(s.IsEnabled("Apply"));  // the platform's sheet starts with it greyed
    EXPECT_FALSE(s.PressApply());
    s.Click("Loud");  // the page reports a change
    EXPECT_TRUE(s.IsEnabled("Apply"));
    EXPECT_TRUE(s.PressApply());
    EXPECT_EQ(form.applies, 1);
    EXPECT_FALSE(s.IsEnabled("Apply"));
    EXPECT_FALSE(s.Ended());
    EXPECT_TRUE(s.PressCancel());
    EXPECT_EQ(s.Result(), IDCANCEL);
  });
  EXPECT_EQ(form.applies, 1);  // Cancel applied nothing more
}

TEST_F(Sheet, EndsAsCancelWhenTheScriptStopsOrNobodyIsThere) {
  EXPECT_EQ(Run([](DialogSession&) {}), IDCANCEL);
  EXPECT_EQ(form.applies, 0);
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);  // no user installed: nothing to show it to
  EXPECT_EQ(form.inits, 1);
}

TEST_F(Sheet, WithoutApplyButtonAndWithAStartPage) {
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.m_psh.nStartPage = 1;
  Run([&](DialogSession& s) {
    EXPECT_EQ(s.ActivePage(), 1);
    EXPECT_EQ(s.ActivePageTitle(), "Plain");
    EXPECT_EQ(s.Control(ID_APPLY_NOW), nullptr);
    EXPECT_FALSE(s.PressApply());
    EXPECT_EQ(form.inits, 0);
    EXPECT_TRUE(s.SelectPage(0));
    EXPECT_EQ(sheet.GetPageIndex(&form), 0);
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_NE(s.Describe().Find("[Form]"), -1);
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(form.applies, 1);
  EXPECT_EQ(plain.applies, 1);
}

TEST_F(Sheet, EditBoxesTakeWhatAUserCanType) {
  Run([&](DialogSession& s) {
    // Upper case and the 10-character limit of the exchange.
    EXPECT_EQ(s.Control("Name")->limit, 10);
    s.SetText("Name", "hello world, this is long");
    EXPECT_EQ(s.Text("Name"), "HELLO WORL");
    s.SetText("Name", "");
    s.Type("Name", "abcdefghijklm");
    EXPECT_EQ(s.Text("Name"), "ABCDEFGHIJ");
    // A limit never splits a character of several bytes.
    s.SetText("Name", "ab\xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97");  // ab + three CJK characters
    EXPECT_EQ(s.Text("Name"), "AB\xe4\xb8\xad\xe6\x96\x87");
    // A single-line box keeps the first line of a paste; a multi-line one
    // keeps every line with CR LF, typed or pasted.
    s.SetText("Name", "one\ntwo");
    EXPECT_EQ(s.Text("Name"), "ONE");
    s.SetText("205", "one\ntwo\r\nthree");
    EXPECT_EQ(s.Text("205"), "one\r\ntwo\r\nthree");
    s.SetText("205", "");
    s.Type("205", "a\nb");
    EXPECT_EQ(s.Text("205"), "a\r\nb");
    // Setting a multi-line box's text from code does not notify.
    int before = form.nameChanges;
    form.GetDlgItem(200)->SetWindowText("X");
    EXPECT_EQ(form.nameChanges, before + 1);
    // Disabled controls cannot be used.
    form.GetDlgItem(200)->EnableWindow(FALSE);
    EXPECT_FALSE(s.SetText("Name", "Y"));
    EXPECT_NE(s.LastError().Find("disabled"), -1);
    // Enter in a single-line box presses the default button.
    s.SetText("Count", "3");
    EXPECT_TRUE(s.Type("Count", "\n"));
    EXPECT_TRUE(s.Ended());
    EXPECT_EQ(s.Result(), IDOK);
  });
}

TEST_F(Sheet, FileDialogsAreAnsweredInOrder) {
  Run([&](DialogSession& s) {
    s.AnswerFileDialog("C:\\Tools\\app");
    s.CancelFileDialog();
    EXPECT_TRUE(s.Click("204"));
    EXPECT_EQ(form.browsed, "C:\\Tools\\app.exe");  // the default extension
    form.browsed = "";
    s.Click("204");
    s.Click("204");  // nothing queued: cancelled
    EXPECT_EQ(form.browsed, "");
    ASSERT_EQ(s.FileDialogs().size(), 3u);
    EXPECT_TRUE(s.FileDialogs()[0].confirmed);
    EXPECT_FALSE(s.FileDialogs()[1].confirmed);
    EXPECT_EQ(s.FileDialogs()[0].defaultExtension, "exe");
    EXPECT_EQ(s.FileDialogs()[0].flags, OFN_HIDEREADONLY);
    EXPECT_EQ(s.FileDialogs()[0].filter, "Exe Files (*.exe)|*.exe|");
    EXPECT_EQ(s.Control("204")->imageId, 988u);
  });
  CFileDialog filter(TRUE, nullptr, nullptr, 0, "(*.tmt)|*.tmt|(*.*)|*.*||");
  auto pairs = filter.GetFilterPairs();
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].first, "(*.*)");
  EXPECT_EQ(pairs[1].second, "*.*");
}

TEST(DialogTemplates, LanguageFallsBackToEnglishThenToTheOnlyOne) {
  EXPECT_EQ(FindDialogResource(kFormTemplate, LANG_CHINESE_TAIWAN)->title, std::string("表單"));
  EXPECT_EQ(FindDialogResource(kFormTemplate, LANG_KOREAN)->title, std::string("Form"));
  EXPECT_EQ(FindDialogResource(kTaiwanOnlyTemplate, LANG_ENGLISH_US)->title, std::string("Only"));
  EXPECT_EQ(FindDialogResource(kTaiwanOnlyTemplate + 100, LANG_ENGLISH_US), nullptr);

  LanguageGuard taiwan(LANG_CHINESE_TAIWAN);
  CPropertySheet sheet("x");
  FormPage form;
  sheet.AddPage(&form);
  ScopedDialogUser user([&](DialogSession& s) {
    EXPECT_EQ(s.PageTitle(0), "表單");
    EXPECT_EQ(s.Text("Cancel"), "取消");
    EXPECT_TRUE(s.SetText("名稱", "abc"));
    EXPECT_EQ(s.Control("Loud"), nullptr);  // this template has no check box
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(form.m_strName, "ABC");
}

TEST(RunTimeClasses, RecogniseClassesAndTheirBases) {
  FormPage form;
  PlainPage plain;
  EXPECT_TRUE(form.IsKindOf(RUNTIME_CLASS(FormPage)));
  EXPECT_TRUE(form.IsKindOf(RUNTIME_CLASS(CPropertyPage)));
  EXPECT_TRUE(form.IsKindOf(RUNTIME_CLASS(CWnd)));
  EXPECT_FALSE(form.IsKindOf(RUNTIME_CLASS(CPropertySheet)));
  EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(FormPage)));  // no class information of its own
  EXPECT_EQ(DYNAMIC_DOWNCAST(FormPage, static_cast<CObject*>(&plain)), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(FormPage, static_cast<CObject*>(&form)), &form);
  EXPECT_STREQ(form.GetRuntimeClass()->m_lpszClassName, "FormPage");
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(BitmapResources, BuildPackedSixteenColourBitmaps) {
  std::vector<BYTE> dib = LoadBitmapResourceDib(988);
  ASSERT_EQ(dib.size(), 40u + 64u + 12u * 16u);  // rows of 19 pixels take 12 bytes
  auto read32 = [&](std::size_t at) {
    return static_cast<int>(dib[at] | dib[at + 1] << 8 | dib[at + 2] << 16 | dib[at + 3] << 24);
  };
  EXPECT_EQ(read32(4), 19);
  EXPECT_EQ(read32(8), 16);
  EXPECT_EQ(dib[14], 4);
  // The bottom row comes first; the ellipsis dots are black (index 0) on
  // the face colour (index 7), five rows from the bottom.
  const BYTE* row = dib.data() + 40 + 64 + 12 * 5;
  EXPECT_EQ(row[0], 0x77);
  EXPECT_EQ(row[1] >> 4, 0x0);
  EXPECT_TRUE(LoadBitmapResourceDib(12345).empty());
  for (UINT id : {126u, 981u, 982u, 983u, 985u, 987u}) EXPECT_FALSE(LoadBitmapResourceDib(id).empty()) << id;
}

}  // namespace
}  // namespace corvane

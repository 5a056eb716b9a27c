// The pages that edit run, sound, internet and template-load actions, in the
// seven-page and the five-page arrangement of the action sheet.
#include <gtest/gtest.h>

#include "SheetFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionInternet.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/ActionText.h"
#include "dialogs/EditInternetPage.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditPageLoad.h"
#include "dialogs/EditRunPage.h"
#include "dialogs/EditSoundPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"

namespace corvane {
namespace {

using test::LanguageGuard;
using test::ResultAs;
using test::RunSheet;

// The seven pages in the order of the full sheet, and the five of the list
// sheet (no apply button).
enum { kRun, kInternet, kKey, kSound, kText, kMenu, kSystem };
enum { kListRun, kListInternet, kListKey, kListLoad, kListSound };

// Fresh pages for every run, as the openers make them.
struct Pages {
  CEditRunPage run;
  CEditInternetPage internet;
  CEditKeyPage key;
  CEditSoundPage sound;
  CEditTextPage text;
  CEditMenuPage menu;
  CEditSystemPage system;
  CEditPageLoad load;
};

struct OpeningPages : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  std::unique_ptr<Pages> pages;

  test::SheetRun Full(CAction* source, int start, const std::function<void(DialogSession&)>& script) {
    pages = std::make_unique<Pages>();
    Pages& p = *pages;
    return RunSheet({&p.run, &p.internet, &p.key, &p.sound, &p.text, &p.menu, &p.system}, source, start, script);
  }
  test::SheetRun List(CAction* source, int start, const std::function<void(DialogSession&)>& script) {
    pages = std::make_unique<Pages>();
    Pages& p = *pages;
    return RunSheet({&p.run, &p.internet, &p.key, &p.load, &p.sound}, source, start, script, /*withApply=*/false);
  }
};

// ---------------------------------------------------------------------------
// Run

TEST_F(OpeningPages, RunPageDerivesTheStartFolderFromEveryProgramChange) {
  Full(nullptr, kRun, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Run");
    EXPECT_FALSE(s.IsEnabled("OK"));
    for (const char* control : {"Start in:", "Window:", "Parameters:"}) EXPECT_FALSE(s.IsEnabled(control)) << control;
    EXPECT_EQ(s.Items("Window:"), (std::vector<CString>{"Default", "Maximized", "Minimized"}));

    s.SetText("Run:", "C:\\Tools\\App.exe");
    EXPECT_EQ(s.Text("Start in:"), "C:\\Tools\\");
    EXPECT_TRUE(s.IsEnabled("OK"));
    for (const char* control : {"Start in:", "Window:", "Parameters:"}) EXPECT_TRUE(s.IsEnabled(control)) << control;

    s.SetText("Start in:", "D:\\Work\\");
    s.Type("Run:", "x");  // any change of the program replaces a typed folder
    EXPECT_EQ(s.Text("Start in:"), "C:\\Tools\\");
    s.SetText("Run:", "App.exe");
    EXPECT_EQ(s.Text("Start in:"), "");
    s.SetText("Run:", "/usr/bin/gimp");
    EXPECT_EQ(s.Text("Start in:"), "/usr/bin/");
    s.SetText("Run:", "");
    EXPECT_EQ(s.Text("Start in:"), "/usr/bin/");  // an empty program changes nothing
    EXPECT_FALSE(s.IsEnabled("OK"));
    EXPECT_FALSE(s.PressOK());
  });
}

TEST_F(OpeningPages, RunPageBuildsAProgramFormAction) {
  auto result = Full(nullptr, kRun, [](DialogSession& s) {
    s.Type("Run:", "C:\\Tools\\calc.exe");
    s.SetText("Parameters:", "/x");
    s.SelectItem("Window:", "Minimized");
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionRun>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_strApplication, "C:\\Tools\\calc.exe");
  EXPECT_EQ(action->m_strApplicationPath, "C:\\Tools\\");
  EXPECT_EQ(action->m_strParameter, "/x");
  EXPECT_EQ(action->m_nWindowState, 2);
  EXPECT_EQ(action->m_dwExtraType, 0);
}

TEST_F(OpeningPages, RunPageShowsTheStoredValuesOfARunAction) {
  CActionRun source;
  source.m_strApplication = "C:\\Tools\\App.exe";
  source.m_strApplicationPath = "E:\\Data\\";
  source.m_strParameter = "-v";
  source.m_nWindowState = 1;
  Full(&source, kRun, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Run:"), "C:\\Tools\\App.exe");
    EXPECT_EQ(s.Text("Start in:"), "E:\\Data\\");  // not the folder derived from the program
    EXPECT_EQ(s.Text("Parameters:"), "-v");
    EXPECT_EQ(s.Text("Window:"), "Maximized");
  });

  CActionSound other;
  other.m_strSound = "C:\\ding.wav";
  Full(&other, kRun, [](DialogSession& s) { EXPECT_EQ(s.Text("Run:"), ""); });
}

TEST_F(OpeningPages, TemplateLoadActionOnTheRunPageBecomesAProgramForm) {
  CActionRun source;
  source.SetLoadTemplate("D:\\Pads\\office.tmt");
  auto result = Full(&source, kRun, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Run:"), "Tapdeck.exe");
    EXPECT_EQ(s.Text("Start in:"), "/Load=");
    EXPECT_EQ(s.Text("Parameters:"), "D:\\Pads\\office.tmt");
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionRun>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_dwExtraType, 0);
  EXPECT_EQ(action->m_strApplication, "Tapdeck.exe");
  EXPECT_EQ(action->m_strApplicationPath, "/Load=");
  EXPECT_EQ(action->m_strParameter, "D:\\Pads\\office.tmt");
}

TEST_F(OpeningPages, RunBrowseButtonOpensTheExeDialog) {
  Full(nullptr, kRun, [](DialogSession& s) {
    EXPECT_EQ(s.Control("1097")->imageId, 988u);
    s.AnswerFileDialog("C:\\Apps\\tool");
    EXPECT_TRUE(s.Click("1097"));
    EXPECT_EQ(s.Text("Run:"), "C:\\Apps\\tool.exe");
    EXPECT_EQ(s.Text("Start in:"), "C:\\Apps\\");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.CancelFileDialog();
    s.Click("1097");
    EXPECT_EQ(s.Text("Run:"), "C:\\Apps\\tool.exe");
    ASSERT_EQ(s.FileDialogs().size(), 2u);
    const FileDialogRecord& dialog = s.FileDialogs()[0];
    EXPECT_TRUE(dialog.open);
    EXPECT_EQ(dialog.defaultExtension, "exe");
    EXPECT_EQ(dialog.initialFileName, "");
    EXPECT_EQ(dialog.flags, 4u);
    EXPECT_EQ(dialog.filter, "Exe Files (*.exe)|*.exe|");
    EXPECT_FALSE(dialog.hasOwner);
  });
}

TEST_F(OpeningPages, KoreanRunPageNamesTheWindowList) {
  LanguageGuard korean(LANG_KOREAN);
  Full(nullptr, kRun, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "실행");
    ASSERT_NE(s.Control("실행:"), nullptr);
    EXPECT_EQ(s.Control("실행:")->id, 1099);
    EXPECT_EQ(s.Control("대상:")->id, 1096);
  });
}

// ---------------------------------------------------------------------------
// Sound

TEST_F(OpeningPages, SoundPageEnablesModeAndRepeatByFileAndMode) {
  auto result = Full(nullptr, kSound, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Repeat:"), "0");
    EXPECT_EQ(s.Text("Play mode:"), "Asynchronous");
    EXPECT_FALSE(s.IsEnabled("Play mode:"));
    EXPECT_FALSE(s.IsEnabled("Repeat:"));
    EXPECT_FALSE(s.IsEnabled("OK"));
    s.SetText("Sound File:", "C:\\Media\\ding.wav");
    EXPECT_TRUE(s.IsEnabled("Play mode:"));
    EXPECT_FALSE(s.IsEnabled("Repeat:"));  // a count means nothing to asynchronous play
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.SelectItem("Play mode:", "Synchronous");
    EXPECT_TRUE(s.IsEnabled("Repeat:"));
    s.SetText("Repeat:", "3");
    EXPECT_TRUE(s.Messages().empty());
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionSound>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_strSound, "C:\\Media\\ding.wav");
  EXPECT_EQ(action->m_nPlayMode, 1);
  EXPECT_EQ(action->m_nRepeat, 3);
}

TEST_F(OpeningPages, SoundPageRefusesABadRepeatCountWithItsMessages) {
  CActionSound source;
  source.m_strSound = "C:\\ding.wav";
  source.m_nPlayMode = 1;
  source.m_nRepeat = 2;
  auto result = Full(&source, kSound, [&](DialogSession& s) {
    EXPECT_EQ(s.Text("Repeat:"), "2");
    EXPECT_EQ(s.Text("Play mode:"), "Synchronous");
    EXPECT_TRUE(s.Messages().empty());

    s.SetText("Repeat:", "");  // emptying the box to type a new number
    ASSERT_EQ(s.Messages().size(), 1u);
    EXPECT_EQ(s.Messages()[0].text, "Please enter an integer.");
    EXPECT_EQ(s.Messages()[0].caption, "Padrunner");

    s.SetText("Repeat:", "70000");
    EXPECT_EQ(s.LastMessage(), "Please enter an integer between 0 and 65536.");
    EXPECT_EQ(pages->sound.m_nEditRepeat, 70000);
    s.SelectItem("Play mode:", "Asynchronous");  // the read stops at the repeat box
    EXPECT_EQ(pages->sound.m_nEditMode, 1);

    s.ClearMessages();
    EXPECT_FALSE(s.PressOK());
    EXPECT_FALSE(s.SelectPage("Run"));
    EXPECT_FALSE(s.PressApply());
    EXPECT_EQ(s.Messages().size(), 3u);
    EXPECT_FALSE(s.Ended());
    EXPECT_EQ(static_cast<CEditActionSheet&>(s.Sheet()).m_pResult, nullptr);
    EXPECT_EQ(s.ActivePageTitle(), "Sound");

    s.SelectItem("Play mode:", "Synchronous");
    s.SetText("Repeat:", "65536");
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionSound>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_nRepeat, 65536);
  EXPECT_EQ(action->m_nPlayMode, 1);
  EXPECT_EQ(source.m_nRepeat, 2);
}

TEST_F(OpeningPages, SoundBrowseAndOtherKinds) {
  CActionText other;
  other.m_strText = "x";
  Full(&other, kSound, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Sound File:"), "");
    s.AnswerFileDialog("C:\\Media\\chime");
    EXPECT_TRUE(s.Click("1102"));
    EXPECT_EQ(s.Text("Sound File:"), "C:\\Media\\chime.wav");
    EXPECT_TRUE(s.IsEnabled("OK"));
    ASSERT_EQ(s.FileDialogs().size(), 1u);
    EXPECT_EQ(s.FileDialogs()[0].defaultExtension, "wav");
    EXPECT_EQ(s.FileDialogs()[0].flags, 4u);
    EXPECT_EQ(s.FileDialogs()[0].filter, "Wav Files (*.wav)|*.wav|");
    EXPECT_EQ(s.Control("1102")->imageId, 988u);
  });
}

// ---------------------------------------------------------------------------
// Internet

TEST_F(OpeningPages, InternetPageAcceptsAnEmptyAddress) {
  auto result = Full(nullptr, kInternet, [](DialogSession& s) {
    EXPECT_EQ(s.Items("Type of Service:"),
              (std::vector<CString>{"Go to a Web Site", "Send an e-Mail", "Go to a Newsgroup",
                                    "Other Internet Services"}));
    EXPECT_EQ(s.Text("Type of Service:"), "Go to a Web Site");
    EXPECT_TRUE(s.IsEnabled("OK"));
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionInternet>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_nService, 0);
  EXPECT_EQ(action->m_strAddress, "");
}

TEST_F(OpeningPages, InternetPageFillsFromAnInternetActionOnly) {
  CActionInternet source;
  source.m_nService = 2;
  source.m_strAddress = "comp.lang.c";
  auto result = Full(&source, kInternet, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Type of Service:"), "Go to a Newsgroup");
    EXPECT_EQ(s.Text("Address:"), "comp.lang.c");
    s.SelectItem("Type of Service:", "Send an e-Mail");
    s.SetText("Address:", "someone@example.com");
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionInternet>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_nService, 1);
  EXPECT_EQ(action->m_strAddress, "someone@example.com");

  CActionHotKey other;
  Full(&other, kInternet, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Address:"), "");
    EXPECT_EQ(s.Selection("Type of Service:"), 0);
  });
}

// ---------------------------------------------------------------------------
// Load template and the five-page sheet

TEST_F(OpeningPages, LoadPageEditsATemplateLoadAction) {
  CActionRun source;
  source.SetLoadTemplate("D:\\Pads\\office.tmt");
  auto result = List(&source, kListLoad, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Load Template");
    EXPECT_EQ(s.Control(ID_APPLY_NOW), nullptr);  // no Default button in this sheet
    EXPECT_EQ(s.Text("Template Name"), "D:\\Pads\\office.tmt");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.AnswerFileDialog("E:\\Pads\\draw.tmt");
    EXPECT_TRUE(s.Click("1097"));
    EXPECT_EQ(s.Text("1078"), "E:\\Pads\\draw.tmt");
    ASSERT_EQ(s.FileDialogs().size(), 1u);
    const FileDialogRecord& dialog = s.FileDialogs()[0];
    EXPECT_EQ(dialog.initialFileName, "D:\\Pads\\office.tmt");
    EXPECT_EQ(dialog.defaultExtension, "");
    EXPECT_EQ(dialog.flags, 0x80002u);
    EXPECT_EQ(dialog.filter, "(*.tmt)|*.tmt|(*.*)|*.*||");
    EXPECT_EQ(s.Control("1097")->imageId, 126u);
    EXPECT_TRUE(s.PressOK());
  });
  auto* action = ResultAs<CActionRun>(result);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_dwExtraType, 1);
  EXPECT_EQ(action->m_strApplication, "Tapdeck.exe");
  EXPECT_EQ(action->m_strApplicationPath, "/Load=");
  EXPECT_EQ(action->m_strParameter, "E:\\Pads\\draw.tmt");
  EXPECT_EQ(action->m_nWindowState, 0);
}

TEST_F(OpeningPages, LoadPageIgnoresOtherSubKindsAndNeedsAName) {
  CActionRun source;
  source.m_dwExtraType = 2;
  source.m_strParameter = "x.tmt";
  auto result = List(&source, kListLoad, [](DialogSession& s) {
    EXPECT_EQ(s.Text("1078"), "");
    EXPECT_FALSE(s.IsEnabled("OK"));
    s.CancelFileDialog();
    s.Click("1097");
    EXPECT_FALSE(s.IsEnabled("OK"));
    s.Type("1078", "a.tmt");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.SetText("1078", "");
    EXPECT_FALSE(s.PressOK());
    EXPECT_TRUE(s.PressCancel());
  });
  EXPECT_EQ(result.answer, IDCANCEL);
}

TEST(ActionPageClasses, AreRecognisedByClass) {
  CEditRunPage run;
  CEditInternetPage internet;
  CEditKeyPage key;
  CEditSoundPage sound;
  CEditTextPage text;
  CEditMenuPage menu;
  CEditSystemPage system;
  CEditPageLoad load;
  const CPropertyPage* pages[] = {&run, &internet, &key, &sound, &text, &menu, &system, &load};
  const CRuntimeClass* classes[] = {RUNTIME_CLASS(CEditRunPage),    RUNTIME_CLASS(CEditInternetPage),
                                    RUNTIME_CLASS(CEditKeyPage),    RUNTIME_CLASS(CEditSoundPage),
                                    RUNTIME_CLASS(CEditTextPage),   RUNTIME_CLASS(CEditMenuPage),
                                    RUNTIME_CLASS(CEditSystemPage), RUNTIME_CLASS(CEditPageLoad)};
  for (std::size_t i = 0; i < std::size(pages); ++i) {
    for (std::size_t j = 0; j < std::size(classes); ++j)
      EXPECT_EQ(pages[i]->IsKindOf(classes[j]) != FALSE, i == j) << i << " " << j;
    EXPECT_TRUE(pages[i]->IsKindOf(RUNTIME_CLASS(CPropertyPage)));
  }
}

}  // namespace
}  // namespace corvane

// The sheet and the pages that edit keyboard and system actions, played by a
// scripted user.
#include <gtest/gtest.h>

#include "SheetFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionMenu.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "dialogs/EditKeyPage.h"
#include "dialogs/EditMenuPage.h"
#include "dialogs/EditSystemPage.h"
#include "dialogs/EditTextPage.h"

namespace corvane {
namespace {

using test::LanguageGuard;
using test::ResultAs;
using test::RunSheet;

enum { kKey, kText, kMenu, kSystem };

struct KeyboardPages : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  CEditKeyPage key;
  CEditTextPage text;
  CEditMenuPage menu;
  CEditSystemPage system;
  std::vector<CPropertyPage*> pages{&key, &text, &menu, &system};

  test::SheetRun Run(CAction* source, int start, const std::function<void(DialogSession&)>& script) {
    return RunSheet(pages, source, start, script);
  }
};

// ---------------------------------------------------------------------------
// The sheet

TEST_F(KeyboardPages, NewActionOpensOnKeyZeroAndOkGivesThatKey) {
  auto run = Run(nullptr, kKey, [](DialogSession& s) {
    EXPECT_EQ(s.Caption(), "Action Properties");
    EXPECT_EQ(s.ActivePageTitle(), "Hot Key");
    EXPECT_EQ(s.Text("1082"), "0");
    EXPECT_EQ(s.Items("1082").size(), 65u);
    for (const char* modifier : {"Ctrl", "Alt", "Shift"}) EXPECT_EQ(s.Checked(modifier), 0) << modifier;
    EXPECT_EQ(s.Text("Default"), "Default");
    EXPECT_TRUE(s.IsEnabled("Default"));
    EXPECT_TRUE(s.IsEnabled("OK"));
    EXPECT_TRUE(s.PressOK());
  });
  ASSERT_EQ(run.answer, IDOK);
  auto* hotKey = ResultAs<CActionHotKey>(run);
  ASSERT_NE(hotKey, nullptr);
  EXPECT_EQ(hotKey->m_wKind, ACTION_HOTKEY);
  EXPECT_EQ(hotKey->m_cKey, 0x30);
  EXPECT_EQ(hotKey->m_bCtrl + hotKey->m_bAlt + hotKey->m_bShift, 0);
  EXPECT_TRUE(run.messages.empty());
}

TEST(ActionSheet, DefaultButtonAndCaptionFollowTheUserLanguage) {
  struct Case {
    LANGID language;
    const char* button;
    const char* caption;
  };
  for (const Case& c : {Case{LANG_ENGLISH_US, "Default", "Action Properties"},
                        Case{LANG_CHINESE_TAIWAN, "預設值", "動作屬性"}, Case{LANG_KOREAN, "기본값", "동작 설정"},
                        Case{LANG_CHINESE_PRC, "预设值", "动作属性"}, Case{0x0410, "Default", "Action Properties"}}) {
    LanguageGuard guard(c.language);
    CEditKeyPage key;
    RunSheet({&key}, nullptr, 0, [&](DialogSession& s) {
      EXPECT_EQ(s.Caption(), c.caption);
      EXPECT_EQ(s.Text("12321"), c.button);
      EXPECT_TRUE(s.IsEnabled(c.button));
      EXPECT_EQ(s.PageTitle(0), c.language == LANG_KOREAN ? "단축키" : c.language == LANG_CHINESE_TAIWAN ? "快速鍵"
                                : c.language == LANG_CHINESE_PRC ? "快速键" : "Hot Key");
    });
  }
}

TEST(ActionSheet, ReadsTheSystemLanguageByteWhenItOpens) {
  LanguageGuard guard(LANG_ENGLISH_US);
  for (LANGID system : {LANGID(0x0410), LANGID(0x0C0A), LANGID(0x0415), LANGID(0x0409)}) {
    SetSystemDefaultLangID(system);
    CEditActionSheet sheet("x", 15);
    CEditKeyPage key;
    sheet.AddPage(&key);
    BYTE seen = 0;
    ScopedDialogUser user([&](DialogSession&) { seen = sheet.m_nSysLang; });
    sheet.DoModal();
    EXPECT_EQ(seen, system & 0xFF);
    EXPECT_EQ(sheet.m_nPreset, 15);
  }
  EXPECT_EQ(LangIdFromLocaleName("it_IT.UTF-8"), 0x0410);
  EXPECT_EQ(LangIdFromLocaleName("es_ES"), 0x0C0A);
  EXPECT_EQ(LangIdFromLocaleName("C"), 0x0409);
}

TEST_F(KeyboardPages, OnlyTheFrontPageBuildsAndTheSourceStaysUntouched) {
  CActionText source;
  source.m_strText = "hello";
  source.m_strAlias = "container alias";
  source.m_strActionAlias = "action alias";
  auto run = Run(&source, kText, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Text");
    EXPECT_EQ(s.Text("1090"), "hello");
    s.SetText("1090", "changed");
    ASSERT_TRUE(s.SelectPage("Menu"));
    s.Type("Menu:", "fs");
    EXPECT_TRUE(s.PressOK());
  });
  auto* result = ResultAs<CActionMenu>(run);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->m_strMenu, "FS");
  EXPECT_TRUE(result->m_strAlias.IsEmpty());
  EXPECT_TRUE(result->m_strActionAlias.IsEmpty());
  EXPECT_EQ(source.m_strText, "hello");
  EXPECT_EQ(source.m_strActionAlias, "action alias");
}

TEST_F(KeyboardPages, AliasTextsAreNotCarriedOver) {
  CActionHotKey source;
  source.m_cKey = 'A';
  source.m_strAlias = "copy";
  source.m_strActionAlias = "copy!";
  source.m_dwExtraType = 4;
  auto run = Run(&source, kKey, [](DialogSession& s) { s.PressOK(); });
  auto* result = ResultAs<CActionHotKey>(run);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->m_cKey, 'A');
  EXPECT_TRUE(result->m_strAlias.IsEmpty());
  EXPECT_TRUE(result->m_strActionAlias.IsEmpty());
  EXPECT_EQ(result->m_dwExtraType, 0);
}

TEST_F(KeyboardPages, CancelBuildsNothingEvenAfterTheDefaultButtonBuiltOne) {
  CEditActionSheet* seenSheet = nullptr;
  auto run = Run(nullptr, kMenu, [&](DialogSession& s) {
    s.Type("Menu:", "e");
    EXPECT_TRUE(s.PressApply());
    seenSheet = DYNAMIC_DOWNCAST(CEditActionSheet, &s.Sheet());
    ASSERT_NE(seenSheet, nullptr);
    ASSERT_NE(seenSheet->m_pResult, nullptr);  // the Default button built one
    EXPECT_FALSE(s.IsEnabled("Default"));      // greyed after the apply...
    s.Type("Menu:", "x");
    EXPECT_TRUE(s.IsEnabled("Default"));  // ...until the page reports a change
    EXPECT_TRUE(s.PressCancel());
  });
  EXPECT_EQ(run.answer, IDCANCEL);
  EXPECT_EQ(run.result, nullptr);
}

TEST_F(KeyboardPages, OkWithoutAResultAnswersNoAction) {
  CActionHotKey windowsKey;
  windowsKey.m_cKey = 0x5B;  // not in the key table
  windowsKey.m_bCtrl = 1;
  auto run = Run(&windowsKey, kKey, [](DialogSession& s) {
    EXPECT_EQ(s.Selection("1082"), -1);
    EXPECT_EQ(s.Checked("Ctrl"), 1);
    EXPECT_TRUE(s.IsEnabled("OK"));
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(run.answer, IDOK);
  EXPECT_EQ(run.result, nullptr);

  // A result the Default button built on another page is not answered for
  // the page in front at OK.
  run = Run(&windowsKey, kKey, [](DialogSession& s) {
    s.SelectPage("Menu");
    s.Type("Menu:", "fs");
    EXPECT_TRUE(s.PressApply());
    s.SelectPage("Hot Key");
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(run.answer, IDOK);
  EXPECT_EQ(run.result, nullptr);
}

TEST_F(KeyboardPages, HotKeyPageWinsOverATextSource) {
  CActionText source;
  source.m_strText = "abc";
  auto run = Run(&source, kText, [](DialogSession& s) {
    ASSERT_TRUE(s.SelectPage("Hot Key"));
    EXPECT_EQ(s.Text("1082"), "0");  // not filled from another kind
    EXPECT_EQ(s.Checked("Ctrl"), 0);
    s.Click("Alt");
    s.Click("Shift");
    EXPECT_TRUE(s.SelectItem("1082", "F1"));
    EXPECT_TRUE(s.PressOK());
  });
  auto* result = ResultAs<CActionHotKey>(run);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->m_cKey, 0x70);
  EXPECT_EQ(result->m_bAlt, 1);
  EXPECT_EQ(result->m_bShift, 1);
  EXPECT_EQ(result->m_bCtrl, 0);
}

TEST_F(KeyboardPages, HotKeyPageFillsFromAHotKey) {
  CActionHotKey source;
  source.m_bCtrl = 1;
  source.m_bShift = 1;
  source.m_cKey = 0x70;
  Run(&source, kKey, [](DialogSession& s) {
    EXPECT_EQ(s.Text("1082"), "F1");
    EXPECT_EQ(s.Selection("1082"), 36);
    EXPECT_EQ(s.Checked("Ctrl"), 1);
    EXPECT_EQ(s.Checked("Alt"), 0);
    EXPECT_EQ(s.Checked("Shift"), 1);
  });
}

// ---------------------------------------------------------------------------
// Menu and text

TEST_F(KeyboardPages, MenuPageUpperCasesLimitsAndNeedsText) {
  CActionMenu source;
  source.m_strMenu = "EA";
  auto run = Run(&source, kMenu, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Menu");
    EXPECT_EQ(s.Text("Menu:"), "EA");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.SetText("Menu:", "");
    EXPECT_FALSE(s.IsEnabled("OK"));
    EXPECT_FALSE(s.PressOK());
    s.Type("Menu:", "fs");
    EXPECT_EQ(s.Text("Menu:"), "FS");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.SetText("Menu:", CString('w', 300));
    EXPECT_EQ(s.Text("Menu:").GetLength(), 255);
    s.Type("Menu:", "q");  // a 256th character is refused
    EXPECT_EQ(s.Text("Menu:"), CString('W', 255));
    EXPECT_TRUE(s.PressOK());
  });
  auto* result = ResultAs<CActionMenu>(run);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->m_strMenu, CString('W', 255));
  EXPECT_TRUE(run.messages.empty());
}

TEST_F(KeyboardPages, MenuPageIgnoresOtherKindsAndBuildsNothingWhenEmpty) {
  CActionText source;
  source.m_strText = "not a menu";
  auto run = Run(&source, kMenu, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Menu:"), "");
    EXPECT_FALSE(s.IsEnabled("OK"));
    EXPECT_TRUE(s.PressApply());  // the Default button still applies: nothing to build
    EXPECT_EQ(static_cast<CEditActionSheet&>(s.Sheet()).m_pResult, nullptr);
  });
  EXPECT_EQ(run.result, nullptr);
}

TEST_F(KeyboardPages, TextPageKeepsLinesAsCarriageReturnLineFeed) {
  auto run = Run(nullptr, kText, [](DialogSession& s) {
    EXPECT_FALSE(s.IsEnabled("OK"));
    s.Type("1090", "Dear Sir,\nRegards");
    EXPECT_TRUE(s.IsEnabled("OK"));
    EXPECT_TRUE(s.PressOK());
  });
  auto* result = ResultAs<CActionText>(run);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->m_strText, "Dear Sir,\r\nRegards");

  CActionText source;
  source.m_strText = "one\r\ntwo";
  run = Run(&source, kText, [](DialogSession& s) {
    EXPECT_EQ(s.Text("1090"), "one\r\ntwo");
    EXPECT_TRUE(s.IsEnabled("OK"));
    s.SetText("1090", "");
    EXPECT_FALSE(s.IsEnabled("OK"));
    s.PressCancel();
  });
  EXPECT_EQ(run.answer, IDCANCEL);
}

// ---------------------------------------------------------------------------
// System

TEST_F(KeyboardPages, SystemPageCarriesTheParameterPositionAcrossFunctions) {
  CActionSystem source;
  source.m_nSystemID = 6;
  source.m_nSystemParam = 2;
  Run(&source, kSystem, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Function:"), "Vertical Scroll");
    EXPECT_EQ(s.Items("Function:").size(), 18u);
    EXPECT_EQ(s.Text("Parameters:"), "One Line Up");
    EXPECT_TRUE(s.IsEnabled("Parameters:"));
    s.SelectItem("Function:", "Horizontal Scroll");
    EXPECT_EQ(s.Text("Parameters:"), "One Line Left");
    s.SelectItem("Function:", "Restore Window");
    EXPECT_TRUE(s.Items("Parameters:").empty());
    EXPECT_FALSE(s.IsEnabled("Parameters:"));
    EXPECT_EQ(static_cast<CEditSystemPage*>(s.ActivePageObject())->m_nParam, -1);
    s.SelectItem("Function:", "Pause");
    EXPECT_EQ(s.Text("Parameters:"), "1");
    EXPECT_EQ(s.Items("Parameters:").size(), 10u);
    EXPECT_TRUE(s.IsEnabled("OK"));
  });
}

TEST_F(KeyboardPages, SystemPageBuildsTheChosenFunctionAndParameter) {
  struct Case {
    const char* function;
    const char* param;
    int id;
    int paramPosition;
  };
  for (const Case& c : {Case{"Pause", "3", 8, 2}, Case{"Minimize Window", nullptr, 1, -1},
                        Case{"One Line Down", nullptr, 0, -1}}) {
    auto run = Run(nullptr, kSystem, [&](DialogSession& s) {
      if (CString(c.function) == "One Line Down") {
        // Not a function: the list refuses it and Maximize Window stays.
        EXPECT_FALSE(s.SelectItem("Function:", c.function));
      } else {
        ASSERT_TRUE(s.SelectItem("Function:", c.function));
      }
      if (c.param) ASSERT_TRUE(s.SelectItem("Parameters:", c.param));
      EXPECT_TRUE(s.PressOK());
    });
    auto* result = ResultAs<CActionSystem>(run);
    ASSERT_NE(result, nullptr) << c.function;
    EXPECT_EQ(result->m_nSystemID, c.id) << c.function;
    EXPECT_EQ(result->m_nSystemParam, c.paramPosition) << c.function;
  }
}

TEST_F(KeyboardPages, SystemPageOpensUnknownFunctionsOnMaximizeAndIgnoresOtherKinds) {
  CActionSystem unknown;
  unknown.m_nSystemID = 99;
  unknown.m_nSystemParam = 5;
  Run(&unknown, kSystem, [](DialogSession& s) {
    EXPECT_EQ(s.Selection("Function:"), 0);
    EXPECT_EQ(s.Text("Function:"), "Maximize Window");
    EXPECT_FALSE(s.IsEnabled("Parameters:"));
  });
  CActionMenu menuSource;
  menuSource.m_strMenu = "FS";
  Run(&menuSource, kSystem, [](DialogSession& s) {
    EXPECT_EQ(s.Text("Function:"), "Maximize Window");
    EXPECT_TRUE(s.IsEnabled("OK"));
  });
}

TEST_F(KeyboardPages, KoreanPagesShowKoreanTexts) {
  LanguageGuard korean(LANG_KOREAN);
  Run(nullptr, kSystem, [](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "시스템");
    EXPECT_EQ(s.Text("명령어"), "최대화");
    EXPECT_TRUE(s.SelectPage("메뉴"));
    EXPECT_TRUE(s.Type("메뉴:", "f"));
    EXPECT_EQ(s.Text("1093"), "F");
  });
}

}  // namespace
}  // namespace corvane

// The Default button's presets: each fills its page with a ready-made action
// and applies it; some shortcut keys follow the system's language.
#include <gtest/gtest.h>

#include <memory>

#include "SheetFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionInternet.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "dialogs/ActionEditing.h"
#include "macros/MacroAction.h"

namespace corvane {
namespace {

using test::LanguageGuard;

// What a preset should build.
struct Expected {
  int preset;
  const char* page;
  WORD kind;
  bool ctrl = false, alt = false, shift = false;
  BYTE key = 0;
  int item = 0;  // system function or internet service
  const char* program = "";
};

Expected HotKey(int preset, bool ctrl, bool alt, bool shift, BYTE key) {
  return {preset, "Hot Key", ACTION_HOTKEY, ctrl, alt, shift, key};
}
Expected System(int preset, int function) { return {preset, "System", ACTION_SYSTEM, false, false, false, 0, function}; }
Expected Internet(int preset, int service) {
  return {preset, "Internet", ACTION_INTERNET, false, false, false, 0, service};
}
Expected RunPreset(int preset, const char* program) {
  return {preset, "Run", ACTION_RUN, false, false, false, 0, 0, program};
}

void ExpectBuilt(const CAction* action, const Expected& e, const char* when) {
  SCOPED_TRACE(::testing::Message() << "preset " << e.preset << ", " << when);
  ASSERT_NE(action, nullptr);
  ASSERT_EQ(action->m_wKind & 0xFF, e.kind);
  if (auto* key = dynamic_cast<const CActionHotKey*>(action)) {
    EXPECT_EQ(key->m_cKey, e.key);
    EXPECT_EQ(key->m_bCtrl, e.ctrl ? 1 : 0);
    EXPECT_EQ(key->m_bAlt, e.alt ? 1 : 0);
    EXPECT_EQ(key->m_bShift, e.shift ? 1 : 0);
  } else if (auto* system = dynamic_cast<const CActionSystem*>(action)) {
    EXPECT_EQ(system->m_nSystemID, e.item);
    EXPECT_EQ(system->m_nSystemParam, -1);
  } else if (auto* internet = dynamic_cast<const CActionInternet*>(action)) {
    EXPECT_EQ(internet->m_nService, e.item);
    EXPECT_EQ(internet->m_strAddress, "");
  } else if (auto* run = dynamic_cast<const CActionRun*>(action)) {
    EXPECT_EQ(run->m_strApplication, e.program);
    EXPECT_EQ(run->m_strApplicationPath, "");
    EXPECT_EQ(run->m_strParameter, "");
    EXPECT_EQ(run->m_nWindowState, 0);
    EXPECT_EQ(run->m_dwExtraType, 0u);
  }
}

// Opens the seven-page sheet with the preset, presses Default, checks what
// the button built and what the page shows, then presses OK.
std::unique_ptr<CAction> PressDefaultThenOK(CAction* source, const Expected& e) {
  ScopedDialogUser user([&](DialogSession& s) {
    ASSERT_TRUE(s.PressApply()) << s.LastError();
    EXPECT_EQ(s.ActivePageTitle(), e.page) << "preset " << e.preset;
    auto* sheet = DYNAMIC_DOWNCAST(CEditActionSheet, &s.Sheet());
    ASSERT_NE(sheet, nullptr);
    ExpectBuilt(sheet->m_pResult, e, "built by Default");
    if (e.kind == ACTION_SYSTEM) {
      EXPECT_FALSE(s.IsEnabled("Parameters"));
      EXPECT_TRUE(s.Items("Parameters").empty());
    }
    if (e.kind == ACTION_RUN) {
      EXPECT_EQ(s.Text("Window"), "Default");
      EXPECT_EQ(s.Text("Start in"), "");
      EXPECT_TRUE(s.IsEnabled("OK"));
    }
    EXPECT_TRUE(s.PressOK()) << s.LastError();
  });
  return std::unique_ptr<CAction>(EditActionInSheet(source, e.preset));
}

struct Presets : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  void SetUp() override { SetSystemDefaultLangID(0x0409); }
};

TEST_F(Presets, EveryPresetFillsItsPageAndApplies) {
  const Expected table[] = {
      HotKey(0, true, false, false, 'C'),     HotKey(1, true, false, false, 'V'),
      System(2, 1),                           System(3, 0),
      HotKey(4, false, true, false, 0x25),    HotKey(5, false, true, false, 0x27),
      HotKey(6, true, false, false, 'Z'),     HotKey(7, true, false, false, 'Y'),
      HotKey(8, false, false, false, 0x21),   HotKey(9, false, false, false, 0x22),
      HotKey(10, false, false, false, 0x0D),  RunPreset(11, "desktop.scf"),
      HotKey(12, true, false, false, 'X'),    HotKey(13, true, false, false, 'O'),
      HotKey(14, true, false, false, 'N'),    HotKey(15, true, false, false, 'S'),
      HotKey(16, true, false, false, 'P'),    HotKey(17, true, false, false, 'F'),
      Internet(18, 0),                        RunPreset(19, "excel.exe"),
      RunPreset(20, "winword.exe"),                 Internet(21, 1),
      HotKey(22, false, true, false, 0x73),   HotKey(23, false, false, true, 0x08),
      HotKey(24, false, false, true, 0x7A),
  };
  // An action of the preset's own kind whose values the preset replaces.
  CActionHotKey key;
  key.m_bCtrl = key.m_bAlt = key.m_bShift = 1;
  key.m_cKey = 'Q';
  CActionSystem scroll;
  scroll.m_nSystemID = 6;
  scroll.m_nSystemParam = 2;
  CActionInternet news;
  news.m_nService = 2;
  news.m_strAddress = "news.example.com";
  CActionRun program;
  program.m_strApplication = "C:\\Apps\\tool.exe";
  program.m_strApplicationPath = "C:\\Apps\\";
  program.m_strParameter = "-q";
  program.m_nWindowState = 2;
  for (const Expected& e : table) {
    CAction* sameKind = e.kind == ACTION_HOTKEY    ? static_cast<CAction*>(&key)
                        : e.kind == ACTION_SYSTEM  ? static_cast<CAction*>(&scroll)
                        : e.kind == ACTION_INTERNET ? static_cast<CAction*>(&news)
                                                    : static_cast<CAction*>(&program);
    // A new action opens on Run, so most presets bring another page forward.
    for (CAction* source : {static_cast<CAction*>(nullptr), sameKind})
      ExpectBuilt(PressDefaultThenOK(source, e).get(), e, source ? "edited, after OK" : "new, after OK");
  }
  // The edited actions are untouched.
  EXPECT_EQ(key.m_cKey, 'Q');
  EXPECT_EQ(program.m_strParameter, "-q");
}

TEST_F(Presets, KeyboardPresetsFollowTheSystemLanguage) {
  const struct {
    LANGID system;
    Expected e;
  } table[] = {
      {0x0409, HotKey(15, true, false, false, 'S')},   // English
      {0x0407, HotKey(15, true, false, false, 'S')},   // German: the first variant
      {0x040A, HotKey(15, true, false, false, 'G')},   // Spanish
      {0x0C0A, HotKey(15, true, false, false, 'G')},   // Spanish, modern sort: same low byte
      {0x0410, HotKey(15, false, false, true, 0x7B)},  // Italian: Shift+F12, Ctrl off
      {0x0810, HotKey(15, false, false, true, 0x7B)},  // Italian (Switzerland)
      {0x0415, HotKey(15, true, false, false, 'B')},   // Polish
      {0x0415, HotKey(7, true, false, false, 'R')},
      {0x040A, HotKey(7, true, false, false, 'Y')},
      {0x040A, HotKey(13, true, false, false, 'A')},
      {0x0415, HotKey(13, true, false, false, 'A')},
      {0x0410, HotKey(13, true, false, false, 0x7B)},
      {0x040A, HotKey(14, true, false, false, 'U')},
      {0x0415, HotKey(14, true, false, false, 'O')},
      {0x0410, HotKey(16, true, false, true, 0x7B)},
      {0x040A, HotKey(17, true, false, false, 'B')},
      {0x0410, HotKey(17, true, false, true, 'T')},
      {0x0415, HotKey(17, true, false, false, 'L')},
      {0x0410, HotKey(0, true, false, false, 'C')},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(::testing::Message() << "language 0x" << std::hex << row.system);
    SetSystemDefaultLangID(row.system);
    // The language is read when the sheet opens, so a modifier left on by
    // the source is cleared as well.
    CActionHotKey source;
    source.m_bCtrl = source.m_bAlt = 1;
    ExpectBuilt(PressDefaultThenOK(&source, row.e).get(), row.e, "after OK");
  }
}

TEST_F(Presets, NumbersOutsideTheTableOnlyApply) {
  CActionHotKey source;
  source.m_bAlt = 1;
  source.m_cKey = 'Q';
  for (int preset : {-1, 25, 1000}) {
    SCOPED_TRACE(preset);
    ScopedDialogUser user([](DialogSession& s) {
      const CString before = s.Describe();
      ASSERT_TRUE(s.PressApply()) << s.LastError();
      auto* sheet = DYNAMIC_DOWNCAST(CEditActionSheet, &s.Sheet());
      EXPECT_EQ(s.ActivePageTitle(), "Hot Key");
      auto* built = dynamic_cast<CActionHotKey*>(sheet->m_pResult);
      ASSERT_NE(built, nullptr);  // applied: the page built its action
      EXPECT_EQ(built->m_cKey, 'Q');
      EXPECT_EQ(built->m_bAlt, 1);
      // Nothing but the greyed button changed.
      CString after = s.Describe();
      after.Replace("button 12321 \"Default\" disabled", "button 12321 \"Default\"");
      EXPECT_EQ(after, before);
      s.PressCancel();
    });
    EXPECT_EQ(EditActionInSheet(&source, preset), nullptr);
    EXPECT_EQ(user.Runs(), 1);
  }

  // A new action in a macro opens without preset: Default applies the Run
  // page, which has nothing to build, and OK then yields nothing either.
  ScopedDialogUser user([](DialogSession& s) {
    EXPECT_TRUE(s.IsEnabled("Default"));
    EXPECT_TRUE(s.PressApply());
    EXPECT_EQ(s.ActivePageTitle(), "Run");
    EXPECT_EQ(s.Text("Run"), "");
    EXPECT_EQ(DYNAMIC_DOWNCAST(CEditActionSheet, &s.Sheet())->m_pResult, nullptr);
    s.SelectPage("Text");
    s.Type("1090", "hi");
    EXPECT_TRUE(s.PressApply());
    EXPECT_EQ(s.ActivePageTitle(), "Text");
    s.PressOK();
  });
  CMacroAction macro;
  ASSERT_EQ(macro.OnInsertNew(-1), 1);
  auto* text = dynamic_cast<CActionText*>(macro.GetAt(0));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->m_strText, "hi");
}

TEST_F(Presets, APageWhoseDataDoesNotCheckOutKeepsThePresetOut) {
  CActionSound sound;
  sound.m_strSound = "ding.wav";
  ScopedDialogUser user([](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Sound");
    s.Select("Play mode", 1);
    s.SetText("Repeat", "lots");
    s.ClearMessages();
    EXPECT_FALSE(s.PressApply());
    EXPECT_EQ(s.ActivePageTitle(), "Sound");  // stays in front
    EXPECT_EQ(s.LastMessage(), "Please enter an integer.");
    EXPECT_EQ(DYNAMIC_DOWNCAST(CEditActionSheet, &s.Sheet())->m_pResult, nullptr);
    s.SetText("Repeat", "2");
    EXPECT_TRUE(s.PressApply());  // now the preset goes through
    EXPECT_EQ(s.ActivePageTitle(), "Hot Key");
    s.PressOK();
  });
  std::unique_ptr<CAction> made(EditActionInSheet(&sound, 15));
  auto* key = dynamic_cast<CActionHotKey*>(made.get());
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->m_cKey, 'S');
  EXPECT_EQ(key->m_bCtrl, 1);
}

}  // namespace
}  // namespace corvane

// Editing a macro's actions through the action sheet: which page opens, and
// how a new or edited action takes its place in the macro.
#include <gtest/gtest.h>

#include "SheetFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionMenu.h"
#include "actions/ActionRun.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "dialogs/ActionEditing.h"
#include "macros/ActList.h"
#include "corvane/Corvane.h"
#include "macros/MacroAction.h"

namespace corvane {
namespace {

using test::LanguageGuard;

struct Opened {
  CString page;
  bool hasDefault = false;
};

// Opens the sheet on the action, notes what it shows and cancels.
Opened OpenedOn(CAction* action, bool listSheet) {
  Opened opened;
  ScopedDialogUser user([&](DialogSession& s) {
    opened.page = s.ActivePageTitle();
    opened.hasDefault = s.Control(ID_APPLY_NOW) != nullptr;
    s.PressCancel();
  });
  CAction* result = listSheet ? EditListActionInSheet(action) : EditActionInSheet(action, -1);
  EXPECT_EQ(result, nullptr);
  return opened;
}

TEST(ActionEditing, OpensOnThePageOfTheActionKind) {
  LanguageGuard english(LANG_ENGLISH_US);
  CActionText text;
  CActionMenu menu;
  CActionHotKey key;
  CActionRun program;
  CActionRun layout;
  layout.SetLoadTemplate("D:\\Pads\\office.tmt");
  struct Case {
    CAction* action;
    const char* full;
    const char* list;
  };
  for (const Case& c : {Case{nullptr, "Run", "Run"}, Case{&text, "Text", "Run"}, Case{&menu, "Menu", "Run"},
                        Case{&key, "Hot Key", "Hot Key"}, Case{&program, "Run", "Run"},
                        Case{&layout, "Run", "Load Template"}}) {
    Opened full = OpenedOn(c.action, false);
    EXPECT_EQ(full.page, c.full);
    EXPECT_TRUE(full.hasDefault);
    Opened list = OpenedOn(c.action, true);
    EXPECT_EQ(list.page, c.list);
    EXPECT_FALSE(list.hasDefault);
  }
}

struct MacroEditing : ::testing::Test {
  LanguageGuard english{LANG_ENGLISH_US};
  CMacroAction macro;
  void SetUp() override {
    for (BYTE code : {BYTE('A'), BYTE('B'), BYTE('C')}) {
      auto* key = new CActionHotKey;
      key->m_cKey = code;
      macro.Add(key);
    }
  }
  BYTE KeyAt(int index) { return dynamic_cast<CActionHotKey*>(macro.GetAt(index))->m_cKey; }
};

TEST_F(MacroEditing, InsertNewPlacesTheActionAndMakesItCurrent) {
  ScopedDialogUser user([](DialogSession& s) {
    s.SelectPage("Menu");
    s.Type("Menu:", "fs");
    s.PressOK();
  });
  EXPECT_EQ(macro.OnInsertNew(1), 1);
  ASSERT_EQ(macro.GetCount(), 4);
  EXPECT_NE(dynamic_cast<CActionMenu*>(macro.GetAt(1)), nullptr);
  EXPECT_EQ(macro.m_nCurSel, 1);

  macro.m_nCurSel = -1;
  EXPECT_EQ(macro.OnInsertNew(-1), 1);
  EXPECT_EQ(macro.GetCount(), 5);
  EXPECT_NE(dynamic_cast<CActionMenu*>(macro.GetAt(4)), nullptr);
  EXPECT_EQ(macro.m_nCurSel, 4);
}

TEST_F(MacroEditing, EditItemReplacesOnOkAndKeepsEverythingOnCancel) {
  {
    ScopedDialogUser cancel([](DialogSession& s) {
      s.SelectItem("1082", "Z");
      s.PressCancel();
    });
    EXPECT_EQ(macro.OnEditItem(1, -1), 0);
    EXPECT_EQ(macro.OnInsertNew(0), 0);
  }
  EXPECT_EQ(macro.GetCount(), 3);
  EXPECT_EQ(KeyAt(1), 'B');

  ScopedDialogUser user([](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Hot Key");
    EXPECT_EQ(s.Text("1082"), "B");
    s.SelectPage("Text");
    s.Type("1090", "hello");
    s.PressOK();
  });
  macro.m_nCurSel = 2;
  EXPECT_EQ(macro.OnEditItem(1, 3), 1);
  auto* text = dynamic_cast<CActionText*>(macro.GetAt(1));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->m_strText, "hello");
  EXPECT_EQ(text->m_pParent, &macro);
  EXPECT_EQ(macro.m_nCurSel, 2);
  EXPECT_EQ(macro.OnEditItem(7, -1), 0);
}

// A hot key that notes its own destruction.
struct TrackedKey : CActionHotKey {
  explicit TrackedKey(bool& deleted) : m_deleted(deleted) {}
  ~TrackedKey() override { m_deleted = true; }
  bool& m_deleted;
};

TEST(MacroEditingExports, EditItemCarriesThePresetAndDeletesTheOldAction) {
  LanguageGuard english(LANG_ENGLISH_US);
  SetSystemDefaultLangID(0x0409);
  CMacroAction macro;
  bool deleted[3] = {false, false, false};
  for (bool& flag : deleted) macro.Add(new TrackedKey(flag));
  macro.m_nCurSel = 0;

  // Cancelled after the preset: nothing changes, nothing is deleted.
  ScopedDialogUser cancel([](DialogSession& s) {
    EXPECT_TRUE(s.PressApply());
    EXPECT_EQ(s.ActivePageTitle(), "System");
    s.PressCancel();
  });
  EXPECT_EQ(ACTOnEditItem(&macro, 1, 2), 0);
  EXPECT_FALSE(deleted[1]);

  // The preset number given to the export reaches the sheet: Default brings
  // the System page with "Minimize Window"; OK there replaces the hot key.
  ScopedDialogUser user([](DialogSession& s) {
    EXPECT_EQ(s.ActivePageTitle(), "Hot Key");
    EXPECT_TRUE(s.PressApply());
    EXPECT_EQ(s.Text("Function"), "Minimize Window");
    EXPECT_TRUE(s.PressOK());
  });
  EXPECT_EQ(ACTOnEditItem(&macro, 1, 2), 1);
  EXPECT_TRUE(deleted[1]);
  EXPECT_FALSE(deleted[0] || deleted[2]);
  auto* system = dynamic_cast<CActionSystem*>(macro.GetAt(1));
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(system->m_nSystemID, 1);
  EXPECT_EQ(system->m_pParent, &macro);
  EXPECT_EQ(macro.GetCount(), 3);
  EXPECT_EQ(macro.m_nCurSel, 0);

  // -1 edits the current action.
  ScopedDialogUser current([](DialogSession& s) {
    s.SelectPage("Menu");
    s.Type("Menu:", "e");
    s.PressOK();
  });
  EXPECT_EQ(ACTOnEditItem(&macro, -1, -1), 1);
  EXPECT_TRUE(deleted[0]);
  EXPECT_NE(dynamic_cast<CActionMenu*>(macro.GetAt(0)), nullptr);
  SetSystemDefaultLangID(0);
}

}  // namespace
}  // namespace corvane

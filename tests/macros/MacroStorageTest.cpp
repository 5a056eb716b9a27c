#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "MacroFixture.h"
#include "corvane/Corvane.h"
#include "corvane/ListCtrl.h"
#include "system/Resources.h"
#include "system/WriteBatch.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

CAction* MakeAction(int kind, const char* alias) {
  CAction* action = CreateAction(kind);
  if (action) action->m_strActionAlias = alias;
  return action;
}

// ---------------------------------------------------------------- profile

TEST_F(MacroTest, ReadSkipsActionsOfUnknownKindAndKeepsTheOthersInOrder) {
  Write(
      "[M]\nID=7\nAlias=Save all\nCount=3\n"
      "[M.01]\nType=3\nAlias=first\n"
      "[M.02]\nType=6\nAlias=no such kind\n"
      "[M.03]\nType=0x104\nAlias=third\n"  // not a number: no kind
      "[M.04]\nType=4\nAlias=beyond the count\n");
  CMacroAction macro;
  EXPECT_EQ(macro.ReadContainer(profile.c_str(), "M"), 1);
  EXPECT_EQ(macro.m_nID, 7);
  EXPECT_EQ(macro.m_strAlias, "Save all");
  EXPECT_EQ(ActionAliases(macro), Strings{"first"});

  Write("[M]\nCount=3\n[M.01]\nType=3\nAlias=a\n[M.02]\nType=6\n[M.03]\nType=260\nAlias=c\n");
  CMacroAction second;
  EXPECT_EQ(second.ReadContainer(profile.c_str(), "M"), 2);
  EXPECT_EQ(ActionAliases(second), (Strings{"a", "c"}));  // 260 & 0xFF is a text action
  EXPECT_EQ(second.GetAt(1)->m_pParent, &second);
  EXPECT_EQ(second.m_nID, 0);  // no "ID": 0, not the default -1
  EXPECT_EQ(second.m_strAlias, "");
}

TEST_F(MacroTest, ReadAppendsToTheActionsAlreadyThere) {
  CMacroAction macro;
  macro.Add(MakeAction(3, "old 1"));
  macro.Add(MakeAction(3, "old 2"));
  macro.m_strAlias = "kept?";
  Write("[S]\nCount=2\n[S.01]\nType=10\nAlias=new 1\n[S.02]\nType=4\nAlias=new 2\n");
  EXPECT_EQ(macro.ReadContainer(profile.c_str(), "S"), 4);
  EXPECT_EQ(ActionAliases(macro), (Strings{"old 1", "old 2", "new 1", "new 2"}));
  EXPECT_EQ(macro.m_strAlias, "");  // a missing "Alias" empties it
}

TEST_F(MacroTest, ReadOfADamagedCountStaysBounded) {
  for (const char* count : {"-5", "2147483647", "garbage"}) {
    SCOPED_TRACE(count);
    Write(std::string("[S]\nCount=") + count + "\n[S.01]\nType=3\nAlias=one\n");
    CMacroAction macro;
    const auto start = std::chrono::steady_clock::now();
    const int read = macro.ReadContainer(profile.c_str(), "S");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_LE(read, 1);
  }
}

TEST_F(MacroTest, WriteStoresIdCountAndOneSectionPerAction) {
  CMacroAction macro;
  macro.m_nID = 12;
  macro.Add(MakeAction(3, "first"));
  macro.Add(MakeAction(4, "second"));
  macro.WriteContainer(profile.c_str(), "Macro.2");
  EXPECT_EQ(Value("Macro.2", "ID"), "12");
  EXPECT_EQ(Value("Macro.2", "Count"), "2");
  EXPECT_EQ(Value("Macro.2", "Alias"), "<missing>");  // empty alias: no key
  EXPECT_EQ(Value("Macro.2.01", "Alias"), "first");
  EXPECT_EQ(Value("Macro.2.02", "Type"), "4");
  EXPECT_EQ(Value("Macro.2.03", "Type"), "<missing>");

  CMacroAction loaded;
  EXPECT_EQ(loaded.ReadContainer(profile.c_str(), "Macro.2"), 2);
  EXPECT_EQ(loaded.m_nID, 12);
  EXPECT_EQ(ActionAliases(loaded), (Strings{"first", "second"}));
  EXPECT_EQ(dynamic_cast<CAction*>(loaded.GetAt(1))->m_wKind, 4);
}

TEST_F(MacroTest, WriteRemovesNothingAndAnEmptyMacroWritesOnlyItsId) {
  CMacroAction longer;
  longer.m_strAlias = "long";
  for (const char* alias : {"a", "b", "c"}) longer.Add(MakeAction(3, alias));
  longer.WriteContainer(profile.c_str(), "S");

  CMacroAction shorter;
  shorter.Add(MakeAction(10, "only"));
  shorter.WriteContainer(profile.c_str(), "S");
  EXPECT_EQ(Value("S", "Count"), "1");
  EXPECT_EQ(Value("S", "Alias"), "long");  // stale keys stay
  EXPECT_EQ(Value("S.03", "Alias"), "c");
  EXPECT_EQ(Value("S", "ID"), "-1");  // a new macro's identifier

  Write("");
  CMacroAction empty;
  empty.WriteContainer(profile.c_str(), "E");
  std::string text = test::ReadFile(profile);
  std::erase(text, '\r');
  EXPECT_EQ(text, "[E]\nID=-1\n");
}

TEST_F(MacroTest, TheHundredthActionLivesInSectionDotHundred) {
  CMacroAction macro;
  for (int i = 1; i <= 100; ++i) macro.Add(MakeAction(3, std::to_string(i).c_str()));
  {
    WriteBatch batch;  // one save of the file, as an export call makes it
    macro.WriteContainer(profile.c_str(), "S");
  }
  EXPECT_EQ(Value("S.09", "Alias"), "9");
  EXPECT_EQ(Value("S.99", "Alias"), "99");
  EXPECT_EQ(Value("S.100", "Alias"), "100");
  CMacroAction loaded;
  EXPECT_EQ(loaded.ReadContainer(profile.c_str(), "S"), 100);
  EXPECT_EQ(ActionAliases(loaded).back(), "100");
}

// ---------------------------------------------------------------- registry

TEST_F(MacroTest, PlainMacroHasNoRegistryKey) {
  CMacroAction macro;
  macro.m_strAlias = "unchanged";
  EXPECT_EQ(macro.OpenRegistryKey(1), nullptr);
  EXPECT_EQ(macro.SaveToRegistry(), 0);
  EXPECT_EQ(macro.LoadFromRegistry(), 0);
  EXPECT_EQ(macro.GetCount(), 0);
  EXPECT_EQ(macro.m_strAlias, "unchanged");
}

TEST_F(MacroTest, ActionListSavesUnderItsFunctionKeysKey) {
  CActList list;
  list.m_nFKeyID = 7;
  list.m_strAlias = "Copy";
  list.Add(MakeAction(3, "hot"));
  list.Add(MakeAction(4, "text"));
  EXPECT_EQ(list.SaveToRegistry(), 1);
  EXPECT_EQ(RegValue(7, nullptr, "Count"), (std::pair<DWORD, std::string>{REG_BINARY, std::string("\x02\x00", 2)}));
  EXPECT_EQ(RegValue(7, nullptr, nullptr), (std::pair<DWORD, std::string>{REG_SZ, "Copy"}));
  EXPECT_EQ(RegValue(7, "Action02", nullptr).second, "text");
  EXPECT_EQ(RegValue(7, "Action02", "Type").second, std::string("\x04\x00", 2));

  CActList loaded;
  loaded.m_nFKeyID = 7;
  EXPECT_EQ(loaded.LoadFromRegistry(), 2);
  EXPECT_EQ(loaded.m_strAlias, "Copy");
  EXPECT_EQ(ActionAliases(loaded), (Strings{"hot", "text"}));
  EXPECT_EQ(dynamic_cast<CAction*>(loaded.GetAt(0))->m_wKind, 3);

  CActList other;
  other.m_nFKeyID = 8;  // another key holds nothing
  EXPECT_EQ(other.LoadFromRegistry(), 0);
  EXPECT_EQ(other.GetCount(), 0);
}

TEST_F(MacroTest, SavingAnEmptyListWritesZeroCountAndEmptyAliasAndKeepsOldSubkeys) {
  CActList list;
  list.m_nFKeyID = 3;
  list.m_strAlias = "x";
  list.Add(MakeAction(3, "a"));
  ASSERT_EQ(list.SaveToRegistry(), 1);
  list.DeleteAll();
  list.m_strAlias.Empty();
  ASSERT_EQ(list.SaveToRegistry(), 1);
  EXPECT_EQ(RegValue(3, nullptr, "Count"), (std::pair<DWORD, std::string>{REG_BINARY, std::string(2, '\0')}));
  EXPECT_EQ(RegValue(3, nullptr, nullptr), (std::pair<DWORD, std::string>{REG_SZ, ""}));
  EXPECT_EQ(RegValue(3, "Action01", nullptr).second, "a");  // not deleted

  CActList loaded;
  loaded.m_nFKeyID = 3;
  loaded.m_strAlias = "before";
  EXPECT_EQ(loaded.LoadFromRegistry(), 0);
  EXPECT_EQ(loaded.m_strAlias, "before");  // an empty stored alias changes nothing
}

TEST_F(MacroTest, LoadSkipsBadSubkeysAndRejectsAnOversizedCount) {
  SetRegValue(4, nullptr, "Count", REG_BINARY, std::string("\x03\x00", 2));
  SetRegValue(4, nullptr, nullptr, REG_SZ, "K");  // a one-character alias
  SetRegValue(4, "Action01", "Type", REG_BINARY, std::string("\x06\x00", 2));  // no such kind
  SetRegValue(4, "Action01", nullptr, REG_SZ, "skipped");
  // Action02 is missing altogether.
  SetRegValue(4, "Action03", "Type", REG_BINARY, std::string("\x0A\x00", 2));
  SetRegValue(4, "Action03", nullptr, REG_SZ, "menu");
  CActList list;
  list.m_nFKeyID = 4;
  EXPECT_EQ(list.LoadFromRegistry(), 3);  // the stored count
  EXPECT_EQ(ActionAliases(list), Strings{"menu"});
  EXPECT_EQ(list.m_strAlias, "K");

  SetRegValue(4, nullptr, "Count", REG_BINARY, std::string("\x03\x00\x00\x00", 4));
  CActList oversized;
  oversized.m_nFKeyID = 4;
  EXPECT_EQ(oversized.LoadFromRegistry(), 0);
  EXPECT_EQ(oversized.GetCount(), 0);
}

TEST_F(MacroTest, ActionListWithoutDriverOrDeviceHasNoKey) {
  test::WriteFile(m_tablet, "device=0\n");
  CActList list;
  list.m_nFKeyID = 1;
  list.Add(MakeAction(3, "a"));
  EXPECT_EQ(list.OpenRegistryKey(1), nullptr);
  EXPECT_EQ(list.SaveToRegistry(), 0);
  EXPECT_EQ(list.LoadFromRegistry(), 0);
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_EQ(RegValue(1, nullptr, "Count").first, 0xFFFFFFFFu);
}

TEST_F(MacroTest, CloneCopiesActionsAndIdentifierWithAFreshIdleEvent) {
  CActList list;
  list.m_nID = 5;
  list.m_nFKeyID = 9;
  list.m_nModified = 2;
  list.m_strAlias = "cell";
  list.Add(MakeAction(3, "a"));
  list.Add(MakeAction(10, "b"));
  CContainer* copy = list.Clone();
  auto* clone = dynamic_cast<CActList*>(copy);
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->m_nContainerType, 18);
  EXPECT_EQ(clone->m_nID, 5);
  EXPECT_EQ(clone->m_nFKeyID, 9);
  EXPECT_EQ(clone->m_nModified, 2);
  EXPECT_EQ(clone->m_strAlias, "cell");
  EXPECT_EQ(ActionAliases(*clone), (Strings{"a", "b"}));
  EXPECT_NE(clone->GetAt(0), list.GetAt(0));
  EXPECT_NE(clone->m_hIdleEvent, list.m_hIdleEvent);
  EXPECT_TRUE(clone->IsIdle());
  EXPECT_EQ(clone->m_pThread, nullptr);
  EXPECT_EQ(clone->m_hTargetWnd, nullptr);
  delete copy;

  void* macro = ACTCreateContainer(18);
  auto* created = static_cast<CMacroAction*>(static_cast<CContainer*>(macro));
  ASSERT_NE(dynamic_cast<CMacroAction*>(created), nullptr);
  EXPECT_EQ(created->m_nID, -1);
  EXPECT_EQ(created->m_nContainerType, 18);
  EXPECT_EQ(ACTGetCount(macro), 0);
  ACTDeleteContainer(macro);
}

// ---------------------------------------------------------------- list view

class MacroListTest : public MacroTest {
 protected:
  MacroListTest() {
    for (int i = 0; i < 5; ++i) {
      CAction* action = MakeAction(i == 4 ? 4 : 3, ("alias " + std::to_string(i)).c_str());
      action->m_strAlias.Format("shown %d", i);
      macro.Add(action);
    }
    macro.ControlSetup(&list);
    for (int i = 0; i < macro.GetCount(); ++i) list.InsertItem(i, "");
  }
  CMacroAction macro;
  CListCtrl list;
};

TEST_F(MacroListTest, SetupMakesFourLeftAlignedColumnsAndAddsGridAndFullRow) {
  ASSERT_EQ(list.GetColumnCount(), 4);
  const struct {
    const char* heading;
    int width;
  } expected[] = {{"Action", 70}, {"Type", 70}, {"Action Alias", 200}, {"Action Description", 200}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(list.GetColumnHeading(i), expected[i].heading);
    EXPECT_EQ(list.GetColumnWidth(i), expected[i].width);
    EXPECT_EQ(list.GetColumnFormat(i), LVCFMT_LEFT);
  }
  EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  CListCtrl styled;
  styled.SetExtendedStyle(LVS_EX_CHECKBOXES);
  macro.ControlSetup(&styled);
  EXPECT_EQ(styled.GetExtendedStyle(), LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  EXPECT_EQ(macro.GetAliasField(&list), 2);
  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC})
    for (UINT id : {53u, 55u, 56u, 57u}) EXPECT_TRUE(HasResString(id, language)) << id << " " << language;
}

TEST_F(MacroListTest, InsertItemFillsTheRowOfThePosition) {
  macro.ControlInsertItem(&list, 4);
  EXPECT_EQ(list.GetItemText(4, 0), "5");
  EXPECT_EQ(list.GetItemText(4, 1), "Text");
  EXPECT_EQ(list.GetItemText(4, 2), "shown 4");  // the container alias
  CString description;
  static_cast<CAction*>(macro.GetAt(4))->GetDescription(nullptr, description, 1);
  EXPECT_EQ(list.GetItemText(4, 3), description);
  EXPECT_EQ(list.GetItemData(4), reinterpret_cast<DWORD_PTR>(macro.GetAt(4)));

  macro.m_nCurSel = 1;  // -1 is the current position
  macro.ControlInsertItem(&list, -1);
  EXPECT_EQ(list.GetItemText(1, 0), "2");
  EXPECT_EQ(list.GetItemText(1, 1), "Hot Key");

  for (int bad : {5, 99, -2}) macro.ControlInsertItem(&list, bad);
  macro.m_nCurSel = -1;
  macro.ControlInsertItem(&list, -1);
  for (int row : {0, 2, 3}) EXPECT_EQ(list.GetItemText(row, 0), "") << row;
  macro.ControlInsertItem(nullptr, 0);  // no list: nothing
}

TEST_F(MacroListTest, ItemChangedTakesTheCellTextAsTheActionsAlias) {
  list.SetItemText(3, 2, "renamed");
  list.SetItemText(3, 3, "from column 3");
  macro.ControlItemChanged(&list, 2, 3);
  EXPECT_EQ(macro.GetAt(3)->m_strAlias, "renamed");
  EXPECT_EQ(static_cast<CAction*>(macro.GetAt(3))->m_strActionAlias, "alias 3");  // the stored alias stays
  macro.ControlItemChanged(&list, 3, 3);
  EXPECT_EQ(macro.GetAt(3)->m_strAlias, "from column 3");
  macro.ControlItemChanged(&list, 2, 5);  // past the end: nothing
  macro.m_nCurSel = -1;
  macro.ControlItemChanged(&list, 2, -1);
  EXPECT_EQ(macro.GetAt(0)->m_strAlias, "shown 0");
}

}  // namespace
}  // namespace corvane

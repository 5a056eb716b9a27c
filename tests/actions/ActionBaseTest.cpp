#include <memory>
#include <typeinfo>

#include "ActionFixture.h"
#include "actions/Action.h"
#include "actions/ActionHotKey.h"
#include "actions/ActionMenu.h"
#include "actions/ActionRegKey.h"
#include "actions/ActionSystem.h"
#include "actions/ActionText.h"
#include "system/Profile.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

TEST_F(ActionTest, FactoryBuildsTheKindOfTheLowByteWithDefaults) {
  struct Case {
    int type;
    WORD kind;
    const std::type_info* type_info;
  };
  const Case cases[] = {
      {3, ACTION_HOTKEY, &typeid(CActionHotKey)},   {0x0103, ACTION_HOTKEY, &typeid(CActionHotKey)},
      {4, ACTION_TEXT, &typeid(CActionText)},       {5, ACTION_SYSTEM, &typeid(CActionSystem)},
      {10, ACTION_MENU, &typeid(CActionMenu)},      {-246, ACTION_MENU, &typeid(CActionMenu)},  // 0x...0A
  };
  for (const Case& c : cases) {
    std::unique_ptr<CAction> action(CreateAction(c.type));
    ASSERT_NE(action, nullptr) << c.type;
    EXPECT_EQ(typeid(*action), *c.type_info) << c.type;
    EXPECT_EQ(action->m_wKind, c.kind);
    EXPECT_EQ(action->m_dwExtraType, 0);
    EXPECT_TRUE(action->m_strActionAlias.IsEmpty());
    EXPECT_EQ(action->m_nContainerType, 1);
    EXPECT_EQ(action->m_nCurSel, 0);
    EXPECT_EQ(action->GetCount(), 0);
  }
  for (int type : {0, 1, 6, 8, 11, 255, 0x100, 0x101}) EXPECT_EQ(CreateAction(type), nullptr) << type;
}

TEST_F(ActionTest, PlayKeysSendsOneEventPerWordWithScanByteAndFlags) {
  CAction action;
  const WORD paste[] = {0x0011, 0x0056, 0x8056, 0x8011, 0};
  action.PlayKeys(paste);
  const WORD extended[] = {0x8111, 0x0141, 0};
  action.PlayKeys(extended);
  action.PlayKeys(nullptr);
  const WORD empty[] = {0, 0x41, 0};
  action.PlayKeys(empty);

  EXPECT_EQ(desktop.ToJsonLines(),
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":17,\"scan\":81,\"flags\":0,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":86,\"scan\":86,\"flags\":0,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":86,\"scan\":86,\"flags\":2,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":17,\"scan\":81,\"flags\":2,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":17,\"scan\":81,\"flags\":3,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":65,\"scan\":65,\"flags\":1,\"extrainfo\":0}\n");
  EXPECT_EQ(desktop.PressedKeys(), std::vector<BYTE>{0x41});
}

TEST_F(ActionTest, BaseProfileKeysAndTheirDefaults) {
  CActionHotKey action;
  action.m_dwExtraType = -7;
  action.WriteContainer(profile, "Macro.01");
  std::string text = ReadFile(profile);
  EXPECT_EQ(text.find("Alias="), std::string::npos) << "an empty alias writes no key";
  EXPECT_NE(text.find("Type=3\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("ExtraType=-7\r\n"), std::string::npos) << text;
  EXPECT_LT(text.find("Type=3"), text.find("ExtraType=")) << "Type comes before ExtraType";

  action.m_strActionAlias = "Save all";
  action.WriteContainer(profile, "Macro.01");
  action.WriteContainer(profile, "Macro.03");
  text = ReadFile(profile);
  EXPECT_NE(text.find("[Macro.03]\r\nAlias=Save all\r\nType=3\r\nExtraType=-7\r\n"), std::string::npos) << text;

  CActionHotKey loaded;
  loaded.m_dwExtraType = 99;
  EXPECT_EQ(loaded.ReadContainer(profile, "Macro.01"), 1);
  EXPECT_EQ(loaded.m_strActionAlias, "Save all");
  EXPECT_EQ(loaded.m_dwExtraType, -7);
  EXPECT_EQ(loaded.m_wKind, ACTION_HOTKEY);

  // A section without the keys: empty alias, ExtraType 0; "Type" is never read.
  WriteFile(profile, "[Macro.02]\r\nType=10\r\n");
  EXPECT_EQ(loaded.ReadContainer(profile, "Macro.02"), 1);
  EXPECT_TRUE(loaded.m_strActionAlias.IsEmpty());
  EXPECT_EQ(loaded.m_dwExtraType, 0);
  EXPECT_EQ(loaded.m_wKind, ACTION_HOTKEY);
  EXPECT_EQ(loaded.ReadContainer(dir.file("missing.tmp"), "Macro.01"), 1);

  // An alias longer than the shared 512-byte value buffer comes back whole.
  action.m_strActionAlias = CString(std::string(700, 'a'));
  action.WriteContainer(profile, "Macro.04");
  loaded.ReadContainer(profile, "Macro.04");
  EXPECT_EQ(loaded.m_strActionAlias.GetLength(), 700);
}

TEST_F(ActionTest, RegistrySubkeyNamesAndBaseValues) {
  char name[32];
  for (auto [index, expected] : {std::pair{1, "Action01"}, {9, "Action09"}, {10, "Action10"}, {123, "Action123"}}) {
    FormatActionKeyName(name, sizeof name, index);
    EXPECT_STREQ(name, expected);
  }

  CActionText action;
  action.m_strActionAlias = "Greeting";
  action.m_dwExtraType = 0x01020304;
  EXPECT_EQ(action.WriteRegistry(ListKey(), 7), 1);
  EXPECT_EQ(Value("Action07", "Type"), (std::pair<DWORD, std::string>{REG_BINARY, std::string("\x04\x00", 2)}));
  EXPECT_EQ(Value("Action07", "ExtraType"), (std::pair<DWORD, std::string>{REG_BINARY, "\x04\x03\x02\x01"}));
  EXPECT_EQ(Value("Action07", nullptr), (std::pair<DWORD, std::string>{REG_SZ, "Greeting"}));

  CActionText empty;
  empty.WriteRegistry(ListKey(), 123);
  EXPECT_EQ(Value("Action123", nullptr), (std::pair<DWORD, std::string>{REG_SZ, ""}));

  CActionText loaded;
  loaded.m_dwExtraType = 5;
  EXPECT_EQ(loaded.ReadRegistry(ListKey(), 7), 1);
  EXPECT_EQ(loaded.m_strActionAlias, "Greeting");
  EXPECT_EQ(loaded.m_dwExtraType, 0x01020304);

  // An empty default value leaves the alias alone.
  EXPECT_EQ(loaded.ReadRegistry(ListKey(), 123), 1);
  EXPECT_EQ(loaded.m_strActionAlias, "Greeting");
  EXPECT_EQ(loaded.m_dwExtraType, 0);

  EXPECT_EQ(action.DeleteRegistry(ListKey(), 7), 0);
  EXPECT_FALSE(SubkeyExists("Action07"));
  EXPECT_NE(action.DeleteRegistry(ListKey(), 7), 0);
}

TEST_F(ActionTest, RegistryReadOfMissingOrDamagedValues) {
  CActionMenu action;
  action.m_strActionAlias = "kept";
  action.m_dwExtraType = 3;
  EXPECT_EQ(action.ReadRegistry(ListKey(), 4), 1);
  EXPECT_EQ(action.m_strActionAlias, "kept");
  EXPECT_EQ(action.m_dwExtraType, 0);
  EXPECT_FALSE(SubkeyExists("Action04")) << "reading creates nothing";

  // A text cut at its first zero byte; a number of the wrong size or type
  // reads as 0.
  SetValue("Action05", nullptr, REG_SZ, std::string("abc\0def", 7));
  SetValue("Action05", "ExtraType", REG_BINARY, "\x01\x02");
  action.m_dwExtraType = 3;
  action.ReadRegistry(ListKey(), 5);
  EXPECT_EQ(action.m_strActionAlias, "abc");
  EXPECT_EQ(action.m_dwExtraType, 0);
  SetValue("Action05", "ExtraType", REG_SZ, "1234");
  action.m_dwExtraType = 3;
  action.ReadRegistry(ListKey(), 5);
  EXPECT_EQ(action.m_dwExtraType, 0);
  SetValue("Action05", "ExtraType", REG_DWORD, std::string("\x09\x00\x00\x00", 4));
  action.ReadRegistry(ListKey(), 5);
  EXPECT_EQ(action.m_dwExtraType, 9);

  // An alias longer than 256 bytes is read whole rather than lost.
  const std::string longAlias(600, 'x');
  SetValue("Action06", nullptr, REG_SZ, longAlias);
  action.ReadRegistry(ListKey(), 6);
  EXPECT_EQ(action.m_strActionAlias.str(), longAlias);
}

TEST_F(ActionTest, RegKeyAnswersByteCountsAndZeroWithoutAKey) {
  SetValue("Action02", "Data", REG_BINARY, "\x01\x02\x03");
  CActionRegKey missing(ListKey(), 3, FALSE);
  EXPECT_FALSE(missing.IsOpen());
  BYTE buffer[8];
  EXPECT_EQ(missing.QueryValue("Data", REG_BINARY, buffer, sizeof buffer), 0u);
  EXPECT_FALSE(missing.SetValue("Data", REG_BINARY, buffer, 1));

  CActionRegKey key(ListKey(), 2, FALSE);
  ASSERT_TRUE(key.IsOpen());
  EXPECT_EQ(key.QueryValue("Data", REG_BINARY, nullptr, 0), 3u);
  EXPECT_EQ(key.QueryValue("Data", REG_BINARY, buffer, sizeof buffer), 3u);
  EXPECT_EQ(key.QueryValue("Data", REG_BINARY, buffer, 2), 0u) << "too small a buffer fails";
  EXPECT_EQ(key.QueryValue("Nothing", REG_BINARY, buffer, sizeof buffer), 0u);
  key.Close();
  EXPECT_FALSE(key.IsOpen());
  key.Close();  // closing twice is harmless
}

TEST_F(ActionTest, CloneCopiesTheBaseFieldsAndDescriptionUsesTheAlias) {
  CAction base;
  CString out = "untouched";
  EXPECT_EQ(base.GetDescription(nullptr, out, 1), 0);
  EXPECT_EQ(out, "untouched");
  EXPECT_EQ(base.GetTypeName(), "Action");
  EXPECT_EQ(base.Execute(nullptr), 0);
  base.m_strActionAlias = "Mine";
  EXPECT_EQ(base.GetDescription(nullptr, out, 0), 4);
  EXPECT_EQ(out, "Mine");

  base.m_dwExtraType = 1;
  base.m_strAlias = "container alias";
  std::unique_ptr<CContainer> copy(base.Clone());
  auto* action = dynamic_cast<CAction*>(copy.get());
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->m_wKind, ACTION_BASE);
  EXPECT_EQ(action->m_dwExtraType, 1);
  EXPECT_EQ(action->m_strActionAlias, "Mine");
  EXPECT_EQ(action->m_strAlias, "container alias");
  EXPECT_EQ(action->m_nContainerType, 1);
  EXPECT_EQ(desktop.CallCount(), 0u);
}

}  // namespace
}  // namespace corvane

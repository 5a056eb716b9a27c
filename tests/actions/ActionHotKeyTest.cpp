#include <memory>

#include "ActionFixture.h"
#include "actions/ActionHotKey.h"
#include "actions/KeyTable.h"
#include "container/CorvaneApp.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

// Restores the host's main window after a test that sets it.
struct HostMainWindow {
  explicit HostMainWindow(HWND window) { SetHostMainWindow(window); }
  ~HostMainWindow() { SetHostMainWindow(nullptr); }
};

CActionHotKey HotKey(int ctrl, int alt, int shift, BYTE key) {
  CActionHotKey action;
  action.m_bCtrl = ctrl;
  action.m_bAlt = alt;
  action.m_bShift = shift;
  action.m_cKey = key;
  return action;
}

TEST_F(ActionTest, HotKeyPressesModifiersThenKeyAndReleasesInTheSameOrder) {
  struct Case {
    const char* name;
    CActionHotKey action;
    std::vector<std::string> keys;
  };
  const Case cases[] = {
      {"Ctrl+Alt+A", HotKey(1, 1, 0, 'A'),
       {"@0 down 0x11", "@0 down 0x12", "@0 down 0x41", "@0 up 0x11", "@0 up 0x12", "@0 up 0x41"}},
      {"Shift+F5", HotKey(0, 0, 1, VK_F5), {"@0 down 0x10", "@0 down 0x74", "@0 up 0x10", "@0 up 0x74"}},
      {"Ctrl+Alt+Shift+Delete", HotKey(1, 1, 2, VK_DELETE),
       {"@0 down 0x11", "@0 down 0x12", "@0 down 0x10", "@0 down 0x2e", "@0 up 0x11", "@0 up 0x12",
        "@0 up 0x10", "@0 up 0x2e"}},
      {"Return", HotKey(0, 0, 0, VK_RETURN), {"@0 down 0x0d", "@0 up 0x0d"}},
      {"a code outside the table", HotKey(0, 0, 0, 0xA5), {"@0 down 0xa5", "@0 up 0xa5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    desktop.Clear();
    CActionHotKey action = c.action;
    EXPECT_EQ(action.Execute(nullptr), 1);
    std::vector<std::string> expected = {"@0 foreground 4660"};
    expected.insert(expected.end(), c.keys.begin(), c.keys.end());
    expected.push_back("@0 sleep 300");
    EXPECT_EQ(Trace(), expected);
    EXPECT_EQ(desktop.Now(), 300u);
    EXPECT_TRUE(desktop.AllReleased());
  }
}

TEST_F(ActionTest, AltF4NeverClosesTheHostsOwnWindow) {
  HWND host = WindowFromNumber(77);
  HostMainWindow main(host);

  desktop.SetActive(host);
  CActionHotKey altF4 = HotKey(0, 1, 0, VK_F4);
  EXPECT_EQ(altF4.Execute(nullptr), 1);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 foreground 4660", "@0 sleep 500"}));
  EXPECT_EQ(desktop.Now(), 500u);

  // Another window active: played after the wait.
  desktop.Clear();
  desktop.SetActive(WindowFromNumber(5));
  EXPECT_EQ(altF4.Execute(nullptr), 1);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 foreground 4660", "@0 sleep 500", "@500 down 0x12",
                                                "@500 down 0x73", "@500 up 0x12", "@500 up 0x73",
                                                "@500 sleep 300"}));
  EXPECT_TRUE(desktop.AllReleased());

  // With more modifiers there is no guard at all.
  desktop.SetActive(host);
  for (CActionHotKey other : {HotKey(1, 1, 0, VK_F4), HotKey(0, 1, 1, VK_F4), HotKey(0, 0, 0, VK_F4)}) {
    desktop.Clear();
    EXPECT_EQ(other.Execute(nullptr), 1);
    EXPECT_EQ(desktop.Now(), 300u);
    EXPECT_FALSE(desktop.PressedKeys().size());
    EXPECT_GE(desktop.CallCount(), 4u);
  }
}

TEST_F(ActionTest, AltF4IsPlayedWhenTheHostRegisteredNoWindow) {
  SetHostMainWindow(nullptr);
  desktop.SetActive(nullptr);
  CActionHotKey altF4 = HotKey(0, 1, 0, VK_F4);
  EXPECT_EQ(altF4.Execute(nullptr), 1);
  EXPECT_EQ(desktop.Now(), 800u);
  EXPECT_EQ(desktop.CallCount(), 7u);  // foreground, wait, four keys, wait
  EXPECT_TRUE(desktop.AllReleased());
}

TEST(KeyTableTest, PositionsCodesAndNames) {
  struct Case {
    int position;
    BYTE code;
    const char* name;
  };
  const Case cases[] = {
      {0, 0x30, "0"},     {9, 0x39, "9"},        {10, 0x41, "A"},          {35, 0x5A, "Z"},
      {36, 0x70, "F1"},   {47, 0x7B, "F12"},     {48, 8, "Back Space"},    {49, 9, "TAB"},
      {52, 27, "ESC"},    {53, 32, "Space"},     {58, 37, "Left Arrow"},   {63, 46, "Delete"},
      {64, 44, "Print Screen"},
  };
  for (const Case& c : cases) {
    CString name;
    EXPECT_EQ(GetKeyCodeAt(c.position), c.code) << c.position;
    EXPECT_EQ(GetKeyNameAt(name, c.position), static_cast<int>(std::strlen(c.name)));
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(FindKeyCode(c.code), c.position);
  }
  CString name = "stale";
  EXPECT_EQ(GetKeyCodeAt(65), 0);
  EXPECT_EQ(GetKeyCodeAt(-1), 0);
  EXPECT_EQ(GetKeyNameAt(name, 65), 0);
  EXPECT_TRUE(name.IsEmpty());
  EXPECT_EQ(FindKeyCode(0x5B), -1);
  EXPECT_EQ(FindKeyCode(0), -1);
  for (int i = 0; i < kKeyTableSize; ++i) EXPECT_LT(GetKeyCodeAt(i), 0x80);
}

TEST_F(ActionTest, HotKeyDescriptions) {
  CActionHotKey fresh;
  CString out;
  EXPECT_EQ(fresh.m_cKey, 0x30);
  EXPECT_EQ(fresh.GetDescription(nullptr, out, 1), 12);
  EXPECT_EQ(out, "Hot Key -- 0");

  CActionHotKey save = HotKey(1, 0, 1, 'S');
  save.GetDescription(nullptr, out, 0);
  EXPECT_EQ(out, "Hot Key -- Ctrl + Shift + S");
  HotKey(1, 1, 1, VK_SNAPSHOT).GetDescription(nullptr, out, 0);
  EXPECT_EQ(out, "Hot Key -- Ctrl + Alt + Shift + Print Screen");

  CActionHotKey unknown = HotKey(0, 1, 0, 0x5B);
  EXPECT_EQ(unknown.GetDescription(nullptr, out, 0), 0);
  EXPECT_EQ(out, "Hot Key -- Alt + ");
  EXPECT_EQ(unknown.GetTypeName(), "Hot Key");
}

TEST_F(ActionTest, HotKeyProfileKeysRoundTripWithTheirDefaults) {
  CActionHotKey action = HotKey(1, 0, 1, VK_F5);
  action.m_strActionAlias = "Refresh";
  action.WriteContainer(profile, "M.01");
  EXPECT_NE(ReadFile(profile).find("[M.01]\r\nAlias=Refresh\r\nType=3\r\nExtraType=0\r\nCtrl=1\r\nAlt=0\r\n"
                                   "Shift=1\r\nchar=116\r\n"),
            std::string::npos)
      << ReadFile(profile);
  CActionHotKey loaded;
  loaded.ReadContainer(profile, "M.01");
  EXPECT_EQ(loaded.m_bCtrl, 1);
  EXPECT_EQ(loaded.m_bAlt, 0);
  EXPECT_EQ(loaded.m_bShift, 1);
  EXPECT_EQ(loaded.m_cKey, VK_F5);
  EXPECT_EQ(loaded.m_strActionAlias, "Refresh");

  // A code of 0x80 or more is written as a signed byte and comes back.
  action.m_cKey = 0x90;
  action.WriteContainer(profile, "M.02");
  EXPECT_NE(ReadFile(profile).find("char=-112\r\n"), std::string::npos);
  loaded.ReadContainer(profile, "M.02");
  EXPECT_EQ(loaded.m_cKey, 0x90);

  WriteFile(profile, "[M.03]\r\nType=3\r\n[M.04]\r\nCtrl=1\r\nchar=67\r\n[M.05]\r\nchar=1089\r\nAlt=junk\r\n");
  loaded.ReadContainer(profile, "M.03");
  EXPECT_EQ(loaded.m_cKey, 'A');
  EXPECT_EQ(loaded.m_bCtrl | loaded.m_bAlt | loaded.m_bShift, 0);
  loaded.ReadContainer(profile, "M.04");
  EXPECT_EQ(loaded.m_bCtrl, 1);
  EXPECT_EQ(loaded.m_cKey, 'C');
  loaded.ReadContainer(profile, "M.05");
  EXPECT_EQ(loaded.m_cKey, 0x41);  // 1089 keeps its low 8 bits
  EXPECT_EQ(loaded.m_bAlt, 0);
}

TEST_F(ActionTest, HotKeyRegistryWord) {
  CActionHotKey action = HotKey(1, 1, 0, 'A');
  action.m_strActionAlias = "all";
  EXPECT_EQ(action.WriteRegistry(ListKey(), 2), 1);
  EXPECT_EQ(Value("Action02", "Action"), (std::pair<DWORD, std::string>{REG_BINARY, "\x41\x0C"}));
  EXPECT_EQ(Value("Action02", "Type"), (std::pair<DWORD, std::string>{REG_BINARY, std::string("\x03\x00", 2)}));
  EXPECT_EQ(Value("Action02", nullptr), (std::pair<DWORD, std::string>{REG_SZ, "all"}));

  CActionHotKey loaded;
  EXPECT_EQ(loaded.ReadRegistry(ListKey(), 2), 1);
  EXPECT_EQ(loaded.m_bCtrl, 1);
  EXPECT_EQ(loaded.m_bAlt, 1);
  EXPECT_EQ(loaded.m_bShift, 0);
  EXPECT_EQ(loaded.m_cKey, 'A');
  EXPECT_EQ(loaded.m_strActionAlias, "all");

  SetValue("Action03", "Action", REG_BINARY, "\x41\x02");
  loaded.ReadRegistry(ListKey(), 3);
  EXPECT_EQ(loaded.m_bShift, 1);
  EXPECT_EQ(loaded.m_bCtrl + loaded.m_bAlt, 0);
  EXPECT_EQ(loaded.m_cKey, 'A');

  // Codes of 0x80 and more keep the modifier bits clear.
  CActionHotKey high = HotKey(0, 0, 1, 0xF0);
  high.WriteRegistry(ListKey(), 4);
  EXPECT_EQ(Value("Action04", "Action").second, "\xF0\x02");

  // Missing, of another size, or a missing subkey: key 0 and no modifiers.
  for (int index : {5, 6}) {
    if (index == 6) SetValue("Action06", "Action", REG_BINARY, std::string("\x41\x0C\x00\x00", 4));
    loaded.m_bCtrl = loaded.m_bAlt = loaded.m_bShift = 1;
    loaded.m_cKey = 'Q';
    EXPECT_EQ(loaded.ReadRegistry(ListKey(), index), 1);
    EXPECT_EQ(loaded.m_cKey, 0);
    EXPECT_EQ(loaded.m_bCtrl + loaded.m_bAlt + loaded.m_bShift, 0);
  }
  EXPECT_FALSE(SubkeyExists("Action05")) << "reading creates nothing";
}

TEST_F(ActionTest, HotKeyCloneCopiesItsFields) {
  CActionHotKey action = HotKey(1, 0, 1, 'Z');
  action.m_dwExtraType = 4;
  std::unique_ptr<CContainer> copy(action.Clone());
  auto* clone = dynamic_cast<CActionHotKey*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(clone->m_wKind, ACTION_HOTKEY);
  EXPECT_EQ(clone->m_bCtrl, 1);
  EXPECT_EQ(clone->m_bShift, 1);
  EXPECT_EQ(clone->m_cKey, 'Z');
  EXPECT_EQ(clone->m_dwExtraType, 4);
}

}  // namespace
}  // namespace corvane

#include <memory>
#include <typeinfo>

#include "ActionFixture.h"
#include "ShellTrace.h"
#include "actions/ActionInternet.h"
#include "actions/ActionRun.h"
#include "actions/ActionSound.h"
#include "actions/WindowStateTable.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

CActionRun Program(const char* application, const char* parameter = "", int state = 0, const char* folder = "") {
  CActionRun action;
  action.m_strApplication = application;
  action.m_strApplicationPath = folder;
  action.m_strParameter = parameter;
  action.m_nWindowState = state;
  return action;
}

CActionRun LoadTemplate(const char* layout) {
  CActionRun action;
  action.SetLoadTemplate(layout);
  return action;
}

TEST_F(ActionTest, FactoryBuildsRunSoundAndInternetActions) {
  struct Case {
    int type;
    WORD kind;
    const std::type_info* type_info;
  };
  const Case cases[] = {
      {2, ACTION_RUN, &typeid(CActionRun)},
      {0x0302, ACTION_RUN, &typeid(CActionRun)},
      {7, ACTION_INTERNET, &typeid(CActionInternet)},
      {9, ACTION_SOUND, &typeid(CActionSound)},
      {-247, ACTION_SOUND, &typeid(CActionSound)},  // low byte 0x09
  };
  for (const Case& c : cases) {
    std::unique_ptr<CAction> action(CreateAction(c.type));
    ASSERT_NE(action, nullptr) << c.type;
    EXPECT_EQ(typeid(*action), *c.type_info) << c.type;
    EXPECT_EQ(action->m_wKind, c.kind);
    EXPECT_EQ(action->m_dwExtraType, 0);
    EXPECT_EQ(action->m_nContainerType, 1);
    EXPECT_EQ(action->GetCount(), 0);
  }
}

TEST_F(ActionTest, RunOpensThroughTheShellWithTheShowCommandOfItsWindowState) {
  struct Case {
    CActionRun action;
    std::uintptr_t window;
    std::string call;
  };
  const Case cases[] = {
      {Program("C:\\Tools\\calc.exe", "", 1, "C:\\Tools\\"), 0,
       "@0 shell 0 open \"C:\\Tools\\calc.exe\" \"\" null 3"},
      {Program("C:\\Windows\\notepad.exe", "readme.txt"), 0x777,
       "@0 shell 1911 open \"C:\\Windows\\notepad.exe\" \"readme.txt\" null 10"},
      {Program("report.doc", "", 2), 0, "@0 shell 0 open \"report.doc\" \"\" null 2"},
      // A window state outside the table opens with the default.
      {Program("calc.exe", "", 7), 0, "@0 shell 0 open \"calc.exe\" \"\" null 10"},
      {Program("calc.exe", "", -1), 0, "@0 shell 0 open \"calc.exe\" \"\" null 10"},
      // The template-load form hands the host the bare layout file.
      {LoadTemplate("D:\\Pads\\office.tmt"), 0x55,
       "@0 shell 85 open \"Tapdeck.exe\" \"D:\\Pads\\office.tmt\" null 10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    desktop.Clear();
    CActionRun action = c.action;
    EXPECT_EQ(action.Execute(WindowFromNumber(c.window)), 1);
    EXPECT_EQ(ShellTrace(desktop), std::vector<std::string>{c.call});
    EXPECT_EQ(desktop.Now(), 0u) << "the action does not wait for the program";
  }

  // A shell that cannot open the file changes nothing.
  desktop.Clear();
  desktop.SetShellExecuteResult(2);
  CActionRun missing = Program("C:\\nowhere.exe");
  EXPECT_EQ(missing.Execute(nullptr), 1);
  EXPECT_EQ(desktop.CallCount(), 1u);
}

TEST_F(ActionTest, RunDescriptionNamesTheFileAfterTheLastSeparator) {
  struct Case {
    const char* application;
    const char* parameter;
    const char* description;
  };
  const Case cases[] = {
      {"C:\\Windows\\notepad.exe", "readme.txt", "Run -- notepad.exe readme.txt"},
      {"C:\\Tools\\calc.exe", "", "Run -- calc.exe"},
      {"calc.exe", "", "Run -- calc.exe"},
      {"/usr/bin/gimp", "--new-instance", "Run -- gimp --new-instance"},
      {"C:/Tools\\sub/app.exe", "", "Run -- app.exe"},
      {"\\\\server\\share\\setup.exe", "/q", "Run -- setup.exe /q"},
      // A folder keeps its whole path rather than an empty name.
      {"C:\\Tools\\", "", "Run -- C:\\Tools\\"},
      {"", "", "Run -- "},
  };
  for (const Case& c : cases) {
    CActionRun action = Program(c.application, c.parameter);
    CString out = "untouched";
    EXPECT_EQ(action.GetDescription(nullptr, out, 1), static_cast<int>(std::strlen(c.description)));
    EXPECT_EQ(out, c.description);
  }
  CActionRun load = LoadTemplate("D:\\Pads\\office.tmt");
  CString out;
  load.GetDescription(nullptr, out, 0);
  EXPECT_EQ(out, "Run -- Tapdeck.exe D:\\Pads\\office.tmt");
  EXPECT_EQ(GetFileNamePart("a/b\\c"), "c");
}

TEST_F(ActionTest, WindowStateTableNamesAndShowCommands) {
  const char* names[] = {"Default", "Maximized", "Minimized"};
  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC}) {
    SetResourceLanguage(language);
    CString name;
    for (int i = 0; i < kWindowStateCount; ++i) {
      EXPECT_EQ(GetWindowStateNameAt(name, i), static_cast<int>(std::strlen(names[i])));
      EXPECT_EQ(name, names[i]);
      EXPECT_TRUE(HasResString(97 + static_cast<UINT>(i), language));
    }
    for (int outside : {3, -1}) {
      name = "untouched";
      EXPECT_EQ(GetWindowStateNameAt(name, outside), 0);
      EXPECT_TRUE(name.IsEmpty());
    }
    CActionRun action;
    EXPECT_EQ(action.GetTypeName(), "Run");
    EXPECT_TRUE(HasResString(48, language));
  }
  SetResourceLanguage(0);
  const std::pair<int, INT> commands[] = {{0, 10}, {1, 3}, {2, 2}, {3, 10}, {-5, 10}, {1 << 30, 10}};
  for (auto [position, command] : commands) EXPECT_EQ(GetShowCommandAt(position), command) << position;
}

TEST_F(ActionTest, RunProfileKeysRoundTrip) {
  CActionRun program = Program("C:\\Windows\\notepad.exe", "readme.txt", 1, "C:\\Windows\\");
  program.m_strActionAlias = "Notes";
  program.WriteContainer(profile, "A.01");
  CActionRun load = LoadTemplate("D:\\Pads\\office.tmt");
  load.WriteContainer(profile, "A.02");
  CActionRun empty;
  empty.WriteContainer(profile, "A.03");
  const std::string file = ReadFile(profile);
  EXPECT_NE(file.find("[A.01]\r\nAlias=Notes\r\nType=2\r\nExtraType=0\r\nApplication=C:\\Windows\\notepad.exe\r\n"
                      "ApplicationPath=C:\\Windows\\\r\nParameter=readme.txt\r\nWindowState=1\r\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("[A.02]\r\nType=2\r\nExtraType=1\r\nApplication=Tapdeck.exe\r\nApplicationPath=/Load=\r\n"
                      "Parameter=D:\\Pads\\office.tmt\r\nWindowState=0\r\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("[A.03]\r\nType=2\r\nExtraType=0\r\nApplication=\r\nApplicationPath=\r\nParameter=\r\n"
                      "WindowState=0\r\n"),
            std::string::npos)
      << file;

  CActionRun loaded;
  loaded.ReadContainer(profile, "A.01");
  EXPECT_EQ(loaded.m_strActionAlias, "Notes");
  EXPECT_EQ(loaded.m_dwExtraType, 0);
  EXPECT_EQ(loaded.m_strApplication, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(loaded.m_strApplicationPath, "C:\\Windows\\");
  EXPECT_EQ(loaded.m_strParameter, "readme.txt");
  EXPECT_EQ(loaded.m_nWindowState, 1);

  CActionRun loadedTemplate;
  loadedTemplate.ReadContainer(profile, "A.02");
  EXPECT_EQ(loadedTemplate.m_dwExtraType, 1);
  EXPECT_EQ(loadedTemplate.m_strApplication, "Tapdeck.exe");
  EXPECT_EQ(loadedTemplate.m_strApplicationPath, "/Load=");
  EXPECT_EQ(loadedTemplate.m_strParameter, "D:\\Pads\\office.tmt");

  // Empty or missing texts keep what was there; a missing window state is 0.
  loaded.ReadContainer(profile, "A.03");
  EXPECT_EQ(loaded.m_strApplication, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(loaded.m_strApplicationPath, "C:\\Windows\\");
  EXPECT_EQ(loaded.m_strParameter, "readme.txt");
  EXPECT_EQ(loaded.m_nWindowState, 0);
  WriteFile(profile, "[B]\r\nType=2\r\nWindowState=garbage\r\n");
  loaded.m_nWindowState = 2;
  loaded.ReadContainer(profile, "B");
  EXPECT_EQ(loaded.m_nWindowState, 0);
  EXPECT_EQ(loaded.m_strApplication, "C:\\Windows\\notepad.exe");

  // A path longer than a 255-byte buffer comes back whole.
  const std::string deep = "C:\\" + std::string(300, 'd') + "\\tool.exe";
  Program(deep.c_str()).WriteContainer(profile, "C");
  loaded.ReadContainer(profile, "C");
  EXPECT_EQ(loaded.m_strApplication.str(), deep);
}

TEST_F(ActionTest, RunRegistryValuesOfBothForms) {
  using V = std::pair<DWORD, std::string>;
  CActionRun program = Program("C:\\Windows\\notepad.exe", "readme.txt", 2, "C:\\Windows\\");
  EXPECT_EQ(program.WriteRegistry(ListKey(), 1), 1);
  EXPECT_EQ(Value("Action01", "Action"), (V{REG_SZ, "C:\\Windows\\notepad.exe"}));
  EXPECT_EQ(Value("Action01", "Param01"), (V{REG_SZ, "C:\\Windows\\"}));
  EXPECT_EQ(Value("Action01", "Param02"), (V{REG_SZ, "readme.txt"}));
  EXPECT_EQ(Value("Action01", "Type"), (V{REG_BINARY, std::string("\x02\x00", 2)}));
  EXPECT_EQ(Value("Action01", "ExtraType"), (V{REG_BINARY, std::string(4, '\0')}));
  EXPECT_EQ(Value("Action01", "WindowState").second, "no value");

  CActionRun load = LoadTemplate("D:\\Pads\\office.tmt");
  EXPECT_EQ(load.WriteRegistry(ListKey(), 2), 1);
  EXPECT_EQ(Value("Action02", "Action"), (V{REG_SZ, "Tapdeck.exe"}));
  EXPECT_EQ(Value("Action02", "Param01"), (V{REG_SZ, ""}));
  EXPECT_EQ(Value("Action02", "Param02"), (V{REG_SZ, "/Load=D:\\Pads\\office.tmt"}));
  EXPECT_EQ(Value("Action02", "ExtraType"), (V{REG_BINARY, std::string("\x01\x00\x00\x00", 4)}));

  CActionRun loaded;
  EXPECT_EQ(loaded.ReadRegistry(ListKey(), 1), 1);
  EXPECT_EQ(loaded.m_strApplication, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(loaded.m_strApplicationPath, "C:\\Windows\\");
  EXPECT_EQ(loaded.m_strParameter, "readme.txt");
  EXPECT_EQ(loaded.m_dwExtraType, 0);
  EXPECT_EQ(loaded.m_nWindowState, 0) << "the window state is not kept in the registry";

  CActionRun loadedTemplate;
  EXPECT_EQ(loadedTemplate.ReadRegistry(ListKey(), 2), 1);
  EXPECT_EQ(loadedTemplate.m_dwExtraType, 1);
  EXPECT_EQ(loadedTemplate.m_strApplication, "Tapdeck.exe");
  EXPECT_EQ(loadedTemplate.m_strApplicationPath, "");
  EXPECT_EQ(loadedTemplate.m_strParameter, "D:\\Pads\\office.tmt");
  desktop.Clear();
  loadedTemplate.Execute(nullptr);
  EXPECT_EQ(ShellTrace(desktop),
            std::vector<std::string>{"@0 shell 0 open \"Tapdeck.exe\" \"D:\\Pads\\office.tmt\" null 10"});

  // A path past the shared 512-byte buffer keeps its switch and its end.
  const std::string deep = "D:\\" + std::string(700, 'p') + "\\deep.tmt";
  LoadTemplate(deep.c_str()).WriteRegistry(ListKey(), 3);
  EXPECT_EQ(Value("Action03", "Param02").second, "/Load=" + deep);
  loadedTemplate.ReadRegistry(ListKey(), 3);
  EXPECT_EQ(loadedTemplate.m_strParameter.str(), deep);
}

TEST_F(ActionTest, RunRegistryReadTakesTheSwitchOffOnlyInTheTemplateForm) {
  struct Case {
    std::string extraType;  // 4 bytes, or empty for none
    const char* param02;
    LONG form;
    const char* parameter;
  };
  const Case cases[] = {
      {std::string("\x01\x00\x00\x00", 4), "/LOAD=x.tmt", 1, "x.tmt"},
      {std::string("\x01\x00\x00\x00", 4), "/load=", 1, ""},
      {std::string("\x01\x00\x00\x00", 4), "x.tmt", 1, "x.tmt"},
      {std::string("\x01\x00\x00\x00", 4), "/Load", 1, "/Load"},
      {std::string(4, '\0'), "/LOAD=x.tmt", 0, "/LOAD=x.tmt"},
      {std::string("\x05\x00\x00\x00", 4), "/Load=x.tmt", 0, "/Load=x.tmt"},
      {std::string("\xff\xff\xff\xff", 4), "/Load=x.tmt", 0, "/Load=x.tmt"},
      {"", "/Load=x.tmt", 0, "/Load=x.tmt"},
  };
  int index = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.param02);
    const std::string subkey = "Action" + std::to_string(++index);
    SetValue(subkey.c_str(), "Action", REG_SZ, "Tapdeck.exe");
    SetValue(subkey.c_str(), "Param02", REG_SZ, c.param02);
    if (!c.extraType.empty()) SetValue(subkey.c_str(), "ExtraType", REG_BINARY, c.extraType);
    CActionRun action;
    action.ReadRegistry(ListKey(), index);
    EXPECT_EQ(action.m_dwExtraType, c.form);
    EXPECT_EQ(action.m_strParameter, c.parameter);
  }
}

TEST_F(ActionTest, RunRegistryReadOfMissingOrDamagedValues) {
  CActionRun action = Program("C:\\kept.exe", "kept", 1, "C:\\");
  action.m_dwExtraType = 1;
  EXPECT_EQ(action.ReadRegistry(ListKey(), 40), 1);
  EXPECT_EQ(action.m_strApplication, "C:\\kept.exe");
  EXPECT_EQ(action.m_strApplicationPath, "C:\\");
  EXPECT_EQ(action.m_strParameter, "kept");
  EXPECT_EQ(action.m_dwExtraType, 0);
  EXPECT_FALSE(SubkeyExists("Action40"));

  // Text cut at its first zero byte; a value of another type is not a text;
  // a missing value keeps its field; a value longer than 256 bytes is read
  // whole.
  const std::string longParameter(400, 'q');
  SetValue("Action41", "Action", REG_SZ, std::string("app.exe\0junk", 12));
  SetValue("Action41", "Param01", REG_BINARY, "\x01\x02");
  SetValue("Action41", "Param02", REG_EXPAND_SZ, longParameter);
  action.ReadRegistry(ListKey(), 41);
  EXPECT_EQ(action.m_strApplication, "app.exe");
  EXPECT_EQ(action.m_strApplicationPath, "C:\\");
  EXPECT_EQ(action.m_strParameter.str(), longParameter);
}

// The example of docs/trace.md.
TEST_F(ActionTest, RunInternetAndSoundTraceLines) {
  desktop.SetSoundDuration(1500);
  const HWND window = WindowFromNumber(100);
  Program("C:\\Windows\\notepad.exe", "readme.txt", 1).Execute(window);
  LoadTemplate("D:\\Pads\\office.tmt").Execute(window);
  CActionInternet site;
  site.m_strAddress = "www.example.com";
  site.Execute(window);
  CActionSound twice;
  twice.m_strSound = "C:\\Media\\ding.wav";
  twice.m_nPlayMode = 1;
  twice.m_nRepeat = 2;
  twice.Execute(window);
  CActionSound once;
  once.m_strSound = "C:\\Media\\chimes.wav";
  once.Execute(window);
  EXPECT_EQ(desktop.ToJsonLines(),
            R"({"t":0,"fn":"ShellExecuteA","hwnd":100,"verb":"open","file":"C:\\Windows\\notepad.exe","params":"readme.txt","dir":null,"show":3}
{"t":0,"fn":"ShellExecuteA","hwnd":100,"verb":"open","file":"Tapdeck.exe","params":"D:\\Pads\\office.tmt","dir":null,"show":10}
{"t":0,"fn":"ShellExecuteA","hwnd":100,"verb":"open","file":"http://www.example.com","params":null,"dir":null,"show":1}
{"t":0,"fn":"PlaySoundA","sound":"C:\\Media\\ding.wav","flags":128}
{"t":1500,"fn":"PlaySoundA","sound":"C:\\Media\\ding.wav","flags":128}
{"t":3000,"fn":"PlaySoundA","sound":"C:\\Media\\chimes.wav","flags":1}
)");
}

TEST_F(ActionTest, RunCloneCopiesItsFields) {
  CActionRun source = LoadTemplate("D:\\Pads\\office.tmt");
  source.m_strActionAlias = "Office pad";
  source.m_nWindowState = 2;
  std::unique_ptr<CContainer> copy(source.Clone());
  auto* run = dynamic_cast<CActionRun*>(copy.get());
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->m_wKind, ACTION_RUN);
  EXPECT_EQ(run->m_dwExtraType, 1);
  EXPECT_EQ(run->m_strActionAlias, "Office pad");
  EXPECT_EQ(run->m_strApplication, "Tapdeck.exe");
  EXPECT_EQ(run->m_strApplicationPath, "/Load=");
  EXPECT_EQ(run->m_strParameter, "D:\\Pads\\office.tmt");
  EXPECT_EQ(run->m_nWindowState, 2);
}

}  // namespace
}  // namespace corvane

#include <memory>

#include "ActionFixture.h"
#include "actions/ActionMenu.h"
#include "actions/ActionText.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

TEST_F(ActionTest, MenuPostsMenuModeThenEachLetterEvery30ms) {
  struct Case {
    const char* menu;
    std::vector<std::string> trace;
  };
  const Case cases[] = {
      {"FS",
       {"@0 post 274 0xf100 0x0", "@0 sleep 30", "@30 post 256 0x46 0x1", "@30 post 257 0x46 0xc0000001",
        "@30 sleep 30", "@60 post 256 0x53 0x1", "@60 post 257 0x53 0xc0000001"}},
      {"", {"@0 post 274 0xf100 0x0"}},
      // Small letters would be numeric-pad keys: they go as the capitals.
      {"e", {"@0 post 274 0xf100 0x0", "@0 sleep 30", "@30 post 256 0x45 0x1", "@30 post 257 0x45 0xc0000001"}},
      // A byte of 0x80 or more is widened with its sign.
      {"\xC4",
       {"@0 post 274 0xf100 0x0", "@0 sleep 30", "@30 post 256 0xffffffc4 0x1",
        "@30 post 257 0xffffffc4 0xc0000001"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    desktop.Clear();
    CActionMenu action;
    action.m_strMenu = c.menu;
    EXPECT_EQ(action.Execute(nullptr), 1);
    EXPECT_EQ(Trace(), c.trace);
    for (const auto& call : desktop.Calls()) {
      if (call.fn == "PostMessageA") {
        EXPECT_EQ(call.Number("hwnd"), static_cast<std::int64_t>(kForeground));
      }
    }
    EXPECT_TRUE(desktop.AllReleased());
  }
}

TEST_F(ActionTest, TextGoesThroughTheClipboardAndControlV) {
  CActionText action;
  action.m_strText = "Hello";
  EXPECT_EQ(action.Execute(nullptr), 1);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 OpenClipboard", "@0 EmptyClipboard", "@0 alloc 0x2000 6",
                                                "@0 setclip 7 \"Hello\"", "@0 CloseClipboard", "@0 down 0x11",
                                                "@0 down 0x56", "@0 up 0x56", "@0 up 0x11", "@0 sleep 500"}));
  EXPECT_EQ(desktop.ClipboardText(), "Hello");
  EXPECT_EQ(desktop.ClipboardFormat(), CF_OEMTEXT);
  EXPECT_EQ(desktop.Calls()[0].Number("hwnd"), 0);
  EXPECT_TRUE(desktop.AllReleased());
  EXPECT_FALSE(desktop.IsClipboardOpen());
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 0u);

  // A multi-line text is typed whole, UTF-8 as it is.
  desktop.Clear();
  action.m_strText = "Kind regards,\r\nJos\xC3\xA9";
  EXPECT_EQ(action.Execute(nullptr), 1);
  EXPECT_EQ(desktop.ClipboardText(), "Kind regards,\r\nJos\xC3\xA9");
  EXPECT_EQ(desktop.Calls()[2].Number("bytes"), 21);
}

TEST_F(ActionTest, TextFailuresTypeNothing) {
  CActionText empty;
  EXPECT_EQ(empty.Execute(nullptr), 1);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 OpenClipboard", "@0 EmptyClipboard", "@0 CloseClipboard"}));

  CActionText action;
  action.m_strText = "Hello";
  desktop.Clear();
  desktop.SetMemoryAvailable(false);
  EXPECT_EQ(action.Execute(nullptr), 0);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 OpenClipboard", "@0 EmptyClipboard", "@0 alloc 0x2000 6",
                                                "@0 CloseClipboard"}));
  EXPECT_FALSE(desktop.IsClipboardOpen());

  desktop.Clear();
  desktop.SetMemoryAvailable(true);
  desktop.SetClipboardAvailable(false);
  EXPECT_EQ(action.Execute(nullptr), 0);
  EXPECT_EQ(Trace(), (std::vector<std::string>{"@0 OpenClipboard"}));
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 0u);
  EXPECT_TRUE(desktop.AllReleased());
}

// True when text is in file and ends its section: nothing but a blank line,
// the next header or the end of the file follows.
bool LastKeysOfSection(const std::string& file, const std::string& text) {
  const std::size_t at = file.find(text);
  if (at == std::string::npos) return false;
  const std::string rest = file.substr(at + text.size());
  return rest.empty() || rest.rfind("\r\n", 0) == 0 || rest.rfind("[", 0) == 0;
}

std::string ProfileText(const std::string& file, const char* section, const char* key) {
  char buffer[512];
  GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, file.c_str());
  return buffer;
}

TEST_F(ActionTest, MenuAndTextProfileKeys) {
  CActionMenu menu;
  menu.m_strMenu = "FS";
  menu.WriteContainer(profile, "A.01");
  CActionText text;
  text.m_strText = "C:\\Users\\me \\n stays";  // backslashes of a one-line text are kept as they are
  text.WriteContainer(profile, "A.02");
  CActionMenu emptyMenu;
  emptyMenu.WriteContainer(profile, "A.03");
  const std::string file = ReadFile(profile);
  EXPECT_NE(file.find("[A.01]\r\nType=10\r\nExtraType=0\r\nMenu=FS\r\n"), std::string::npos) << file;
  EXPECT_TRUE(LastKeysOfSection(file, "[A.02]\r\nType=4\r\nExtraType=0\r\nText=C:\\Users\\me \\n stays\r\n")) << file;
  EXPECT_NE(file.find("[A.03]\r\nType=10\r\nExtraType=0\r\nMenu=\r\n"), std::string::npos) << file;

  CActionMenu loadedMenu;
  loadedMenu.ReadContainer(profile, "A.01");
  EXPECT_EQ(loadedMenu.m_strMenu, "FS");
  CActionText loadedText;
  loadedText.ReadContainer(profile, "A.02");
  EXPECT_EQ(loadedText.m_strText, text.m_strText);

  // A missing or empty key keeps what was there.
  loadedMenu.ReadContainer(profile, "A.03");
  EXPECT_EQ(loadedMenu.m_strMenu, "FS");
  loadedText.ReadContainer(profile, "A.03");
  EXPECT_EQ(loadedText.m_strText, text.m_strText);

  // Long values come back whole.
  text.m_strText = CString(std::string(3000, 'x') + "end");
  text.WriteContainer(profile, "A.04");
  loadedText.ReadContainer(profile, "A.04");
  EXPECT_EQ(loadedText.m_strText, text.m_strText);
  menu.m_strMenu = CString(std::string(255, 'E'));
  menu.WriteContainer(profile, "A.05");
  loadedMenu.ReadContainer(profile, "A.05");
  EXPECT_EQ(loadedMenu.m_strMenu.GetLength(), 255);
}

TEST_F(ActionTest, TextsThatAPlainValueWouldChangeSurviveEscaped) {
  const char* texts[] = {
      "Kind regards,\r\nJos\xC3\xA9\r\n",
      "\r\nstarts with a break",
      "  indented\r\n\tand tabbed  ",
      "trailing blank ",
      "a\\nb\r\nback\\slash \\s",
      "unix\nline\nends",
  };
  int index = 0;
  for (const char* value : texts) {
    SCOPED_TRACE(value);
    const std::string section = "T." + std::to_string(++index);
    CActionText text;
    text.m_strText = value;
    text.WriteContainer(profile, section.c_str());
    CActionText loaded;
    loaded.ReadContainer(profile, section.c_str());
    EXPECT_EQ(loaded.m_strText, value);
  }
  const std::string file = ReadFile(profile);
  // Read through the profile functions: the file holds the text in UTF-8 on
  // Linux and in the system's code page on Windows.
  EXPECT_EQ(ProfileText(profile, "T.1", "Text"), "Kind regards,");
  EXPECT_EQ(ProfileText(profile, "T.1", "TextEscaped"), "Kind regards,\\r\\nJos\xC3\xA9\\r\\n");
  EXPECT_NE(file.find("[T.1]\r\nType=4\r\nExtraType=0\r\nText=Kind regards,\r\nTextEscaped=Kind regards,"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("TextEscaped=\\s indented\\r\\n\\tand tabbed \\s\r\n"), std::string::npos) << file;

  // A later one-line save must not bring the old lines back.
  CActionText text;
  text.m_strText = "Kind regards,";
  text.WriteContainer(profile, "T.1");
  CActionText loaded;
  loaded.ReadContainer(profile, "T.1");
  EXPECT_EQ(loaded.m_strText, "Kind regards,");

  // A "Text" changed by a program that does not know the escaped key wins.
  WriteFile(profile, "[X]\r\nText=Changed\r\nTextEscaped=Old\\r\\nlines\r\n");
  loaded.ReadContainer(profile, "X");
  EXPECT_EQ(loaded.m_strText, "Changed");

  // A file of the one-line format reads as it always did.
  WriteFile(profile, "[Y]\r\nText=Dear Sir\r\nsecond line of a text written raw\r\n");
  loaded.ReadContainer(profile, "Y");
  EXPECT_EQ(loaded.m_strText, "Dear Sir");

  EXPECT_EQ(UnescapeProfileText("\\q\\"), "\\q\\");
  EXPECT_EQ(EscapeProfileText(" "), "\\s");
}

TEST_F(ActionTest, MenuAndTextDescriptionsTypeNamesAndClones) {
  CActionMenu menu;
  menu.m_strMenu = "FS";
  CString out;
  EXPECT_EQ(menu.GetDescription(nullptr, out, 1), 10);
  EXPECT_EQ(out, "Menu -- FS");
  CActionText text;
  text.m_strText = "Kind regards";
  text.GetDescription(nullptr, out, 1);
  EXPECT_EQ(out, "Text -- Kind regards");
  text.m_strText = "Kind regards,\r\nJo\nand\rmore";
  text.GetDescription(nullptr, out, 1);
  EXPECT_EQ(out, "Text -- Kind regards, Jo and more");

  for (LANGID language : {LANG_ENGLISH_US, LANG_CHINESE_TAIWAN, LANG_KOREAN, LANG_CHINESE_PRC}) {
    EXPECT_TRUE(HasResString(62, language));
    EXPECT_TRUE(HasResString(63, language));
    EXPECT_TRUE(HasResString(47, language));
    EXPECT_EQ(LoadResString(62, language), "Menu");
    EXPECT_EQ(LoadResString(63, language), "Text");
  }

  std::unique_ptr<CContainer> menuCopy(menu.Clone());
  std::unique_ptr<CContainer> textCopy(text.Clone());
  ASSERT_NE(dynamic_cast<CActionMenu*>(menuCopy.get()), nullptr);
  ASSERT_NE(dynamic_cast<CActionText*>(textCopy.get()), nullptr);
  EXPECT_EQ(dynamic_cast<CActionMenu*>(menuCopy.get())->m_strMenu, "FS");
  EXPECT_EQ(dynamic_cast<CActionMenu*>(menuCopy.get())->m_wKind, ACTION_MENU);
  EXPECT_EQ(dynamic_cast<CActionText*>(textCopy.get())->m_strText, text.m_strText);
  EXPECT_EQ(dynamic_cast<CActionText*>(textCopy.get())->m_wKind, ACTION_TEXT);
}

TEST_F(ActionTest, MenuAndTextKeepOnlyTheBaseValuesInTheRegistry) {
  CActionText text;
  text.m_strText = "not in the registry";
  text.m_strActionAlias = "alias";
  text.WriteRegistry(ListKey(), 1);
  EXPECT_EQ(Value("Action01", "Text").first, 0xFFFFFFFFu);
  EXPECT_EQ(Value("Action01", nullptr).second, "alias");
  CActionText loaded;
  loaded.m_strText = "kept";
  loaded.ReadRegistry(ListKey(), 1);
  EXPECT_EQ(loaded.m_strText, "kept");
  EXPECT_EQ(loaded.m_strActionAlias, "alias");
}

}  // namespace
}  // namespace corvane

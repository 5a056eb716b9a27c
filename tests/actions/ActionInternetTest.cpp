#include <memory>

#include "ActionFixture.h"
#include "ShellTrace.h"
#include "actions/ActionInternet.h"
#include "actions/ServiceTable.h"
#include "system/Profile.h"
#include "system/Resources.h"

namespace corvane {
namespace {

using test::ReadFile;
using test::WriteFile;

CActionInternet Internet(int service, const char* address) {
  CActionInternet action;
  action.m_nService = service;
  action.m_strAddress = address;
  return action;
}

std::string Opened(const RecordingDesktop& desktop) {
  const auto calls = desktop.Calls();
  if (calls.size() != 1) return "calls: " + std::to_string(calls.size());
  return ShellBrief(calls[0]);
}

// Service, address, and the file the shell is given.
struct Address {
  int service;
  const char* address;
  const char* file;
};
const Address kAddresses[] = {
    {0, "www.example.com", "http://www.example.com"},
    {0, "", "IEXPLORE.EXE"},
    {1, "", "mailto:"},
    {1, "bob@example.com", "mailto:bob@example.com"},
    {2, "comp.lang.c", "news://comp.lang.c"},
    {3, "https://example.com/a?b=c", "https://example.com/a?b=c"},
    {3, "www.example.com", "www.example.com"},
    {3, "", ""},
    {7, "ftp.example.com", "ftp.example.com"},
    {-1, "x", "x"},
    // An address that names its own scheme is not given a second one.
    {0, "https://example.com", "https://example.com"},
    {0, "http://example.com", "http://example.com"},
    {0, "HTTP://Example.com", "HTTP://Example.com"},
    {1, "mailto:bob@example.com", "mailto:bob@example.com"},
    {1, "http://example.com", "http://example.com"},
    {2, "ftp://files.example.com", "ftp://files.example.com"},
    // Not schemes: a port, a mail address, a path.
    {0, "example.com:8080/x", "http://example.com:8080/x"},
    {0, "1http://x", "http://1http://x"},
    {1, "bob@example.com?subject=a://b", "mailto:bob@example.com?subject=a://b"},
    // The web prefix alone, however it came, opens the start page.
    {0, "http://", "IEXPLORE.EXE"},
    {3, "http://", "IEXPLORE.EXE"},
    {3, "http://mailto:x", "http://mailto:x"},
};

TEST_F(ActionTest, InternetOpensThePrefixedAddressThroughTheShell) {
  for (const Address& a : kAddresses) {
    SCOPED_TRACE(testing::Message() << a.service << " " << a.address);
    desktop.Clear();
    CActionInternet action = Internet(a.service, a.address);
    EXPECT_EQ(action.Execute(WindowFromNumber(0x4242)), 1);
    EXPECT_EQ(Opened(desktop), std::string("@0 shell 16962 open \"") + a.file + "\" null null 1");
  }
  desktop.Clear();
  desktop.SetShellExecuteResult(2);
  CActionInternet unreachable = Internet(0, "nowhere.invalid");
  EXPECT_EQ(unreachable.Execute(nullptr), 1);
  EXPECT_EQ(Opened(desktop), "@0 shell 0 open \"http://nowhere.invalid\" null null 1");
}

TEST_F(ActionTest, InternetDescriptionsAndServiceNames) {
  struct Case {
    int service;
    const char* address;
    const char* description;
  };
  const Case cases[] = {
      {0, "www.example.com", "Go to a Web Site(www.example.com)"},
      {1, "", "Send an e-Mail()"},
      {2, "comp.lang.c", "Go to a Newsgroup(comp.lang.c)"},
      {3, "https://example.com", "https://example.com"},
      {9, "ftp.example.com", "ftp.example.com"},
      {-1, "", ""},
  };
  for (const Case& c : cases) {
    CActionInternet action = Internet(c.service, c.address);
    CString out = "untouched";
    EXPECT_EQ(action.GetDescription(nullptr, out, 1), static_cast<int>(std::strlen(c.description)));
    EXPECT_EQ(out, c.description);
  }

  struct Names {
    LANGID language;
    const char* names[4];
  };
  const Names tables[] = {
      {LANG_ENGLISH_US, {"Go to a Web Site", "Send an e-Mail", "Go to a Newsgroup", "Other Internet Services"}},
      {LANG_CHINESE_TAIWAN, {"連上一個網站", "送出一封電子郵件", "連上一個新聞群組", "其他網際網路服務"}},
      {LANG_KOREAN, {"웹페이지 열기", "이메일 보내기", "뉴스그룹 가기", "기타 인터넷 서비스"}},
      {LANG_CHINESE_PRC, {"连上一个网站", "送出一封电子邮件", "连上一个新闻群组", "其它网际网络服务"}},
  };
  for (const Names& t : tables) {
    SCOPED_TRACE(t.language);
    SetResourceLanguage(t.language);
    CString name;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(GetServiceNameAt(name, i), static_cast<int>(std::strlen(t.names[i])));
      EXPECT_EQ(name, t.names[i]);
    }
    EXPECT_EQ(GetServiceNameAt(name, 4), 0);
    EXPECT_TRUE(name.IsEmpty());
    CActionInternet action = Internet(2, "alt.test");
    CString out;
    action.GetDescription(nullptr, out, 1);
    EXPECT_EQ(out, std::string(t.names[2]) + "(alt.test)");
    EXPECT_EQ(action.GetTypeName(), "Internet");
    EXPECT_TRUE(HasResString(49, t.language));
  }
  SetResourceLanguage(0);
  EXPECT_STREQ(GetServicePrefixAt(0), "http://");
  EXPECT_STREQ(GetServicePrefixAt(1), "mailto:");
  EXPECT_STREQ(GetServicePrefixAt(2), "news://");
  EXPECT_STREQ(GetServicePrefixAt(3), "");
  EXPECT_STREQ(GetServicePrefixAt(-1), "");
}

TEST_F(ActionTest, InternetProfileKeysRoundTrip) {
  Internet(2, "comp.lang.c").WriteContainer(profile, "I.01");
  Internet(0, "").WriteContainer(profile, "I.02");
  const std::string file = ReadFile(profile);
  EXPECT_NE(file.find("[I.01]\r\nType=7\r\nExtraType=0\r\nProtocal=2\r\nURL=comp.lang.c\r\n"), std::string::npos)
      << file;
  EXPECT_NE(file.find("[I.02]\r\nType=7\r\nExtraType=0\r\nProtocal=0\r\nURL=\r\n"), std::string::npos) << file;

  CActionInternet loaded;
  loaded.ReadContainer(profile, "I.01");
  EXPECT_EQ(loaded.m_nService, 2);
  EXPECT_EQ(loaded.m_strAddress, "comp.lang.c");

  // Without "Protocal" and "URL": service 0, the address kept.
  WriteFile(profile, "[I]\r\nType=7\r\n");
  loaded.ReadContainer(profile, "I");
  EXPECT_EQ(loaded.m_nService, 0);
  EXPECT_EQ(loaded.m_strAddress, "comp.lang.c");
}

TEST_F(ActionTest, InternetRegistryKeepsOneAddressThatOpensTheSameOnReading) {
  using V = std::pair<DWORD, std::string>;
  Internet(0, "www.example.com").WriteRegistry(ListKey(), 1);
  EXPECT_EQ(Value("Action01", "Action"), (V{REG_SZ, "http://www.example.com"}));
  EXPECT_EQ(Value("Action01", "Type"), (V{REG_BINARY, std::string("\x07\x00", 2)}));
  Internet(3, "").WriteRegistry(ListKey(), 2);
  EXPECT_EQ(Value("Action02", "Action"), (V{REG_SZ, ""}));
  Internet(1, "mailto:bob@example.com").WriteRegistry(ListKey(), 3);
  EXPECT_EQ(Value("Action03", "Action"), (V{REG_SZ, "mailto:bob@example.com"}));

  // Every address, written and read back, opens what it opened before.
  int index = 10;
  for (const Address& a : kAddresses) {
    SCOPED_TRACE(testing::Message() << a.service << " " << a.address);
    CActionInternet written = Internet(a.service, a.address);
    written.WriteRegistry(ListKey(), ++index);
    CActionInternet read = Internet(5, "stale");
    EXPECT_EQ(read.ReadRegistry(ListKey(), index), 1);
    desktop.Clear();
    read.Execute(nullptr);
    EXPECT_EQ(Opened(desktop), std::string("@0 shell 0 open \"") + a.file + "\" null null 1");
  }
}

TEST_F(ActionTest, InternetRegistryTextRecognisesTheServiceByItsPrefix) {
  struct Case {
    std::string text;
    int service;
    const char* address;
  };
  const Case cases[] = {
      {"http://www.example.com", 0, "www.example.com"},
      {"http://", 0, ""},
      {"mailto:bob@example.com", 1, "bob@example.com"},
      {"mailto:", 1, ""},
      {"news://comp.lang.c", 2, "comp.lang.c"},
      // Without one of the three prefixes: service 3 with the whole text.
      {"www.example.com", 3, "www.example.com"},
      {"https://example.com", 3, "https://example.com"},
      {"ftp://files.example.com", 3, "ftp://files.example.com"},
      {"HTTP://Example.com", 3, "HTTP://Example.com"},
      {"", 3, ""},
      {std::string("news://a\0b", 10), 2, "a"},
      // The rest names a scheme of its own, which the web service would open
      // alone: kept whole.
      {"http://mailto:x", 3, "http://mailto:x"},
      {"http://https://x", 3, "http://https://x"},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string subkey = "Action" + std::to_string(++index + 10);
    SetValue(subkey.c_str(), "Action", REG_SZ, c.text);
    CActionInternet action = Internet(1, "stale");
    action.ReadRegistry(ListKey(), index + 10);
    EXPECT_EQ(action.m_nService, c.service);
    EXPECT_EQ(action.m_strAddress, c.address);
  }

  // A missing subkey or "Action" value, or one of another type, keeps both
  // fields; a long address is read whole.
  CActionInternet kept = Internet(2, "comp.lang.c");
  kept.ReadRegistry(ListKey(), 90);
  EXPECT_EQ(kept.m_nService, 2);
  EXPECT_EQ(kept.m_strAddress, "comp.lang.c");
  SetValue("Action91", "Action", REG_BINARY, "http://x");
  kept.ReadRegistry(ListKey(), 91);
  EXPECT_EQ(kept.m_nService, 2);
  EXPECT_EQ(kept.m_strAddress, "comp.lang.c");
  const std::string longAddress = "www.example.com/" + std::string(500, 'a');
  SetValue("Action92", "Action", REG_SZ, "http://" + longAddress);
  kept.ReadRegistry(ListKey(), 92);
  EXPECT_EQ(kept.m_nService, 0);
  EXPECT_EQ(kept.m_strAddress.str(), longAddress);
}

TEST_F(ActionTest, InternetCloneCopiesItsFields) {
  CActionInternet source = Internet(1, "bob@example.com");
  source.m_strActionAlias = "Mail Bob";
  std::unique_ptr<CContainer> copy(source.Clone());
  auto* internet = dynamic_cast<CActionInternet*>(copy.get());
  ASSERT_NE(internet, nullptr);
  EXPECT_EQ(internet->m_wKind, ACTION_INTERNET);
  EXPECT_EQ(internet->m_strActionAlias, "Mail Bob");
  EXPECT_EQ(internet->m_nService, 1);
  EXPECT_EQ(internet->m_strAddress, "bob@example.com");
}

}  // namespace
}  // namespace corvane

// Which language the library's strings come in, and the fall-back to English.
#include "system/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace corvane {
namespace {

// Ids far from the library's own, registered by this test only.
const StringResource kTestStrings[] = {
    {64001, LANG_ENGLISH_US, "English only"},
    {64002, LANG_ENGLISH_US, "Save"},
    {64002, LANG_CHINESE_TAIWAN, "儲存"},
    {64002, LANG_KOREAN, "저장"},
    {64002, LANG_CHINESE_PRC, "保存"},
};
const StringTableRegistration kTestRegistration(kTestStrings, sizeof kTestStrings / sizeof kTestStrings[0]);

// Sets the locale variables for the object's lifetime.
class ScopedLocale {
 public:
  ScopedLocale(const char* all, const char* messages, const char* lang) {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    const char* values[] = {all, messages, lang};
    for (int i = 0; i < 3; ++i) {
      const char* old = std::getenv(names[i]);
      m_saved[i] = old ? old : "";
      m_had[i] = old != nullptr;
      if (values[i])
        setenv(names[i], values[i], 1);
      else
        unsetenv(names[i]);
    }
  }
  ~ScopedLocale() {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 3; ++i) {
      if (m_had[i])
        setenv(names[i], m_saved[i].c_str(), 1);
      else
        unsetenv(names[i]);
    }
  }

 private:
  std::string m_saved[3];
  bool m_had[3];
};

TEST(ResourceLanguage, LocaleNames) {
  struct Case {
    const char* locale;
    LANGID expected;
  } cases[] = {
      {"en_US.UTF-8", LANG_ENGLISH_US}, {"de_DE.UTF-8", LANG_ENGLISH_US}, {"C", LANG_ENGLISH_US},
      {"POSIX", LANG_ENGLISH_US},       {"", LANG_ENGLISH_US},            {"zh_TW.UTF-8", LANG_CHINESE_TAIWAN},
      {"zh_HK.Big5", LANG_CHINESE_TAIWAN}, {"zh-Hant", LANG_CHINESE_TAIWAN}, {"zh_CN.GB2312", LANG_CHINESE_PRC},
      {"zh_SG", LANG_CHINESE_PRC},      {"zh", LANG_CHINESE_PRC},         {"ko_KR.EUC-KR", LANG_KOREAN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(LanguageFromLocaleName(c.locale), c.expected);
  }
  EXPECT_EQ(LanguageFromLocaleName(nullptr), LANG_ENGLISH_US);
}

TEST(ResourceLanguage, TheFirstSetLocaleVariableDecides) {
  SetResourceLanguage(0);
  {
    ScopedLocale locale("ko_KR.UTF-8", "zh_TW.UTF-8", "zh_CN.UTF-8");
    EXPECT_EQ(GetResourceLanguage(), LANG_KOREAN);
  }
  {
    ScopedLocale locale("", "zh_TW.UTF-8", "zh_CN.UTF-8");
    EXPECT_EQ(GetResourceLanguage(), LANG_CHINESE_TAIWAN);
    EXPECT_EQ(LoadResString(64002), "儲存");
  }
  {
    ScopedLocale locale(nullptr, nullptr, "zh_CN.UTF-8");
    EXPECT_EQ(GetResourceLanguage(), LANG_CHINESE_PRC);
    EXPECT_EQ(LoadResString(64001), "English only") << "a string missing in the language comes in English";
  }
  {
    ScopedLocale locale(nullptr, nullptr, nullptr);
    EXPECT_EQ(GetResourceLanguage(), LANG_ENGLISH_US);
    EXPECT_EQ(LoadResString(64002), "Save");
  }
}

TEST(ResourceLanguage, AForcedLanguageWinsUntilCleared) {
  ScopedLocale locale(nullptr, nullptr, "zh_CN.UTF-8");
  SetResourceLanguage(LANG_KOREAN);
  EXPECT_EQ(LoadResString(64002), "저장");
  SetResourceLanguage(0x0407);  // a language the library does not have reads as English
  EXPECT_EQ(GetResourceLanguage(), LANG_ENGLISH_US);
  SetResourceLanguage(0);
  EXPECT_EQ(LoadResString(64002), "保存");
  EXPECT_EQ(LoadResString(64002, LANG_CHINESE_TAIWAN), "儲存");
  EXPECT_TRUE(HasResString(64002, LANG_KOREAN));
  EXPECT_FALSE(HasResString(64001, LANG_KOREAN));
  EXPECT_EQ(LoadResString(64999), "") << "an unknown id is empty";
  EXPECT_EQ(LoadResString(57344, LANG_KOREAN), "Padrunner");
}

}  // namespace
}  // namespace corvane

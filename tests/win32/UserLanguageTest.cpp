// The resource language follows the user's interface language.  CTest runs
// these tests once per locale and says which language to expect.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "system/Resources.h"
#include "system/UserLanguage.h"

namespace {

TEST(UserLanguage, FollowsTheUsersInterfaceLanguage) {
  const char* expected = std::getenv("CORVANE_EXPECTED_LANGUAGE");
  const corvane::LANGID want = expected ? static_cast<corvane::LANGID>(std::atoi(expected)) : corvane::LANG_ENGLISH_US;
  EXPECT_EQ(corvane::UserInterfaceLanguage(), want);
  corvane::SetResourceLanguage(0);
  EXPECT_EQ(corvane::GetResourceLanguage(), want);
}

TEST(UserLanguage, AForcedLanguageWinsUntilReset) {
  const corvane::LANGID user = corvane::UserInterfaceLanguage();
  corvane::SetResourceLanguage(corvane::LANG_KOREAN);
  EXPECT_EQ(corvane::GetResourceLanguage(), corvane::LANG_KOREAN);
  corvane::SetResourceLanguage(0);
  EXPECT_EQ(corvane::GetResourceLanguage(), user);
}

}  // namespace

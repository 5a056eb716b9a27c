// The library's own resources: string tables by id and language.  The
// language follows the user's interface language (LANG / LC_ALL /
// LC_MESSAGES on Linux) and falls back to English.
#pragma once

#include <cstddef>

#include "system/Win32.h"

namespace corvane {

constexpr LANGID LANG_ENGLISH_US = 1033;
constexpr LANGID LANG_CHINESE_TAIWAN = 1028;
constexpr LANGID LANG_KOREAN = 1042;
constexpr LANGID LANG_CHINESE_PRC = 2052;

// The interface language the library's resources are chosen by: one of the
// four above (anything else reads as English).
LANGID GetResourceLanguage();
// Forces the resource language (tests, hosts with their own setting);
// 0 goes back to the user's interface language.
void SetResourceLanguage(LANGID language);
// Maps a locale name such as "zh_TW.UTF-8" to one of the four languages.
LANGID LanguageFromLocaleName(const char* locale);

// The text of a string resource in the resource language, falling back to
// English; empty when the id is unknown.
CString LoadResString(UINT id);
CString LoadResString(UINT id, LANGID language);
// True when the string exists in that exact language.
bool HasResString(UINT id, LANGID language);

struct StringResource {
  UINT id;
  LANGID language;
  const char* text;  // UTF-8
};

// Each resource source file registers its table with a static object of this
// class; tables may be registered in any order.
class StringTableRegistration {
 public:
  StringTableRegistration(const StringResource* entries, std::size_t count);
};

}  // namespace corvane

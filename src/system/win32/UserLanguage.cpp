#include "system/UserLanguage.h"

#include "system/Resources.h"

namespace corvane {

namespace {

// Primary language 0x04 is Chinese: its traditional forms (Taiwan, Hong Kong,
// Macao) read the Taiwan tables, the simplified ones (PRC, Singapore) the
// PRC tables.  0x12 is Korean.  (Written before <windows.h>, which makes
// LANG_KOREAN a macro for the primary language alone.)
LANGID FromWindowsLanguage(unsigned language) {
  const unsigned primary = language & 0x3FF;
  const unsigned sub = language >> 10;
  if (primary == 0x12) return LANG_KOREAN;
  if (primary == 0x04)
    return sub == 1 || sub == 3 || sub == 5 || sub == 0x1F ? LANG_CHINESE_TAIWAN : LANG_CHINESE_PRC;
  return LANG_ENGLISH_US;
}

}  // namespace

}  // namespace corvane

#include "system/win32/WindowsApi.h"

namespace corvane {

LANGID UserInterfaceLanguage() { return FromWindowsLanguage(::GetUserDefaultUILanguage()); }

}  // namespace corvane

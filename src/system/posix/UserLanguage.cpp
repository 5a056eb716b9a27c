#include "system/UserLanguage.h"

#include <cstdlib>

#include "system/Resources.h"

namespace corvane {

LANGID UserInterfaceLanguage() {
  // The first of LC_ALL, LC_MESSAGES, LANG that is set and not empty decides.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LanguageFromLocaleName(value);
  }
  return LANG_ENGLISH_US;
}

}  // namespace corvane

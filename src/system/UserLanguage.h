// The user's interface language as the platform tells it, mapped to one of
// the library's four resource languages (English for any other).
#pragma once

#include "system/Win32.h"

namespace corvane {

LANGID UserInterfaceLanguage();

}  // namespace corvane

// The installer's own string table.  It lives in the installer's program
// only, never in the library, whose table uses the same numbers for its own
// texts.
#include "system/Resources.h"
#include "system/WinApp.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {AFX_IDS_APP_TITLE, LANG_ENGLISH_US, "Scribora"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

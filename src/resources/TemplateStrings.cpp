// Strings of the template list view.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {102, LANG_ENGLISH_US, "Item"},
    {103, LANG_ENGLISH_US, "Application Title"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

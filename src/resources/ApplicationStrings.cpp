// Strings every part of the library shares.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {57344, LANG_ENGLISH_US, "Padrunner"},
    {57344, LANG_CHINESE_TAIWAN, "Padrunner"},
    {57344, LANG_KOREAN, "Padrunner"},
    {57344, LANG_CHINESE_PRC, "Padrunner"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

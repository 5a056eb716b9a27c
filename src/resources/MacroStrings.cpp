// Headings of the list view of a macro's actions: the same English text in
// every language of the library.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {53, LANG_ENGLISH_US, "Action"},
    {53, LANG_CHINESE_TAIWAN, "Action"},
    {53, LANG_KOREAN, "Action"},
    {53, LANG_CHINESE_PRC, "Action"},
    {55, LANG_ENGLISH_US, "Type"},
    {55, LANG_CHINESE_TAIWAN, "Type"},
    {55, LANG_KOREAN, "Type"},
    {55, LANG_CHINESE_PRC, "Type"},
    {56, LANG_ENGLISH_US, "Action Alias"},
    {56, LANG_CHINESE_TAIWAN, "Action Alias"},
    {56, LANG_KOREAN, "Action Alias"},
    {56, LANG_CHINESE_PRC, "Action Alias"},
    {57, LANG_ENGLISH_US, "Action Description"},
    {57, LANG_CHINESE_TAIWAN, "Action Description"},
    {57, LANG_KOREAN, "Action Description"},
    {57, LANG_CHINESE_PRC, "Action Description"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

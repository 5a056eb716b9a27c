// Strings of the dialog layer: the property sheet's own buttons and the
// messages of dialog data validation.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {60900, LANG_ENGLISH_US, "OK"},
    {60900, LANG_CHINESE_TAIWAN, "確定"},
    {60900, LANG_KOREAN, "확인"},
    {60900, LANG_CHINESE_PRC, "确定"},
    {60901, LANG_ENGLISH_US, "Cancel"},
    {60901, LANG_CHINESE_TAIWAN, "取消"},
    {60901, LANG_KOREAN, "취소"},
    {60901, LANG_CHINESE_PRC, "取消"},
    {60902, LANG_ENGLISH_US, "Apply"},
    {60902, LANG_CHINESE_TAIWAN, "套用"},
    {60902, LANG_KOREAN, "적용"},
    {60902, LANG_CHINESE_PRC, "应用"},
    {61712, LANG_ENGLISH_US, "Please enter an integer."},
    {61713, LANG_ENGLISH_US, "Please enter a number."},
    {61714, LANG_ENGLISH_US, "Please enter an integer between %1 and %2."},
    {61715, LANG_ENGLISH_US, "Please enter a number between %1 and %2."},
    {61716, LANG_ENGLISH_US, "Please enter no more than %1 characters."},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

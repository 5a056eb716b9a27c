// Strings of the action property sheet itself.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {104, LANG_ENGLISH_US, "Default"},
    {104, LANG_CHINESE_TAIWAN, "預設值"},
    {104, LANG_KOREAN, "기본값"},
    {104, LANG_CHINESE_PRC, "预设值"},
    {105, LANG_ENGLISH_US, "Action Properties"},
    {105, LANG_CHINESE_TAIWAN, "動作屬性"},
    {105, LANG_KOREAN, "동작 설정"},
    {105, LANG_CHINESE_PRC, "动作属性"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

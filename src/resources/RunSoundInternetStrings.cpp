// The run and internet actions' type names, the window states, the play
// modes and the internet services, in the library's four languages.
#include "system/Resources.h"

namespace corvane {
namespace {

const StringResource kStrings[] = {
    {42, LANG_ENGLISH_US, "Go to a Web Site"},
    {42, LANG_CHINESE_TAIWAN, "連上一個網站"},
    {42, LANG_KOREAN, "웹페이지 열기"},
    {42, LANG_CHINESE_PRC, "连上一个网站"},
    {43, LANG_ENGLISH_US, "Send an e-Mail"},
    {43, LANG_CHINESE_TAIWAN, "送出一封電子郵件"},
    {43, LANG_KOREAN, "이메일 보내기"},
    {43, LANG_CHINESE_PRC, "送出一封电子邮件"},
    {44, LANG_ENGLISH_US, "Go to a Newsgroup"},
    {44, LANG_CHINESE_TAIWAN, "連上一個新聞群組"},
    {44, LANG_KOREAN, "뉴스그룹 가기"},
    {44, LANG_CHINESE_PRC, "连上一个新闻群组"},
    {46, LANG_ENGLISH_US, "Other Internet Services"},
    {46, LANG_CHINESE_TAIWAN, "其他網際網路服務"},
    {46, LANG_KOREAN, "기타 인터넷 서비스"},
    {46, LANG_CHINESE_PRC, "其它网际网络服务"},
    {48, LANG_ENGLISH_US, "Run"},
    {48, LANG_CHINESE_TAIWAN, "Run"},
    {48, LANG_KOREAN, "Run"},
    {48, LANG_CHINESE_PRC, "Run"},
    {49, LANG_ENGLISH_US, "Internet"},
    {49, LANG_CHINESE_TAIWAN, "Internet"},
    {49, LANG_KOREAN, "Internet"},
    {49, LANG_CHINESE_PRC, "Internet"},
    {97, LANG_ENGLISH_US, "Default"},
    {97, LANG_CHINESE_TAIWAN, "Default"},
    {97, LANG_KOREAN, "Default"},
    {97, LANG_CHINESE_PRC, "Default"},
    {98, LANG_ENGLISH_US, "Maximized"},
    {98, LANG_CHINESE_TAIWAN, "Maximized"},
    {98, LANG_KOREAN, "Maximized"},
    {98, LANG_CHINESE_PRC, "Maximized"},
    {99, LANG_ENGLISH_US, "Minimized"},
    {99, LANG_CHINESE_TAIWAN, "Minimized"},
    {99, LANG_KOREAN, "Minimized"},
    {99, LANG_CHINESE_PRC, "Minimized"},
    {100, LANG_ENGLISH_US, "Asynchronous"},
    {100, LANG_CHINESE_TAIWAN, "Asynchronous"},
    {100, LANG_KOREAN, "Asynchronous"},
    {100, LANG_CHINESE_PRC, "Asynchronous"},
    {101, LANG_ENGLISH_US, "Synchronous"},
    {101, LANG_CHINESE_TAIWAN, "Synchronous"},
    {101, LANG_KOREAN, "Synchronous"},
    {101, LANG_CHINESE_PRC, "Synchronous"},
};

const StringTableRegistration kRegistration(kStrings, sizeof kStrings / sizeof kStrings[0]);

}  // namespace
}  // namespace corvane

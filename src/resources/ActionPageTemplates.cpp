// Dialog templates of the action pages, in the four languages of the
// library (the template-load page in English only).  Placement is in dialog
// units of "MS Sans Serif" 8; the controls are listed in tab order.
#include "system/Resources.h"
#include "system/dialogs/WindowStyles.h"

namespace corvane {
namespace {

const DialogItemResource kHotKey1033[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "Select the key combination to press.", 7, 7, 202, 16, 0, nullptr},
    {1081, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Ctrl", 16, 36, 34, 10, 0, nullptr},
    {1079, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Alt", 54, 36, 30, 10, 0, nullptr},
    {1080, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Shift", 88, 36, 36, 10, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "+", 128, 37, 8, 8, 0, nullptr},
    {1082, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 140, 34, 68, 120, 0, nullptr},
};
const DialogItemResource kHotKey1028[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "選擇模擬按鍵組合。", 7, 7, 202, 16, 0, nullptr},
    {1081, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Ctrl", 16, 36, 34, 10, 0, nullptr},
    {1079, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Alt", 54, 36, 30, 10, 0, nullptr},
    {1080, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Shift", 88, 36, 36, 10, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "+", 128, 37, 8, 8, 0, nullptr},
    {1082, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 140, 34, 68, 120, 0, nullptr},
};
const DialogItemResource kHotKey1042[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "사용하실 단축키를 선택해 주십시오.", 7, 7, 202, 16, 0, nullptr},
    {1081, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Ctrl", 16, 36, 34, 10, 0, nullptr},
    {1079, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Alt", 54, 36, 30, 10, 0, nullptr},
    {1080, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Shift", 88, 36, 36, 10, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "+", 128, 37, 8, 8, 0, nullptr},
    {1082, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 140, 34, 68, 120, 0, nullptr},
};
const DialogItemResource kHotKey2052[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "选择仿真按键组合。", 7, 7, 202, 16, 0, nullptr},
    {1081, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Ctrl", 16, 36, 34, 10, 0, nullptr},
    {1079, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Alt", 54, 36, 30, 10, 0, nullptr},
    {1080, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Shift", 88, 36, 36, 10, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "+", 128, 37, 8, 8, 0, nullptr},
    {1082, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 140, 34, 68, 120, 0, nullptr},
};
const DialogItemResource kInternet1033[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "Select an Internet service and give the address.", 7, 7, 202, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Type of Service:", 7, 34, 60, 8, 0, nullptr},
    {1085, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 70, 32, 138, 80, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Address:", 7, 54, 60, 8, 0, nullptr},
    {1086, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 70, 52, 138, 12, 0, nullptr},
};
const DialogItemResource kInternet1028[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "選擇網際網路服務並提供網址。", 7, 7, 202, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "服務種類:", 7, 34, 60, 8, 0, nullptr},
    {1085, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 70, 32, 138, 80, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "網址:", 7, 54, 60, 8, 0, nullptr},
    {1086, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 70, 52, 138, 12, 0, nullptr},
};
const DialogItemResource kInternet1042[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "사용하실 인터넷 서비스를 선택하고 주소를 입력해 주십시오.", 7, 7, 202, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "인터넷 서비스:", 7, 34, 60, 8, 0, nullptr},
    {1085, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 70, 32, 138, 80, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "주소:", 7, 54, 60, 8, 0, nullptr},
    {1086, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 70, 52, 138, 12, 0, nullptr},
};
const DialogItemResource kInternet2052[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "选择网际网络服务并提供网址。", 7, 7, 202, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "服务种类:", 7, 34, 60, 8, 0, nullptr},
    {1085, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 70, 32, 138, 80, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "网址:", 7, 54, 60, 8, 0, nullptr},
    {1086, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 70, 52, 138, 12, 0, nullptr},
};
const DialogItemResource kText1033[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 981, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "This Pen Command will type the following text for you.", 25, 8, 183, 16, 0, nullptr},
    {1090, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, nullptr, 25, 28, 183, 60, 0, nullptr},
};
const DialogItemResource kText1028[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 981, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "此筆控指令將為您輸入以下編輯區內的文字。", 25, 8, 183, 16, 0, nullptr},
    {1090, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, nullptr, 25, 28, 183, 60, 0, nullptr},
};
const DialogItemResource kText1042[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 981, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "이 명령으로 다음의 문장을 입력할 수 있습니다.", 25, 8, 183, 16, 0, nullptr},
    {1090, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, nullptr, 25, 28, 183, 60, 0, nullptr},
};
const DialogItemResource kText2052[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 981, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "此笔控指令将为您输入以下编辑区内的文字。", 25, 8, 183, 16, 0, nullptr},
    {1090, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, nullptr, 25, 28, 183, 60, 0, nullptr},
};
const DialogItemResource kMenu1033[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 985, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Access a menu function by specifying the underlined characters in the drop down menu. For instance, enter FS below for &File/Save menu item.", 25, 8, 183, 48, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Menu:", 25, 66, 40, 8, 0, nullptr},
    {1093, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 68, 64, 140, 12, 0, nullptr},
};
const DialogItemResource kMenu1028[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 985, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "將下畫線字元輸入下方空格即可使用功能表功能。舉例來說，輸入FS即可執行檔案／儲存檔案功能表選項。", 25, 8, 183, 48, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "功能表:", 25, 66, 40, 8, 0, nullptr},
    {1093, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 68, 64, 140, 12, 0, nullptr},
};
const DialogItemResource kMenu1042[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 985, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "풀다운 메뉴의 밑줄이 있는 명령어 중 사용하고자 하는 단축키를 입력해 주십시오. 예를 들면, 메뉴 중 파일(F)/저장(S)을 사용하려면 밑의 칸에 FS를 입력해 주십시오.", 25, 8, 183, 48, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "메뉴:", 25, 66, 40, 8, 0, nullptr},
    {1093, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 68, 64, 140, 12, 0, nullptr},
};
const DialogItemResource kMenu2052[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 985, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "将下画线字符输入下方空格即可使用菜单功能。举例来说，输入FS即可执行档案/ 储存档案菜单选项。", 25, 8, 183, 48, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "菜单:", 25, 66, 40, 8, 0, nullptr},
    {1093, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_UPPERCASE, nullptr, 68, 64, 140, 12, 0, nullptr},
};
const DialogItemResource kSystem1033[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 987, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Please choose a system function.", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Function:", 25, 36, 45, 8, 0, nullptr},
    {1091, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 73, 34, 135, 120, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Parameters:", 25, 56, 45, 8, 0, nullptr},
    {1092, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | WS_DISABLED, nullptr, 73, 54, 135, 100, 0, nullptr},
};
const DialogItemResource kSystem1028[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 987, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "請選擇以下系統指令之一。", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "功能:", 25, 36, 45, 8, 0, nullptr},
    {1091, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 73, 34, 135, 120, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "參數:", 25, 56, 45, 8, 0, nullptr},
    {1092, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | WS_DISABLED, nullptr, 73, 54, 135, 100, 0, nullptr},
};
const DialogItemResource kSystem1042[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 987, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "시스템 명령어를 선택해 주십시오.", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "명령어:", 25, 36, 45, 8, 0, nullptr},
    {1091, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 73, 34, 135, 120, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "옵션:", 25, 56, 45, 8, 0, nullptr},
    {1092, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | WS_DISABLED, nullptr, 73, 54, 135, 100, 0, nullptr},
};
const DialogItemResource kSystem2052[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 987, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, " 请选择以下系统指令之一。", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "功能:", 25, 36, 45, 8, 0, nullptr},
    {1091, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 73, 34, 135, 120, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "参数:", 25, 56, 45, 8, 0, nullptr},
    {1092, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | WS_DISABLED, nullptr, 73, 54, 135, 100, 0, nullptr},
};
const DialogItemResource kRun1033[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 983, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Use this command to open any program or document. ", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Run:", 25, 28, 62, 8, 0, nullptr},
    {1096, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 26, 98, 12, 0, nullptr},
    {1097, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 25, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Start in:", 25, 44, 62, 8, 0, nullptr},
    {1098, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 42, 118, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Window:", 25, 60, 62, 8, 0, nullptr},
    {1099, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 90, 58, 118, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Parameters:", 25, 76, 62, 8, 0, nullptr},
    {1100, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 74, 118, 12, 0, nullptr},
};
const DialogItemResource kRun1028[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 983, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "使用這個命令來開啟任何程式或文件。", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "執行:", 25, 28, 62, 8, 0, nullptr},
    {1096, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 26, 98, 12, 0, nullptr},
    {1097, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 25, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "程式啟動時位置:", 25, 44, 62, 8, 0, nullptr},
    {1098, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 42, 118, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "視窗:", 25, 60, 62, 8, 0, nullptr},
    {1099, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 90, 58, 118, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "參數:", 25, 76, 62, 8, 0, nullptr},
    {1100, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 74, 118, 12, 0, nullptr},
};
const DialogItemResource kRun1042[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 983, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "이 명령으로 프로그램을 실행시키거나 문서를 엽니다. ", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "대상:", 25, 28, 62, 8, 0, nullptr},
    {1096, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 26, 98, 12, 0, nullptr},
    {1097, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 25, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "시작 위치:", 25, 44, 62, 8, 0, nullptr},
    {1098, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 42, 118, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "실행:", 25, 60, 62, 8, 0, nullptr},
    {1099, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 90, 58, 118, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "옵션:", 25, 76, 62, 8, 0, nullptr},
    {1100, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 74, 118, 12, 0, nullptr},
};
const DialogItemResource kRun2052[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 983, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "使用这个命令来开启任何程序或文件. ", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "执行:", 25, 28, 62, 8, 0, nullptr},
    {1096, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 26, 98, 12, 0, nullptr},
    {1097, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 25, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "程序激活时位置:", 25, 44, 62, 8, 0, nullptr},
    {1098, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 42, 118, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "窗口:", 25, 60, 62, 8, 0, nullptr},
    {1099, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 90, 58, 118, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "参数:", 25, 76, 62, 8, 0, nullptr},
    {1100, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 90, 74, 118, 12, 0, nullptr},
};
const DialogItemResource kSound1033[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 982, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Play a sound file and specify how.", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Sound File:", 25, 32, 55, 8, 0, nullptr},
    {1101, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 30, 105, 12, 0, nullptr},
    {1102, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 29, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Play mode:", 25, 52, 55, 8, 0, nullptr},
    {1103, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 83, 50, 125, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Repeat:", 25, 72, 55, 8, 0, nullptr},
    {1104, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 70, 40, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "times", 128, 72, 40, 8, 0, nullptr},
};
const DialogItemResource kSound1028[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 982, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "播放聲音檔案並指定撥放特性。", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "聲音檔案:", 25, 32, 55, 8, 0, nullptr},
    {1101, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 30, 105, 12, 0, nullptr},
    {1102, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 29, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "播放方式:", 25, 52, 55, 8, 0, nullptr},
    {1103, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 83, 50, 125, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "重複:", 25, 72, 55, 8, 0, nullptr},
    {1104, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 70, 40, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "次", 128, 72, 40, 8, 0, nullptr},
};
const DialogItemResource kSound1042[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 982, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "사용하실 사운드 파일과 방법을 선택하십시오.", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "사운드 파일:", 25, 32, 55, 8, 0, nullptr},
    {1101, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 30, 105, 12, 0, nullptr},
    {1102, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 29, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "플레이 모드:", 25, 52, 55, 8, 0, nullptr},
    {1103, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 83, 50, 125, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "반복:", 25, 72, 55, 8, 0, nullptr},
    {1104, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 70, 40, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "회", 128, 72, 40, 8, 0, nullptr},
};
const DialogItemResource kSound2052[] = {
    {-1, DialogControlKind::Picture, SS_BITMAP, nullptr, 7, 7, 11, 10, 982, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "播放声音档案并指定拨放特性。", 25, 8, 183, 16, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "声音档案:", 25, 32, 55, 8, 0, nullptr},
    {1101, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 30, 105, 12, 0, nullptr},
    {1102, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 29, 16, 14, 988, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "播放方式:", 25, 52, 55, 8, 0, nullptr},
    {1103, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 83, 50, 125, 60, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "重复:", 25, 72, 55, 8, 0, nullptr},
    {1104, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 83, 70, 40, 12, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "次", 128, 72, 40, 8, 0, nullptr},
};
const DialogItemResource kLoadTemplate1033[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "Load a template as default ", 7, 7, 201, 8, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Template Name :", 7, 28, 72, 8, 0, nullptr},
    {1078, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 82, 26, 106, 12, 0, nullptr},
    {1097, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 192, 25, 16, 14, 126, nullptr},
};

const DialogResource kTemplates[] = {
    {127, LANG_ENGLISH_US, "Hot Key", 216, 95, "MS Sans Serif", 8, kHotKey1033, std::size(kHotKey1033)},
    {127, LANG_CHINESE_TAIWAN, "快速鍵", 216, 95, "MS Sans Serif", 8, kHotKey1028, std::size(kHotKey1028)},
    {127, LANG_KOREAN, "단축키", 216, 95, "MS Sans Serif", 8, kHotKey1042, std::size(kHotKey1042)},
    {127, LANG_CHINESE_PRC, "快速键", 216, 95, "MS Sans Serif", 8, kHotKey2052, std::size(kHotKey2052)},
    {128, LANG_ENGLISH_US, "Internet", 216, 95, "MS Sans Serif", 8, kInternet1033, std::size(kInternet1033)},
    {128, LANG_CHINESE_TAIWAN, "網際網路", 216, 95, "MS Sans Serif", 8, kInternet1028, std::size(kInternet1028)},
    {128, LANG_KOREAN, "인터넷", 216, 95, "MS Sans Serif", 8, kInternet1042, std::size(kInternet1042)},
    {128, LANG_CHINESE_PRC, "网际网络", 216, 95, "MS Sans Serif", 8, kInternet2052, std::size(kInternet2052)},
    {145, LANG_ENGLISH_US, "Text", 215, 95, "MS Sans Serif", 8, kText1033, std::size(kText1033)},
    {145, LANG_CHINESE_TAIWAN, "文字", 215, 95, "MS Sans Serif", 8, kText1028, std::size(kText1028)},
    {145, LANG_KOREAN, "텍스트", 215, 95, "MS Sans Serif", 8, kText1042, std::size(kText1042)},
    {145, LANG_CHINESE_PRC, "文字", 215, 95, "MS Sans Serif", 8, kText2052, std::size(kText2052)},
    {146, LANG_ENGLISH_US, "Menu", 215, 95, "MS Sans Serif", 8, kMenu1033, std::size(kMenu1033)},
    {146, LANG_CHINESE_TAIWAN, "功能表", 215, 95, "MS Sans Serif", 8, kMenu1028, std::size(kMenu1028)},
    {146, LANG_KOREAN, "메뉴", 215, 95, "MS Sans Serif", 8, kMenu1042, std::size(kMenu1042)},
    {146, LANG_CHINESE_PRC, "菜单", 215, 95, "MS Sans Serif", 8, kMenu2052, std::size(kMenu2052)},
    {147, LANG_ENGLISH_US, "System", 215, 95, "MS Sans Serif", 8, kSystem1033, std::size(kSystem1033)},
    {147, LANG_CHINESE_TAIWAN, "系統", 215, 95, "MS Sans Serif", 8, kSystem1028, std::size(kSystem1028)},
    {147, LANG_KOREAN, "시스템", 215, 95, "MS Sans Serif", 8, kSystem1042, std::size(kSystem1042)},
    {147, LANG_CHINESE_PRC, "系统", 215, 95, "MS Sans Serif", 8, kSystem2052, std::size(kSystem2052)},
    {148, LANG_ENGLISH_US, "Run", 215, 95, "MS Sans Serif", 8, kRun1033, std::size(kRun1033)},
    {148, LANG_CHINESE_TAIWAN, "執行", 215, 95, "MS Sans Serif", 8, kRun1028, std::size(kRun1028)},
    {148, LANG_KOREAN, "실행", 215, 95, "MS Sans Serif", 8, kRun1042, std::size(kRun1042)},
    {148, LANG_CHINESE_PRC, "执行", 215, 95, "MS Sans Serif", 8, kRun2052, std::size(kRun2052)},
    {149, LANG_ENGLISH_US, "Sound", 215, 95, "MS Sans Serif", 8, kSound1033, std::size(kSound1033)},
    {149, LANG_CHINESE_TAIWAN, "聲音", 215, 95, "MS Sans Serif", 8, kSound1028, std::size(kSound1028)},
    {149, LANG_KOREAN, "사운드", 215, 95, "MS Sans Serif", 8, kSound1042, std::size(kSound1042)},
    {149, LANG_CHINESE_PRC, "声音", 215, 95, "MS Sans Serif", 8, kSound2052, std::size(kSound2052)},
    {141, LANG_ENGLISH_US, "Load Template", 215, 60, "MS Sans Serif", 8, kLoadTemplate1033, std::size(kLoadTemplate1033)},
};

const DialogTemplateRegistration kRegistration(kTemplates, std::size(kTemplates));

}  // namespace
}  // namespace corvane

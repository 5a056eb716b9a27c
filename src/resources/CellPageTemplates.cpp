// Dialog templates of the cell and surface pages: the cell's label (144) and
// icon (136), the surface's layout (143) and background bitmap (140).  The
// label and layout pages exist once, with English texts, and serve every
// language; the icon and background pages have English and Chinese (Taiwan)
// texts.  Placement is in dialog units of the template's font.
#include <iterator>

#include "system/Resources.h"
#include "system/dialogs/ListView.h"
#include "system/dialogs/WindowStyles.h"

namespace corvane {
namespace {

constexpr DWORD kSwatch = WS_TABSTOP | BS_BITMAP;
constexpr DWORD kIconList = WS_BORDER | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE |
                            LVS_ALIGNLEFT | LVS_NOCOLUMNHEADER;
constexpr const char* kCellFont = "細明體";

const DialogItemResource kCellProperty[] = {
    {-1, DialogControlKind::GroupBox, 0, "Layout", 7, 7, 192, 42, 0, nullptr},
    {1040, DialogControlKind::RadioButton, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, "Node", 17, 25, 40, 10, 0, nullptr},
    {1045, DialogControlKind::PushButton, kSwatch, nullptr, 60, 23, 24, 14, 0, nullptr},
    {1041, DialogControlKind::RadioButton, BS_AUTORADIOBUTTON, "Icon", 110, 25, 40, 10, 0, nullptr},
    {-1, DialogControlKind::GroupBox, 0, "Text ", 7, 56, 192, 48, 0, nullptr},
    {1044, DialogControlKind::PushButton, kSwatch, nullptr, 17, 74, 24, 14, 0, nullptr},
    {1034, DialogControlKind::PushButton, WS_TABSTOP | BS_PUSHBUTTON, nullptr, 50, 74, 140, 14, 0, nullptr},
};

const DialogItemResource kSelectIcon1033[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "Select an icon", 7, 7, 191, 8, 0, nullptr},
    {1018, DialogControlKind::ListView, kIconList, nullptr, 7, 18, 191, 103, 0, nullptr},
    {1045, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 14, 136, 144, 14, 0, nullptr},
    {1046, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 168, 136, 14, 14, 126, nullptr},
};
const DialogItemResource kSelectIcon1028[] = {
    {-1, DialogControlKind::Label, SS_LEFT, "選擇圖示 :", 7, 7, 191, 8, 0, nullptr},
    {1018, DialogControlKind::ListView, kIconList, nullptr, 7, 18, 191, 103, 0, nullptr},
    {1045, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 14, 136, 144, 14, 0, nullptr},
    {1046, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 168, 136, 14, 14, 126, nullptr},
};

const DialogItemResource kLayout[] = {
    {1027, DialogControlKind::Frame, SS_BLACKFRAME, nullptr, 15, 6, 191, 145, 0, nullptr},
    {-1, DialogControlKind::GroupBox, 0, "Frame Layout", 7, 156, 207, 52, 0, nullptr},
    {1045, DialogControlKind::PushButton, kSwatch, nullptr, 15, 168, 18, 12, 0, nullptr},
    {1029, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Frame Border", 37, 169, 70, 10, 0, nullptr},
    {1046, DialogControlKind::PushButton, kSwatch, nullptr, 112, 168, 18, 12, 0, nullptr},
    {1030, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Inner Frame Border", 134, 169, 76, 10, 0, nullptr},
    {1043, DialogControlKind::PushButton, kSwatch, nullptr, 15, 188, 18, 12, 0, nullptr},
    {1034, DialogControlKind::PushButton, WS_TABSTOP | BS_PUSHBUTTON, "Select Font", 37, 187, 70, 14, 0, nullptr},
    {1044, DialogControlKind::PushButton, kSwatch, nullptr, 112, 188, 18, 12, 0, nullptr},
    {1033, DialogControlKind::CheckBox, WS_TABSTOP | BS_AUTOCHECKBOX, "Apply to all", 134, 189, 76, 10, 0, nullptr},
};

const DialogItemResource kSelectBmp1033[] = {
    {1027, DialogControlKind::Frame, SS_BLACKFRAME, nullptr, 15, 6, 191, 145, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "Background Bitmap :", 15, 158, 120, 8, 0, nullptr},
    {1024, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 15, 169, 169, 14, 0, nullptr},
    {1026, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 190, 169, 16, 14, 126, nullptr},
    {3, DialogControlKind::DefPushButton, WS_TABSTOP | BS_DEFPUSHBUTTON, "Clear", 15, 190, 50, 14, 0, nullptr},
    {1023, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 120, 190, 86, 60, 0,
     "Centered\nTiled\nStretched"},
};
const DialogItemResource kSelectBmp1028[] = {
    {1027, DialogControlKind::Frame, SS_BLACKFRAME, nullptr, 15, 6, 191, 145, 0, nullptr},
    {-1, DialogControlKind::Label, SS_LEFT, "背景圖案", 15, 158, 120, 8, 0, nullptr},
    {1024, DialogControlKind::Edit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, nullptr, 15, 169, 169, 14, 0, nullptr},
    {1026, DialogControlKind::PushButton, WS_TABSTOP | BS_BITMAP, nullptr, 190, 169, 16, 14, 126, nullptr},
    {3, DialogControlKind::DefPushButton, WS_TABSTOP | BS_DEFPUSHBUTTON, "清除", 15, 190, 50, 14, 0, nullptr},
    {1023, DialogControlKind::ComboBox, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, nullptr, 120, 190, 86, 60, 0,
     "置於中央\n並列顯示\n展開"},
};

const DialogResource kTemplates[] = {
    {144, LANG_CHINESE_TAIWAN, "Property", 206, 115, kCellFont, 10, kCellProperty, std::size(kCellProperty)},
    {136, LANG_ENGLISH_US, "Icon", 205, 162, "MS Sans Serif", 8, kSelectIcon1033, std::size(kSelectIcon1033)},
    {136, LANG_CHINESE_TAIWAN, "選擇圖示", 205, 162, kCellFont, 10, kSelectIcon1028, std::size(kSelectIcon1028)},
    {143, LANG_CHINESE_TAIWAN, "Layout", 221, 215, kCellFont, 10, kLayout, std::size(kLayout)},
    {140, LANG_ENGLISH_US, "Background Bitmap", 221, 213, "MS Sans Serif", 8, kSelectBmp1033, std::size(kSelectBmp1033)},
    {140, LANG_CHINESE_TAIWAN, "背景", 221, 213, kCellFont, 10, kSelectBmp1028, std::size(kSelectBmp1028)},
};

const DialogTemplateRegistration kRegistration(kTemplates, std::size(kTemplates));

}  // namespace
}  // namespace corvane

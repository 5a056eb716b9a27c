// Window messages, notification codes, style bits and control ids of the
// dialog layer, with their Win32 values so that dialog templates mean the same
// on every platform.
#pragma once

#include "system/Desktop.h"
#include "system/WinApp.h"
#include "system/Win32.h"

namespace corvane {

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}

// Messages (WM_COMMAND and the show commands come with the desktop layer).
constexpr UINT WM_PAINT = 0x000F;

// Window styles.
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;

// Edit styles.
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_UPPERCASE = 0x0008;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_WANTRETURN = 0x1000;
constexpr DWORD ES_NUMBER = 0x2000;

// Button styles.
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
constexpr DWORD BS_BITMAP = 0x0080;

// Static styles.
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_BLACKFRAME = 0x0007;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_CENTERIMAGE = 0x0200;

// Combo box and list box styles.
constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr DWORD CBS_SORT = 0x0100;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;

// Notification codes (the high word of a WM_COMMAND's first parameter).
constexpr WORD BN_CLICKED = 0;
constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD EN_CHANGE = 0x0300;

// Answers of list operations.
constexpr int CB_ERR = -1;
constexpr int LB_ERR = -1;

// Standard control ids and dialog answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 9;
constexpr int ID_APPLY_NOW = 0x3021;  // 12321, the property sheet's apply button

// Message box types.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONMASK = 0x00F0;

// Property sheet header flags.
constexpr DWORD PSH_NOAPPLYNOW = 0x0080;
constexpr DWORD PSH_HASHELP = 0x0200;

// Open-file dialog flags.
constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

// String resources of the platform's class library that the dialog layer shows.
constexpr UINT AFX_IDP_PARSE_INT = 61712;
constexpr UINT AFX_IDP_PARSE_REAL = 61713;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
constexpr UINT AFX_IDP_PARSE_REAL_RANGE = 61715;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;

}  // namespace corvane

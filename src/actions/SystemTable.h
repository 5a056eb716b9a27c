// The system functions a system action can perform: 18 entries whose table
// position is the function's identifier, named by the string table (ids 71
// to 88), with the parameter texts of the functions that take one and the
// date and time formats of "Insert Date Text" and "Insert Time Text".
#pragma once

#include "system/Desktop.h"
#include "system/Win32.h"

namespace corvane {

constexpr int kSystemTableSize = 18;

// Identifiers.
constexpr int SYSTEM_MAXIMIZE = 0;
constexpr int SYSTEM_MINIMIZE = 1;
constexpr int SYSTEM_RESTORE = 2;
constexpr int SYSTEM_LOGOFF = 3;
constexpr int SYSTEM_REBOOT = 4;
constexpr int SYSTEM_SHUTDOWN = 5;
constexpr int SYSTEM_VSCROLL = 6;
constexpr int SYSTEM_HSCROLL = 7;
constexpr int SYSTEM_PAUSE = 8;
constexpr int SYSTEM_SCREENSAVER = 9;
constexpr int SYSTEM_START_MENU = 10;
constexpr int SYSTEM_NEXT_WINDOW = 11;
constexpr int SYSTEM_PREV_WINDOW = 12;
constexpr int SYSTEM_LEFT_CLICK = 13;
constexpr int SYSTEM_RIGHT_CLICK = 14;
constexpr int SYSTEM_MIDDLE_CLICK = 15;
constexpr int SYSTEM_DATE = 16;
constexpr int SYSTEM_TIME = 17;
// Not in the table (no list offers it); only a profile value gives it.
constexpr int SYSTEM_CLOSE = 18;

void BuildSystemTable();
// The table position of the identifier; 0 when it is not in the table.
int FindSystemIndex(int id);
// The identifier at a position; 0 outside the table.
int GetSystemIdAt(int position);
// Sets name to the function's name (empty outside the table); answers its
// length.
int GetSystemNameAt(CString& name, int position);
// True for the functions that take a parameter (6, 7, 8, 16 and 17).
bool HasSystemParam(int id);
// Sets text to the parameter's text (empty for a function without parameter
// or a parameter outside its range); answers its length.
int GetSystemParamText(CString& text, int id, int param);

// The current local date or time in format 0 to 7; another number empties
// text.  Answer the text's length.
int FormatDateText(CString& text, int format);
int FormatTimeText(CString& text, int format);

// The same for a given time (what the two above use).
CString FormatDate(const SYSTEMTIME& time, int format);
CString FormatTime(const SYSTEMTIME& time, int format);
// strftime for the codes %d %m %y %Y %H %I %M %S and %%, with the flag # (as
// in %#d) dropping the leading zeros of that one number.  Other codes are
// copied as they stand.
CString FormatSystemTime(const SYSTEMTIME& time, const char* format);

}  // namespace corvane

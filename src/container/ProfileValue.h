// Text encodings of compound profile values (sizes, colours, rectangles,
// fonts, icon references), the in-place tokenizer that reads them back, and
// the library-wide value buffer.
#pragma once

#include "system/Win32.h"

namespace corvane {

// The one library-wide value buffer.  Writers format into it; readers of
// compound values read into it and tokenize it in place.  Host thread only.
constexpr int kProfileBufferSize = 512;
extern char g_profileBuffer[kProfileBufferSize];

// Write formats (every one but the padded integer ends with a line feed).
constexpr const char* kIntFormat = "%d\n";
constexpr const char* kSizeFormat = "%d,%d\n";
constexpr const char* kColorFormat = "%d,%d,%d\n";
constexpr const char* kRectFormat = "%d,%d,%d,%d\n";
constexpr const char* kIconFormat = "%s,%d\n";
constexpr const char* kFontFormat = "%s,%d,%d,%d,%d,%d,%d\n";

char* TrimBlanks(char* text);
char* FindSeparator(char* text, char separator);
char* NextField(char** cursor, char separator);
int NextInt(char** cursor, char separator);
// target (may be null) receives a copy of the field; targetSize bounds it
// (the copy is cut to targetSize - 1 characters).
char* NextString(char** cursor, char* target, int targetSize, char separator);
COLORREF ReadColor(char** cursor, char separator);
void ReadRect(char** cursor, RECT* rect, char separator);
void ReadLogFont(char** cursor, LOGFONT* font, char separator);

// Reads a value of at most 1023 characters; answers the number read.
int ReadProfileString(CString& string, LPCSTR file, LPCSTR section, LPCSTR key, LPCSTR defaultText);
void WritePaddedProfileInt(LPCSTR file, LPCSTR section, LPCSTR key, int value, int digits);

// Formatting helpers that fill g_profileBuffer with the formats above and
// answer it.
char* FormatColorValue(COLORREF color);
char* FormatRectValue(const RECT& rect);
char* FormatFontValue(const LOGFONT& font);
char* FormatIntValue(int value);

// Reads a compound value into g_profileBuffer (at most 511 characters) and
// answers a cursor on it (the buffer itself; empty text when missing).
char* ReadProfileValue(LPCSTR file, LPCSTR section, LPCSTR key);

}  // namespace corvane

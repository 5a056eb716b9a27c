#include "container/ProfileValue.h"

#include <cstdio>
#include <cstring>

#include "system/Profile.h"

namespace corvane {

char g_profileBuffer[kProfileBufferSize];

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

char* TrimBlanks(char* text) {
  if (!text) return nullptr;
  size_t skip = 0;
  while (IsBlank(text[skip])) ++skip;
  if (skip) std::memmove(text, text + skip, std::strlen(text + skip) + 1);
  size_t length = std::strlen(text);
  while (length > 0 && IsBlank(text[length - 1])) text[--length] = '\0';
  return text;
}

char* FindSeparator(char* text, char separator) {
  if (!text) return nullptr;
  char* quote = std::strchr(text, '"');
  char* sep = std::strchr(text, separator);
  if (!quote || !sep || quote > sep) return sep;
  *quote = ' ';
  char* closing = std::strchr(quote + 1, '"');
  if (!closing) return nullptr;
  *closing = ' ';
  return std::strchr(closing + 1, separator);
}

char* NextField(char** cursor, char separator) {
  char* field = *cursor;
  if (!field) return nullptr;
  char* sep = FindSeparator(field, separator);
  if (sep) {
    *sep = '\0';
    *cursor = sep + 1;
  } else {
    *cursor = nullptr;
  }
  return TrimBlanks(field);
}

int NextInt(char** cursor, char separator) {
  if (!*cursor) return 0;
  const char* p = NextField(cursor, separator);
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  std::uint32_t value = 0;
  while (*p >= '0' && *p <= '9') value = value * 10u + static_cast<std::uint32_t>(*p++ - '0');
  if (negative) value = 0u - value;
  return static_cast<int>(value);
}

char* NextString(char** cursor, char* target, int targetSize, char separator) {
  static char empty[1] = {'\0'};
  char* field = *cursor ? NextField(cursor, separator) : nullptr;
  if (!field) {
    empty[0] = '\0';
    field = empty;
  }
  if (target && targetSize > 0) {
    std::strncpy(target, field, static_cast<size_t>(targetSize - 1));
    target[targetSize - 1] = '\0';
  }
  return field;
}

COLORREF ReadColor(char** cursor, char separator) {
  const int red = NextInt(cursor, separator);
  const int green = NextInt(cursor, separator);
  const int blue = NextInt(cursor, separator);
  return static_cast<COLORREF>((red & 0xFF) + (green & 0xFF) * 256 + (blue & 0xFF) * 65536);
}

void ReadRect(char** cursor, RECT* rect, char separator) {
  rect->left = NextInt(cursor, separator);
  rect->top = NextInt(cursor, separator);
  rect->right = NextInt(cursor, separator);
  rect->bottom = NextInt(cursor, separator);
}

void ReadLogFont(char** cursor, LOGFONT* font, char separator) {
  std::memset(font, 0, sizeof *font);
  // A longer face name is cut to the 31 characters the field holds.
  NextString(cursor, font->lfFaceName, LF_FACESIZE, separator);
  font->lfHeight = NextInt(cursor, separator);
  font->lfWeight = NextInt(cursor, separator);
  font->lfItalic = static_cast<BYTE>(NextInt(cursor, separator));
  font->lfUnderline = static_cast<BYTE>(NextInt(cursor, separator));
  font->lfStrikeOut = static_cast<BYTE>(NextInt(cursor, separator));
  font->lfCharSet = static_cast<BYTE>(NextInt(cursor, separator));
}

int ReadProfileString(CString& string, LPCSTR file, LPCSTR section, LPCSTR key, LPCSTR defaultText) {
  char buffer[1024];
  buffer[0] = '\0';
  const DWORD read = GetPrivateProfileStringA(section, key, defaultText, buffer, sizeof buffer, file);
  if (read != 0)
    string = buffer;
  else
    string.Empty();
  return static_cast<int>(read);
}

void WritePaddedProfileInt(LPCSTR file, LPCSTR section, LPCSTR key, int value, int digits) {
  // No value longer than ReadProfileString can read back (1023 characters)
  // is worth padding to; a wider request is narrowed to that, so the digits
  // of the number itself are never cut off.
  constexpr int kWidest = 1023;
  if (digits > kWidest) digits = kWidest;
  if (digits < -kWidest) digits = -kWidest;
  char format[32];
  std::snprintf(format, sizeof format, "%%0%dd", digits);
  char text[kWidest + 16];
  std::snprintf(text, sizeof text, format, value);
  WritePrivateProfileStringA(section, key, text, file);
}

char* FormatColorValue(COLORREF color) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kColorFormat, GetRValue(color), GetGValue(color),
                GetBValue(color));
  return g_profileBuffer;
}

char* FormatRectValue(const RECT& rect) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kRectFormat, rect.left, rect.top, rect.right, rect.bottom);
  return g_profileBuffer;
}

char* FormatFontValue(const LOGFONT& font) {
  char face[LF_FACESIZE];
  std::memcpy(face, font.lfFaceName, LF_FACESIZE);
  face[LF_FACESIZE - 1] = '\0';
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kFontFormat, face, font.lfHeight, font.lfWeight,
                font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet);
  return g_profileBuffer;
}

char* FormatIntValue(int value) {
  std::snprintf(g_profileBuffer, sizeof g_profileBuffer, kIntFormat, value);
  return g_profileBuffer;
}

char* ReadProfileValue(LPCSTR file, LPCSTR section, LPCSTR key) {
  g_profileBuffer[0] = '\0';
  GetPrivateProfileStringA(section, key, "", g_profileBuffer, sizeof g_profileBuffer, file);
  return g_profileBuffer;
}

}  // namespace corvane

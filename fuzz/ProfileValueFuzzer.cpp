// The value tokenizer and the compound readers (colour, rectangle, font, icon
// reference) on arbitrary values, plus write/read round trips of the
// compound formats.  The first byte chooses the reader; the rest is the value
// as the profile read hands it over (at most 511 characters, zero-terminated).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "container/ProfileValue.h"
#include "support/FuzzSupport.h"

using namespace corvane;

namespace {

constexpr unsigned char kCanary = 0xA5;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Loads text into g_profileBuffer as the profile read would.
char* LoadBuffer(const std::string& text) {
  const size_t length = std::min(text.size(), static_cast<size_t>(kProfileBufferSize - 1));
  std::memcpy(g_profileBuffer, text.data(), length);
  g_profileBuffer[length] = '\0';
  return g_profileBuffer;
}

bool CursorInBuffer(const char* cursor) {
  return !cursor || (cursor >= g_profileBuffer && cursor < g_profileBuffer + kProfileBufferSize);
}

// The integer a field starts with: blanks, optional sign, decimal digits,
// wrapping modulo 2^32.
int ReferenceInt(const char* p) {
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  std::uint64_t value = 0;
  while (*p >= '0' && *p <= '9') value = (value * 10 + static_cast<unsigned>(*p++ - '0')) & 0xFFFFFFFFu;
  if (negative) value = (0x100000000ull - value) & 0xFFFFFFFFu;
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

void WalkFields(const std::string& text) {
  char* cursor = LoadBuffer(text);
  const size_t length = std::strlen(g_profileBuffer);
  size_t fields = 0;
  while (cursor) {
    FUZZ_CHECK(CursorInBuffer(cursor));
    char* field = NextField(&cursor, ',');
    FUZZ_CHECK(field >= g_profileBuffer && field < g_profileBuffer + kProfileBufferSize);
    const size_t fieldLength = std::strlen(field);
    FUZZ_CHECK(field + fieldLength < g_profileBuffer + kProfileBufferSize);
    if (fieldLength) FUZZ_CHECK(!IsBlank(field[0]) && !IsBlank(field[fieldLength - 1]));
    FUZZ_CHECK(++fields <= length + 1);
  }
  // Every further read of an exhausted cursor gives the defaults.
  FUZZ_CHECK(NextInt(&cursor, ',') == 0);
  FUZZ_CHECK(*NextString(&cursor, nullptr, 0, ',') == '\0');
}

void ReadInts(const std::string& text) {
  char* cursor = LoadBuffer(text);
  while (cursor) {
    // Predict from a copy of the same field, cut the same way.
    char copy[kProfileBufferSize];
    char* probe = copy;
    std::memcpy(copy, cursor, std::strlen(cursor) + 1);
    const int expected = ReferenceInt(NextField(&probe, ','));
    FUZZ_CHECK(NextInt(&cursor, ',') == expected);
  }
}

void ReadFont(const std::string& text) {
  struct {
    LOGFONT font;
    unsigned char guard[16];
  } slot;
  std::memset(&slot, kCanary, sizeof slot);
  char* cursor = LoadBuffer(text);
  ReadLogFont(&cursor, &slot.font, ',');
  for (unsigned char g : slot.guard) FUZZ_CHECK(g == kCanary);
  FUZZ_CHECK(std::memchr(slot.font.lfFaceName, '\0', LF_FACESIZE) != nullptr);
  FUZZ_CHECK(slot.font.lfWidth == 0 && slot.font.lfEscapement == 0 && slot.font.lfOrientation == 0);
  FUZZ_CHECK(slot.font.lfOutPrecision == 0 && slot.font.lfClipPrecision == 0 && slot.font.lfQuality == 0);
  FUZZ_CHECK(slot.font.lfPitchAndFamily == 0);
}

void ReadIcon(const std::string& text) {
  struct {
    char path[MAX_PATH];
    unsigned char guard[16];
  } slot;
  std::memset(&slot, kCanary, sizeof slot);
  char* cursor = LoadBuffer(text);
  char* field = NextString(&cursor, slot.path, MAX_PATH, ',');
  (void)NextInt(&cursor, ',');
  for (unsigned char g : slot.guard) FUZZ_CHECK(g == kCanary);
  FUZZ_CHECK(std::strlen(slot.path) < MAX_PATH);
  FUZZ_CHECK(std::strncmp(slot.path, field, MAX_PATH - 1) == 0);
}

// A face name as the library's own writers produce one: at most 31
// characters, no separator, quote mark or line break, no blanks at the ends.
std::string CleanFace(std::string face) {
  std::string out;
  for (char c : face)
    if (c != ',' && c != '"' && c != '\r' && c != '\n' && c != '\0') out += c;
  if (out.size() > LF_FACESIZE - 1) out.resize(LF_FACESIZE - 1);
  while (!out.empty() && IsBlank(out.back())) out.pop_back();
  size_t start = 0;
  while (start < out.size() && IsBlank(out[start])) ++start;
  return out.substr(start);
}

void RoundTrips(FuzzedDataProvider& data) {
  RECT rect{data.ConsumeIntegral<LONG>(), data.ConsumeIntegral<LONG>(), data.ConsumeIntegral<LONG>(),
            data.ConsumeIntegral<LONG>()};
  char* cursor = FormatRectValue(rect);
  RECT back{};
  ReadRect(&cursor, &back, ',');
  FUZZ_CHECK(back.left == rect.left && back.top == rect.top && back.right == rect.right &&
             back.bottom == rect.bottom);

  const COLORREF color = data.ConsumeIntegral<std::uint32_t>() & 0xFFFFFF;
  cursor = FormatColorValue(color);
  FUZZ_CHECK(ReadColor(&cursor, ',') == color);

  LOGFONT font{};
  const std::string face = CleanFace(data.ConsumeRandomLengthString(64));
  std::memcpy(font.lfFaceName, face.c_str(), face.size() + 1);
  font.lfHeight = data.ConsumeIntegral<LONG>();
  font.lfWeight = data.ConsumeIntegral<LONG>();
  font.lfItalic = data.ConsumeIntegral<BYTE>();
  font.lfUnderline = data.ConsumeIntegral<BYTE>();
  font.lfStrikeOut = data.ConsumeIntegral<BYTE>();
  font.lfCharSet = data.ConsumeIntegral<BYTE>();
  cursor = FormatFontValue(font);
  LOGFONT fontBack;
  ReadLogFont(&cursor, &fontBack, ',');
  FUZZ_CHECK(std::strcmp(fontBack.lfFaceName, font.lfFaceName) == 0);
  FUZZ_CHECK(fontBack.lfHeight == font.lfHeight && fontBack.lfWeight == font.lfWeight);
  FUZZ_CHECK(fontBack.lfItalic == font.lfItalic && fontBack.lfUnderline == font.lfUnderline);
  FUZZ_CHECK(fontBack.lfStrikeOut == font.lfStrikeOut && fontBack.lfCharSet == font.lfCharSet);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const int mode = data.ConsumeIntegral<uint8_t>() % 7;
  if (mode == 6) {
    RoundTrips(data);
    return 0;
  }
  const std::string text = data.ConsumeRemainingBytesAsString();
  char* cursor = nullptr;
  switch (mode) {
    case 0:
      cursor = LoadBuffer(text);
      FUZZ_CHECK(ReadColor(&cursor, ',') <= 0xFFFFFFu);
      break;
    case 1: {
      RECT rect;
      cursor = LoadBuffer(text);
      ReadRect(&cursor, &rect, ',');
      break;
    }
    case 2: ReadFont(text); break;
    case 3: ReadIcon(text); break;
    case 4: WalkFields(text); break;
    case 5: ReadInts(text); break;
  }
  FUZZ_CHECK(TrimBlanks(nullptr) == nullptr);
  return 0;
}

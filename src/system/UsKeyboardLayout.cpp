#include "system/UsKeyboardLayout.h"

#include <cstring>

namespace corvane {
namespace {

constexpr SHORT kShift = 0x100;
constexpr SHORT kControl = 0x200;

// Punctuation of the US layout: unshifted and shifted character of each key.
struct PunctuationKey {
  BYTE vk;
  char plain;
  char shifted;
};
constexpr PunctuationKey kPunctuation[] = {
    {0xC0, '`', '~'}, {0xBD, '-', '_'}, {0xBB, '=', '+'}, {0xDB, '[', '{'}, {0xDD, ']', '}'},
    {0xDC, '\\', '|'}, {0xBA, ';', ':'}, {0xDE, '\'', '"'}, {0xBC, ',', '<'}, {0xBE, '.', '>'},
    {0xBF, '/', '?'},
};

// Shifted digits, from 0 to 9.
constexpr const char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

SHORT UsLayoutVkKeyScan(char ch) {
  const unsigned char c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<SHORT>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<SHORT>(kShift | c);
  if (c >= '0' && c <= '9') return static_cast<SHORT>(c);
  switch (c) {
    case ' ': return 0x20;
    case 0x08: return 0x08;  // Back Space
    case 0x09: return 0x09;  // Tab
    case 0x0D: return 0x0D;  // Return
    case 0x1B: return 0x1B;  // Escape
    case 0x0A: return static_cast<SHORT>(kControl | 0x0D);  // Control + Return
    case 0x7F: return static_cast<SHORT>(kControl | 0x08);  // Control + Back Space
    case 0x00: return static_cast<SHORT>(kControl | kShift | '2');
    case 0x1C: return static_cast<SHORT>(kControl | 0xDC);
    case 0x1D: return static_cast<SHORT>(kControl | 0xDD);
    case 0x1E: return static_cast<SHORT>(kControl | kShift | '6');
    case 0x1F: return static_cast<SHORT>(kControl | kShift | 0xBD);
    default: break;
  }
  if (c >= 0x01 && c <= 0x1A) return static_cast<SHORT>(kControl | ('A' + c - 1));
  if (const char* digit = c ? std::strchr(kShiftedDigits, c) : nullptr)
    return static_cast<SHORT>(kShift | ('0' + (digit - kShiftedDigits)));
  for (const PunctuationKey& key : kPunctuation) {
    if (c == static_cast<unsigned char>(key.plain)) return key.vk;
    if (c == static_cast<unsigned char>(key.shifted)) return static_cast<SHORT>(kShift | key.vk);
  }
  return -1;
}

}  // namespace corvane

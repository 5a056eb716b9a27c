#include "system/win32/WideText.h"

#include <climits>

#include "system/win32/WindowsApi.h"

namespace corvane::win32 {

std::wstring Utf8ToWide(std::string_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return std::wstring();
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), needed);
  return wide;
}

std::string WideToUtf8(std::wstring_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX / 3)) return std::string();
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t end = limit;
  // Step back over the continuation bytes of the sequence that the limit cuts
  // (at most three: no valid sequence is longer than four bytes).
  for (int step = 0; step < 3 && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++step) --end;
  if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) return limit;  // not UTF-8: cut where asked
  return end;
}

}  // namespace corvane::win32

// Texts are UTF-8 inside the library and UTF-16 in the platform's wide
// functions; these convert at that boundary.  Invalid UTF-8 becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace corvane::win32 {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// A null pointer stays null (the wide functions give it a meaning of its own).
class WideArg {
 public:
  explicit WideArg(const char* text) : m_null(text == nullptr), m_text(text ? Utf8ToWide(text) : std::wstring()) {}
  const wchar_t* get() const { return m_null ? nullptr : m_text.c_str(); }
  bool null() const { return m_null; }

 private:
  bool m_null;
  std::wstring m_text;
};

// The longest prefix of text, at most limit bytes, that does not end inside
// a UTF-8 sequence.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit);

}  // namespace corvane::win32

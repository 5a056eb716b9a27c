// CString: the library's 8-bit text, with the part of the MFC interface that
// the library and its hosts use.  Header-only, so a host needs nothing from
// the library to build, copy or read one.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace corvane {

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit as in MFC
  CString(const char* text, int length) : m_text(text ? std::string(text, length > 0 ? length : 0) : std::string()) {}
  CString(std::string text) : m_text(std::move(text)) {}  // NOLINT
  CString(std::string_view text) : m_text(text) {}        // NOLINT
  CString(char ch, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, ch) {}

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  const char* GetString() const { return m_text.c_str(); }
  operator const char*() const { return m_text.c_str(); }  // NOLINT: MFC's LPCTSTR conversion
  const std::string& str() const { return m_text; }
  std::string_view view() const { return m_text; }

  char GetAt(int index) const {
    return index >= 0 && index < GetLength() ? m_text[static_cast<size_t>(index)] : '\0';
  }
  char operator[](int index) const { return GetAt(index); }
  void SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength()) m_text[static_cast<size_t>(index)] = ch;
  }

  CString& operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
  }
  CString& operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
  }
  CString& operator+=(const char* text) {
    if (text) m_text += text;
    return *this;
  }
  CString& operator+=(char ch) {
    m_text += ch;
    return *this;
  }
  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
  friend CString operator+(const CString& a, const char* b) { return CString(a.m_text + (b ? b : "")); }
  friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_text); }
  friend CString operator+(const CString& a, char b) { return CString(a.m_text + b); }

  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
  friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
  friend bool operator==(const char* a, const CString& b) { return b == a; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
  friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

  int Compare(const char* other) const { return std::strcmp(GetString(), other ? other : ""); }
  int CompareNoCase(const char* other) const {
    const char* a = GetString();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
      int ca = Lower(static_cast<unsigned char>(*a));
      int cb = Lower(static_cast<unsigned char>(*b));
      if (ca != cb || ca == 0) return ca < cb ? -1 : (ca > cb ? 1 : 0);
    }
  }

  int Find(char ch, int start = 0) const {
    if (start < 0 || start > GetLength()) return -1;
    size_t pos = m_text.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
  }
  int Find(const char* sub, int start = 0) const {
    if (!sub || start < 0 || start > GetLength()) return -1;
    size_t pos = m_text.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
  }
  int ReverseFind(char ch) const {
    size_t pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
  }

  CString Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)));
  }
  CString Right(int count) const {
    if (count <= 0) return CString();
    if (count >= GetLength()) return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
  }
  CString Mid(int first) const {
    if (first < 0) first = 0;
    if (first >= GetLength()) return CString();
    return CString(m_text.substr(static_cast<size_t>(first)));
  }
  CString Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CString();
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
  }

  CString& MakeUpper() {
    for (char& c : m_text)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return *this;
  }
  CString& MakeLower() {
    for (char& c : m_text) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
    return *this;
  }
  CString& TrimLeft() {
    size_t i = 0;
    while (i < m_text.size() && IsSpace(m_text[i])) ++i;
    m_text.erase(0, i);
    return *this;
  }
  CString& TrimRight() {
    while (!m_text.empty() && IsSpace(m_text.back())) m_text.pop_back();
    return *this;
  }
  CString& Trim() { return TrimRight().TrimLeft(); }
  int Replace(const char* from, const char* to) {
    if (!from || !*from) return 0;
    std::string replacement = to ? to : "";
    size_t fromLen = std::strlen(from);
    int count = 0;
    for (size_t pos = m_text.find(from); pos != std::string::npos;
         pos = m_text.find(from, pos + replacement.size())) {
      m_text.replace(pos, fromLen, replacement);
      ++count;
    }
    return count;
  }

  // printf-style formatting (Win32 wsprintf conventions are a subset).
  void Format(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
  {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
  }
  void FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
      m_text.clear();
      return;
    }
    std::string out(static_cast<size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(needed));
    m_text = std::move(out);
  }

 private:
  static int Lower(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

  std::string m_text;
};

}  // namespace corvane

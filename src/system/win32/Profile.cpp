// The profile functions on Windows: the platform's own, through their wide
// forms so that UTF-8 texts inside the library and file names with any
// characters reach the file intact.  The platform reads ANSI files in the
// system's code page and Unicode (UTF-16) files as they are, and writes each
// in its own form.  A text that the code page cannot hold would turn into
// question marks in an ANSI file, so such a write first turns the file into a
// Unicode file (its old content converted, atomically replaced); files whose
// texts all fit stay as they were.  Two rules keep the platforms alike: a
// path is made absolute first (the platform would otherwise look for a bare
// file name in the Windows folder), and a value is one line (the text before
// any line break is written, so that no value can add keys or sections).
#include "system/Profile.h"

#include <cstring>
#include <string>
#include <vector>

#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

namespace corvane {

namespace {

using win32::Utf8ToWide;
using win32::WideToUtf8;

std::wstring FullPath(LPCSTR file) {
  std::wstring path = Utf8ToWide(file);
  if (path.empty()) return path;
  DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  DWORD written = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  const std::size_t copied = win32::Utf8PrefixLength(text, size - 1);
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return static_cast<DWORD>(copied);
}

// The value, or false when the file, section or key is missing.  The
// platform answers its default for a missing key, so two different defaults
// tell a missing key from a stored value that equals one of them.
bool ReadValue(const std::wstring& section, const std::wstring& key, const std::wstring& file, std::wstring& out) {
  std::vector<wchar_t> buffer(512);
  for (;;) {
    const DWORD capacity = static_cast<DWORD>(buffer.size());
    DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"\x1\x2", buffer.data(), capacity,
                                              file.c_str());
    if (length + 1 < capacity || capacity >= (1u << 24)) {
      out.assign(buffer.data(), length);
      break;
    }
    buffer.resize(buffer.size() * 4);  // cut short: read again with more room
  }
  if (out != L"\x1\x2") return true;
  wchar_t probe[4];
  DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"\x3", probe, 4, file.c_str());
  return !(length == 1 && probe[0] == L'\x3');
}

enum class FileForm { kMissing, kAnsi, kUnicode };

HANDLE OpenForReading(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A file that starts with a UTF-16 or UTF-8 byte-order mark is one the
// platform reads and writes without the code page.
FileForm FormOf(const std::wstring& path) {
  HANDLE file = OpenForReading(path);
  if (file == INVALID_HANDLE_VALUE) return FileForm::kMissing;
  unsigned char head[3] = {};
  ::DWORD got = 0;
  const bool read = ::ReadFile(file, head, sizeof head, &got, nullptr);
  ::CloseHandle(file);
  if (!read || got == 0) return FileForm::kAnsi;
  if (got >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF)))
    return FileForm::kUnicode;
  if (got == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) return FileForm::kUnicode;
  return FileForm::kAnsi;
}

bool FitsCodePage(const std::wstring& text) {
  if (text.empty()) return true;
  const UINT codePage = ::GetACP();
  if (codePage == CP_UTF8 || codePage == CP_UTF7) return true;
  BOOL lossy = FALSE;
  const int n = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, &lossy);
  return n > 0 && !lossy;
}

bool ReadAll(const std::wstring& path, std::string& content) {
  HANDLE file = OpenForReading(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < (1 << 30);
  if (ok) {
    content.resize(static_cast<std::size_t>(size.QuadPart));
    ::DWORD got = 0;
    ok = content.empty() || (::ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &got, nullptr) &&
                             got == content.size());
  }
  ::CloseHandle(file);
  return ok;
}

// Writes bytes to a new file beside path and moves it over path, so that the
// file is at every moment either the old one or the new one, whole.
bool ReplaceAtomically(const std::wstring& path, const void* bytes, DWORD size) {
  // Never ".tmp": a template folder scan would take a leftover for a template.
  const std::wstring temporary = path + L".~" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(::GetTickCount()) + L".new";
  HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::DWORD written = 0;
  bool ok = ::WriteFile(file, bytes, size, &written, nullptr) && written == size && ::FlushFileBuffers(file);
  ok = ::CloseHandle(file) && ok;
  if (ok) ok = ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) ::DeleteFileW(temporary.c_str());
  return ok;
}

// Rewrites an ANSI (or missing) file as UTF-16 with its byte-order mark,
// its text converted from the code page.
bool MakeUnicodeFile(const std::wstring& path) {
  std::string ansi;
  ReadAll(path, ansi);  // a missing file converts as an empty one
  std::wstring wide(1, L'\xFEFF');
  if (!ansi.empty()) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (n <= 0) return false;
    wide.resize(1 + static_cast<std::size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data() + 1, n);
  }
  // The platform keeps parsed files: let it write out and forget this one.
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
  return ReplaceAtomically(path, wide.data(), static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultText, LPSTR buffer, DWORD size,
                               LPCSTR file) {
  std::wstring value;
  if (section && key && file && *file &&
      ReadValue(Utf8ToWide(section), Utf8ToWide(key), FullPath(file), value))
    return CopyOut(WideToUtf8(value), buffer, size);
  return CopyOut(defaultText ? defaultText : "", buffer, size);
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR file) {
  if (!section || !key || !file || !*file) return static_cast<UINT>(defaultValue);
  return ::GetPrivateProfileIntW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), defaultValue,
                                 FullPath(file).c_str());
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
  // Deleting keys or sections (a null key or value) is never used here.
  if (!section || !key || !value || !file || !*file) return FALSE;
  const std::wstring path = FullPath(file);
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  const std::wstring wideValue = Utf8ToWide(std::string_view(value, std::strcspn(value, "\r\n")));
  if (!(FitsCodePage(wideSection) && FitsCodePage(wideKey) && FitsCodePage(wideValue)) &&
      FormOf(path) != FileForm::kUnicode && !MakeUnicodeFile(path))
    return FALSE;
  return ::WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(), path.c_str()) ? TRUE
                                                                                                              : FALSE;
}

}  // namespace corvane

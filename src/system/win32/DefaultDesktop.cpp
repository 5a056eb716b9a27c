// On Windows the desktop is the real one: every side effect goes to the
// platform's function of the same name.  Texts are UTF-8 inside the library;
// here they become UTF-16 for the platform: the clipboard receives
// CF_UNICODETEXT for the library's CF_TEXT and CF_OEMTEXT (the platform
// derives the ANSI and OEM forms from it), and programs, documents and sounds are named with
// the wide functions.  (The library's CF_OEMTEXT is UTF-8 text too.)
#include <cstdlib>
#include <cstring>
#include <string>

#include "system/Desktop.h"
#include "system/RecordingDesktop.h"
#include "system/win32/WideText.h"
#include "system/win32/WindowsApi.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace corvane {

namespace {

using win32::Utf8ToWide;
using win32::WideArg;

inline ::HWND Native(HWND window) { return reinterpret_cast<::HWND>(window); }
inline HWND Ours(::HWND window) { return reinterpret_cast<HWND>(window); }

class Win32Desktop final : public DesktopBackend {
 public:
  void KeybdEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) override {
    ::keybd_event(vk, scan, flags, extraInfo);
  }
  SHORT VkKeyScanChar(CHAR ch) override {
    // A byte past ASCII is part of a UTF-8 sequence, not a character of the
    // keyboard's code page: no key types it.
    if (static_cast<unsigned char>(ch) >= 0x80) return -1;
    return ::VkKeyScanA(ch);
  }
  void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) override {
    ::mouse_event(flags, dx, dy, data, extraInfo);
  }

  HWND GetForegroundWindow() override { return Ours(::GetForegroundWindow()); }
  BOOL SetForegroundWindow(HWND window) override { return ::SetForegroundWindow(Native(window)); }
  HWND GetActiveWindow() override { return Ours(::GetActiveWindow()); }
  BOOL IsZoomed(HWND window) override { return ::IsZoomed(Native(window)); }
  LRESULT SendWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    return ::SendMessageA(Native(window), msg, wParam, lParam);
  }
  BOOL PostWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override {
    return ::PostMessageA(Native(window), msg, wParam, lParam);
  }

  BOOL ExitWindowsEx(UINT flags, DWORD reason) override {
    // Logging off needs no privilege; shutting down and restarting do.
    if (flags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) EnableShutdownPrivilege();
    return ::ExitWindowsEx(flags, reason);
  }

  BOOL OpenClipboard(HWND newOwner) override { return ::OpenClipboard(Native(newOwner)); }
  BOOL EmptyClipboard() override { return ::EmptyClipboard(); }
  HANDLE SetClipboardData(UINT format, HANDLE memory) override {
    if ((format != CF_TEXT && format != CF_OEMTEXT) || !memory) return ::SetClipboardData(format, memory);
    // The library's text is UTF-8: hand the platform the same characters as
    // Unicode text.  On success the clipboard owns the new block, and the
    // caller's block, whose ownership the caller gave up, is freed here.
    const char* text = static_cast<const char*>(::GlobalLock(memory));
    if (!text) return nullptr;
    const std::size_t limit = ::GlobalSize(memory);
    const std::wstring wide = Utf8ToWide(std::string_view(text, strnlen(text, limit)));
    ::GlobalUnlock(memory);
    ::HGLOBAL unicode = ::GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!unicode) return nullptr;
    if (void* target = ::GlobalLock(unicode)) {
      std::memcpy(target, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
      ::GlobalUnlock(unicode);
    }
    if (!::SetClipboardData(CF_UNICODETEXT, unicode)) {
      ::GlobalFree(unicode);
      return nullptr;
    }
    ::GlobalFree(memory);
    return memory;
  }
  BOOL CloseClipboard() override { return ::CloseClipboard(); }
  HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) override { return ::GlobalAlloc(flags, bytes); }
  LPVOID GlobalLock(HGLOBAL memory) override { return ::GlobalLock(memory); }
  BOOL GlobalUnlock(HGLOBAL memory) override {
    // The platform answers FALSE once the block is unlocked (and sets no
    // error): that is success.
    ::SetLastError(NO_ERROR);
    return ::GlobalUnlock(memory) || ::GetLastError() == NO_ERROR;
  }
  HGLOBAL GlobalFree(HGLOBAL memory) override { return ::GlobalFree(memory); }

  HINSTANCE ShellExecuteFile(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                             INT showCommand) override {
    const WideArg wideVerb(verb), wideFile(file), wideParameters(parameters), wideDirectory(directory);
    return reinterpret_cast<HINSTANCE>(::ShellExecuteW(Native(window), wideVerb.get(), wideFile.get(),
                                                       wideParameters.get(), wideDirectory.get(), showCommand));
  }
  BOOL PlaySoundName(LPCSTR sound, HMODULE module, DWORD flags) override {
    // Names (files, aliases) are texts; a resource id or a memory image is
    // passed as it is.
    const bool byId = (flags & SND_ALIAS_ID) == SND_ALIAS_ID || (flags & SND_RESOURCE) == SND_RESOURCE;
    if (sound && !byId && !(flags & SND_MEMORY))
      return ::PlaySoundW(WideArg(sound).get(), reinterpret_cast<::HMODULE>(module), flags);
    return ::PlaySoundA(sound, reinterpret_cast<::HMODULE>(module), flags);
  }

  void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
  void GetLocalTime(LPSYSTEMTIME time) override {
    static_assert(sizeof(corvane::SYSTEMTIME) == sizeof(::SYSTEMTIME), "SYSTEMTIME layouts differ");
    ::GetLocalTime(reinterpret_cast<::LPSYSTEMTIME>(time));
  }

 private:
  static void EnableShutdownPrivilege() {
    ::HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
      ::AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    ::CloseHandle(token);
  }
};

}  // namespace

DesktopBackend* CreateDefaultDesktopBackend() {
  // A dry run (CORVANE_DESKTOP_BACKEND=record) records instead of acting,
  // as on Linux.
  const char* choice = std::getenv("CORVANE_DESKTOP_BACKEND");
  if (choice && std::strcmp(choice, "record") == 0) {
    auto* backend = new RecordingDesktop;
    backend->SetRecordLimit(65536);
    ConfigureFromEnvironment(*backend);
    return backend;
  }
  return new Win32Desktop;
}

}  // namespace corvane

// The recording desktop backend: performs nothing and keeps every side effect
// in order, each with the time of a virtual clock.  Sleep advances that clock
// and returns at once, so timed behaviour can be checked exactly and quickly.
// Tests and the command-line host's dry run use it; the record can be written
// as JSON Lines (the format is described in docs/trace.md).
//
// Pure queries (GetForegroundWindow, GetActiveWindow, IsZoomed, VkKeyScanA,
// GetLocalTime, GlobalLock, GlobalUnlock) are answered but not recorded.  The
// state they answer from is set by the test: the foreground and active
// windows, which windows are maximized, whether the clipboard and memory are
// available, the local time, and how long a synchronous sound lasts.
//
// Every member is thread-safe: a playback thread may call the backend while
// another thread reads the record or changes the state.
#pragma once

#include <array>
#include <cstdio>
#include <cstdint>
#include <deque>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "system/Desktop.h"

namespace corvane {

class RecordingDesktop : public DesktopBackend {
 public:
  // One argument value: null (a text the caller did not pass), a signed or an
  // unsigned number, or a text (8-bit, normally UTF-8).
  using Value = std::variant<std::nullptr_t, std::int64_t, std::uint64_t, std::string>;

  struct Call {
    std::uint64_t t = 0;  // virtual milliseconds since the record started
    std::string fn;       // the Win32 function name
    std::vector<std::pair<std::string, Value>> args;  // in the order of the parameters

    // The argument of that name, or null when the call has none.
    const Value* Find(const std::string& name) const;
    // The argument as a number (0 when missing, null or a text).
    std::int64_t Number(const std::string& name) const;
    // The argument as a text (empty when missing, null or a number).
    std::string Text(const std::string& name) const;
    // The call as one JSON object, without a line break.
    std::string ToJson() const;
  };

  RecordingDesktop();
  ~RecordingDesktop() override;

  // ---- The record.
  std::vector<Call> Calls() const;
  std::size_t CallCount() const;
  // Virtual milliseconds since the record started.
  std::uint64_t Now() const;
  // Forgets every call and restarts the clock at 0.  The simulated state
  // (windows, clipboard, keys held, memory blocks) is kept.
  void Clear();
  // Keeps at most limit calls, dropping the oldest (0: no limit, the default).
  void SetRecordLimit(std::size_t limit);
  // One JSON object a line, in the order of the calls.
  std::string ToJsonLines() const;
  void WriteJsonLines(std::ostream& out) const;
  // Also writes each call, as it is recorded, as one JSON line to out (and
  // flushes it); null stops.  The file stays the caller's.
  void StreamTo(std::FILE* out);

  // ---- State a test sets.
  void SetForeground(HWND window);
  void SetActive(HWND window);
  void SetZoomed(HWND window, bool zoomed);
  // When false, OpenClipboard fails.  Default true.
  void SetClipboardAvailable(bool available);
  // When false, GlobalAlloc fails.  Default true.
  void SetMemoryAvailable(bool available);
  // The local time GetLocalTime answers from now on (by default the real
  // local time of the machine).
  void SetLocalTime(const SYSTEMTIME& time);
  void UseRealLocalTime();
  // How long a PlaySoundA call without SND_ASYNC lasts: the clock advances by
  // that much.  Default 0.
  void SetSoundDuration(DWORD milliseconds);
  // What ShellExecuteA answers (default 42, success), ExitWindowsEx
  // (default TRUE) and SendMessageA (default 0).
  void SetShellExecuteResult(std::uintptr_t result);
  void SetExitWindowsResult(BOOL result);
  void SetSendMessageResult(LRESULT result);

  // ---- State a test reads.
  // The virtual-key codes that went down and have not come up, ascending.
  std::vector<BYTE> PressedKeys() const;
  // The MOUSEEVENTF_*DOWN bits of the buttons that are still down.
  DWORD PressedMouseButtons() const;
  // True when no key and no mouse button is left down.
  bool AllReleased() const;
  bool IsClipboardOpen() const;
  // The format and text of the last data put on the clipboard (0 and empty
  // when the clipboard is empty).  The text ends at the block's first zero.
  UINT ClipboardFormat() const;
  std::string ClipboardText() const;
  // Memory blocks allocated and neither freed nor handed to the clipboard.
  std::size_t LiveMemoryBlocks() const;

  // ---- DesktopBackend.
  void KeybdEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) override;
  SHORT VkKeyScanChar(CHAR ch) override;
  void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) override;
  HWND GetForegroundWindow() override;
  BOOL SetForegroundWindow(HWND window) override;
  HWND GetActiveWindow() override;
  BOOL IsZoomed(HWND window) override;
  LRESULT SendWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  BOOL PostWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  BOOL ExitWindowsEx(UINT flags, DWORD reason) override;
  BOOL OpenClipboard(HWND newOwner) override;
  BOOL EmptyClipboard() override;
  HANDLE SetClipboardData(UINT format, HANDLE memory) override;
  BOOL CloseClipboard() override;
  HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) override;
  LPVOID GlobalLock(HGLOBAL memory) override;
  BOOL GlobalUnlock(HGLOBAL memory) override;
  HGLOBAL GlobalFree(HGLOBAL memory) override;
  HINSTANCE ShellExecuteFile(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                             INT showCommand) override;
  BOOL PlaySoundName(LPCSTR sound, HMODULE module, DWORD flags) override;
  void Sleep(DWORD milliseconds) override;
  void GetLocalTime(LPSYSTEMTIME time) override;

 private:
  struct MemoryBlock {
    std::vector<char> bytes;
    int locks = 0;
  };

  // Appends a call at the current time; the caller holds m_mutex.
  void Record(const char* fn, std::vector<std::pair<std::string, Value>> args);

  mutable std::mutex m_mutex;
  std::deque<Call> m_calls;
  std::size_t m_limit = 0;
  std::FILE* m_stream = nullptr;
  std::uint64_t m_clock = 0;

  HWND m_foreground = nullptr;
  HWND m_active = nullptr;
  std::vector<HWND> m_zoomed;
  std::array<bool, 256> m_keyDown{};
  DWORD m_mouseDown = 0;

  bool m_clipboardAvailable = true;
  bool m_clipboardOpen = false;
  UINT m_clipboardFormat = 0;
  std::string m_clipboardText;

  bool m_memoryAvailable = true;
  std::unordered_map<HGLOBAL, std::unique_ptr<MemoryBlock>> m_blocks;

  bool m_fixedTime = false;
  SYSTEMTIME m_localTime{};
  DWORD m_soundDuration = 0;
  std::uintptr_t m_shellResult = 42;
  BOOL m_exitResult = TRUE;
  LRESULT m_sendResult = 0;
};

// Writes text as a JSON string (quotes included): UTF-8 passes through,
// quotes, backslashes and control characters are escaped, and each byte that
// is not part of valid UTF-8 becomes \u00XX with that byte's value.
void AppendJsonString(std::string& out, const std::string& text);

// Sets up a recording desktop from the environment (used for the default
// backend on platforms without a real one, and by hosts' dry runs):
//   CORVANE_DESKTOP_TRACE  "-" streams the record to standard output, any
//                          other text names a file it is appended to;
//   CORVANE_DESKTOP        settings separated by ";": foreground=N, active=N,
//                          zoomed=N (window N is maximized), time=YYYY-MM-DD
//                          HH:MM:SS (a fixed local time), sound-ms=N (length
//                          of a synchronous sound).
// Unknown or malformed settings are ignored.  Answers false when a setting
// could not be used (the backend is configured as far as possible).
bool ConfigureFromEnvironment(RecordingDesktop& desktop);
// Parses "YYYY-MM-DD HH:MM:SS" (the day of the week is computed).
bool ParseLocalTime(const char* text, SYSTEMTIME& time);

}  // namespace corvane

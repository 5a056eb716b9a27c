// Desktop side effects: synthesized keys and mouse clicks, window messages and
// focus, the clipboard and its global memory blocks, logging off, the shell,
// sounds, sleeping and the local time.  Subsystem code calls the free
// functions below by their Win32 names; each forwards to the current
// DesktopBackend, which is chosen at start-up (the recording backend by
// default on Linux, the real one on Windows) and can be replaced at any time.
//
// A translation unit that also includes <windows.h> (only the Win32 backend
// does) must include this header first: the Win32 headers define some of these
// names as macros.
#pragma once

#include <cstddef>
#include <cstdint>

#include "system/Win32.h"

namespace corvane {

typedef std::uintptr_t ULONG_PTR;
typedef std::size_t SIZE_T;
typedef void* HANDLE;
typedef HANDLE HGLOBAL;

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;  // 1-12
  WORD wDayOfWeek;  // 0 = Sunday
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;

// Virtual-key codes.
constexpr BYTE VK_BACK = 0x08;
constexpr BYTE VK_TAB = 0x09;
constexpr BYTE VK_RETURN = 0x0D;
constexpr BYTE VK_SHIFT = 0x10;
constexpr BYTE VK_CONTROL = 0x11;
constexpr BYTE VK_MENU = 0x12;  // Alt
constexpr BYTE VK_PAUSE = 0x13;
constexpr BYTE VK_ESCAPE = 0x1B;
constexpr BYTE VK_SPACE = 0x20;
constexpr BYTE VK_PRIOR = 0x21;  // Page Up
constexpr BYTE VK_NEXT = 0x22;   // Page Down
constexpr BYTE VK_END = 0x23;
constexpr BYTE VK_HOME = 0x24;
constexpr BYTE VK_LEFT = 0x25;
constexpr BYTE VK_UP = 0x26;
constexpr BYTE VK_RIGHT = 0x27;
constexpr BYTE VK_DOWN = 0x28;
constexpr BYTE VK_SNAPSHOT = 0x2C;  // Print Screen
constexpr BYTE VK_INSERT = 0x2D;
constexpr BYTE VK_DELETE = 0x2E;
constexpr BYTE VK_LWIN = 0x5B;
constexpr BYTE VK_F1 = 0x70;
constexpr BYTE VK_F4 = 0x73;
constexpr BYTE VK_F5 = 0x74;
constexpr BYTE VK_F12 = 0x7B;

// keybd_event flags.
constexpr DWORD KEYEVENTF_EXTENDEDKEY = 0x0001;
constexpr DWORD KEYEVENTF_KEYUP = 0x0002;

// mouse_event flags.
constexpr DWORD MOUSEEVENTF_MOVE = 0x0001;
constexpr DWORD MOUSEEVENTF_LEFTDOWN = 0x0002;
constexpr DWORD MOUSEEVENTF_LEFTUP = 0x0004;
constexpr DWORD MOUSEEVENTF_RIGHTDOWN = 0x0008;
constexpr DWORD MOUSEEVENTF_RIGHTUP = 0x0010;
constexpr DWORD MOUSEEVENTF_MIDDLEDOWN = 0x0020;
constexpr DWORD MOUSEEVENTF_MIDDLEUP = 0x0040;
constexpr DWORD MOUSEEVENTF_WHEEL = 0x0800;
constexpr DWORD MOUSEEVENTF_ABSOLUTE = 0x8000;

// Window messages.
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;

// WM_SYSCOMMAND commands.
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_KEYMENU = 0xF100;
constexpr WPARAM SC_RESTORE = 0xF120;
constexpr WPARAM SC_SCREENSAVE = 0xF140;

// Scroll codes of WM_VSCROLL and WM_HSCROLL.
constexpr WPARAM SB_LINEUP = 0;
constexpr WPARAM SB_LINELEFT = 0;
constexpr WPARAM SB_LINEDOWN = 1;
constexpr WPARAM SB_LINERIGHT = 1;
constexpr WPARAM SB_PAGEUP = 2;
constexpr WPARAM SB_PAGELEFT = 2;
constexpr WPARAM SB_PAGEDOWN = 3;
constexpr WPARAM SB_PAGERIGHT = 3;

// ExitWindowsEx flags.
constexpr UINT EWX_LOGOFF = 0x0000;
constexpr UINT EWX_SHUTDOWN = 0x0001;
constexpr UINT EWX_REBOOT = 0x0002;
constexpr UINT EWX_FORCE = 0x0004;
constexpr UINT EWX_POWEROFF = 0x0008;

// Clipboard formats and global memory flags.
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;

// ShellExecuteA show commands.
constexpr INT SW_HIDE = 0;
constexpr INT SW_SHOWNORMAL = 1;
constexpr INT SW_SHOWMINIMIZED = 2;
constexpr INT SW_SHOWMAXIMIZED = 3;
constexpr INT SW_SHOW = 5;
constexpr INT SW_MINIMIZE = 6;
constexpr INT SW_SHOWDEFAULT = 10;

// PlaySoundA flags.
constexpr DWORD SND_SYNC = 0x0000;
constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_LOOP = 0x0008;
constexpr DWORD SND_NOSTOP = 0x0010;
constexpr DWORD SND_APPLICATION = 0x0080;
constexpr DWORD SND_ALIAS = 0x00010000;
constexpr DWORD SND_FILENAME = 0x00020000;

// The free functions, as Win32 defines them.
void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo);
// Low byte: the virtual-key code of the character; high byte: the shift state
// (1 Shift, 2 Control, 4 Alt).  -1 when no key gives the character.
SHORT VkKeyScanA(CHAR ch);
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo);

HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetActiveWindow();
BOOL IsZoomed(HWND window);
LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL ExitWindowsEx(UINT flags, DWORD reason);

BOOL OpenClipboard(HWND newOwner);
BOOL EmptyClipboard();
// On success the clipboard owns the memory block; on failure (null) the
// caller still does.
HANDLE SetClipboardData(UINT format, HANDLE memory);
BOOL CloseClipboard();
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
LPVOID GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
// Null on success, the handle itself on failure.
HGLOBAL GlobalFree(HGLOBAL memory);

// Above 32 on success.
HINSTANCE ShellExecuteA(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCommand);
BOOL PlaySoundA(LPCSTR sound, HMODULE module, DWORD flags);

void Sleep(DWORD milliseconds);
void GetLocalTime(LPSYSTEMTIME time);

// Window handles are numbers to the library; these convert both ways.
inline HWND WindowFromNumber(std::uintptr_t number) { return reinterpret_cast<HWND>(number); }
inline std::uintptr_t NumberFromWindow(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

// One implementation of every desktop side effect.  All members may be called
// from any thread; a backend synchronises itself.  Members whose Win32 name is
// a macro of the Win32 headers (SendMessage, VkKeyScan...) carry other names.
class DesktopBackend {
 public:
  virtual ~DesktopBackend() = default;

  virtual void KeybdEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) = 0;
  virtual SHORT VkKeyScanChar(CHAR ch) = 0;
  virtual void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) = 0;

  virtual HWND GetForegroundWindow() = 0;
  virtual BOOL SetForegroundWindow(HWND window) = 0;
  virtual HWND GetActiveWindow() = 0;
  virtual BOOL IsZoomed(HWND window) = 0;
  virtual LRESULT SendWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  virtual BOOL PostWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

  virtual BOOL ExitWindowsEx(UINT flags, DWORD reason) = 0;

  virtual BOOL OpenClipboard(HWND newOwner) = 0;
  virtual BOOL EmptyClipboard() = 0;
  virtual HANDLE SetClipboardData(UINT format, HANDLE memory) = 0;
  virtual BOOL CloseClipboard() = 0;
  virtual HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) = 0;
  virtual LPVOID GlobalLock(HGLOBAL memory) = 0;
  virtual BOOL GlobalUnlock(HGLOBAL memory) = 0;
  virtual HGLOBAL GlobalFree(HGLOBAL memory) = 0;

  virtual HINSTANCE ShellExecuteFile(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                     LPCSTR directory, INT showCommand) = 0;
  virtual BOOL PlaySoundName(LPCSTR sound, HMODULE module, DWORD flags) = 0;

  virtual void Sleep(DWORD milliseconds) = 0;
  virtual void GetLocalTime(LPSYSTEMTIME time) = 0;
};

// The backend the free functions use.  The first call makes the platform's
// default one (CreateDefaultDesktopBackend), which lives until the process
// ends.
DesktopBackend& GetDesktopBackend();
// Makes backend the current one (null: the platform's default) and answers
// the previous one.  The caller keeps ownership and must keep the backend
// alive while it is current and while calls that started on it may run.
DesktopBackend* SetDesktopBackend(DesktopBackend* backend);
// Implemented by the platform folder (posix/ or win32/).
DesktopBackend* CreateDefaultDesktopBackend();

// Makes a backend current for the lifetime of the object, then restores the
// previous one.
class ScopedDesktopBackend {
 public:
  explicit ScopedDesktopBackend(DesktopBackend& backend) : m_previous(SetDesktopBackend(&backend)) {}
  ~ScopedDesktopBackend() { SetDesktopBackend(m_previous); }
  ScopedDesktopBackend(const ScopedDesktopBackend&) = delete;
  ScopedDesktopBackend& operator=(const ScopedDesktopBackend&) = delete;

 private:
  DesktopBackend* m_previous;
};

}  // namespace corvane

#include "system/Desktop.h"

#include <atomic>

namespace corvane {
namespace {

std::atomic<DesktopBackend*> g_currentBackend{nullptr};

DesktopBackend& DefaultBackend() {
  // Made once, on first use, and kept for the life of the process: playback
  // threads may still be inside it while the process shuts down.
  static DesktopBackend* const backend = CreateDefaultDesktopBackend();
  return *backend;
}

}  // namespace

DesktopBackend& GetDesktopBackend() {
  DesktopBackend* backend = g_currentBackend.load(std::memory_order_acquire);
  return backend ? *backend : DefaultBackend();
}

DesktopBackend* SetDesktopBackend(DesktopBackend* backend) {
  DesktopBackend* previous = g_currentBackend.exchange(backend, std::memory_order_acq_rel);
  return previous;
}

void keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) {
  GetDesktopBackend().KeybdEvent(vk, scan, flags, extraInfo);
}
SHORT VkKeyScanA(CHAR ch) { return GetDesktopBackend().VkKeyScanChar(ch); }
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
  GetDesktopBackend().MouseEvent(flags, dx, dy, data, extraInfo);
}

HWND GetForegroundWindow() { return GetDesktopBackend().GetForegroundWindow(); }
BOOL SetForegroundWindow(HWND window) { return GetDesktopBackend().SetForegroundWindow(window); }
HWND GetActiveWindow() { return GetDesktopBackend().GetActiveWindow(); }
BOOL IsZoomed(HWND window) { return GetDesktopBackend().IsZoomed(window); }
LRESULT SendMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return GetDesktopBackend().SendWindowMessage(window, msg, wParam, lParam);
}
BOOL PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return GetDesktopBackend().PostWindowMessage(window, msg, wParam, lParam);
}

BOOL ExitWindowsEx(UINT flags, DWORD reason) { return GetDesktopBackend().ExitWindowsEx(flags, reason); }

BOOL OpenClipboard(HWND newOwner) { return GetDesktopBackend().OpenClipboard(newOwner); }
BOOL EmptyClipboard() { return GetDesktopBackend().EmptyClipboard(); }
HANDLE SetClipboardData(UINT format, HANDLE memory) { return GetDesktopBackend().SetClipboardData(format, memory); }
BOOL CloseClipboard() { return GetDesktopBackend().CloseClipboard(); }
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) { return GetDesktopBackend().GlobalAlloc(flags, bytes); }
LPVOID GlobalLock(HGLOBAL memory) { return GetDesktopBackend().GlobalLock(memory); }
BOOL GlobalUnlock(HGLOBAL memory) { return GetDesktopBackend().GlobalUnlock(memory); }
HGLOBAL GlobalFree(HGLOBAL memory) { return GetDesktopBackend().GlobalFree(memory); }

HINSTANCE ShellExecuteA(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCommand) {
  return GetDesktopBackend().ShellExecuteFile(window, verb, file, parameters, directory, showCommand);
}
BOOL PlaySoundA(LPCSTR sound, HMODULE module, DWORD flags) {
  return GetDesktopBackend().PlaySoundName(sound, module, flags);
}

void Sleep(DWORD milliseconds) { GetDesktopBackend().Sleep(milliseconds); }
void GetLocalTime(LPSYSTEMTIME time) {
  if (time) GetDesktopBackend().GetLocalTime(time);
}

}  // namespace corvane

// Actions and macros on the real desktop of the Windows build: their keys
// arrive in a low-level keyboard hook of this process, their texts on the
// platform's clipboard, and a macro plays on its own thread.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "actions/ActionHotKey.h"
#include "actions/ActionText.h"
#include "macros/MacroAction.h"
#include "system/Desktop.h"
// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>

namespace {

struct KeyEvent {
  DWORD vk;
  bool down;
  bool operator==(const KeyEvent& other) const { return vk == other.vk && down == other.down; }
};

void PrintTo(const KeyEvent& e, std::ostream* out) { *out << (e.down ? "down " : "up ") << std::hex << e.vk; }

// A WH_KEYBOARD_LL hook on a thread of its own (the thread that installs a
// low-level hook must pump messages for it to be called).  Keeps the
// injected key events, with the left and right modifier codes folded into
// the generic ones.
class KeyboardHook {
 public:
  KeyboardHook() {
    s_current = this;
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, &KeyboardHook::Run, this, 0, &m_threadId);
    WaitForSingleObject(m_ready, 10000);
  }
  ~KeyboardHook() {
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    WaitForSingleObject(m_thread, 10000);
    CloseHandle(m_thread);
    CloseHandle(m_ready);
    s_current = nullptr;
  }
  bool Installed() const { return m_installed; }
  std::vector<KeyEvent> Events() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
  }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    auto* hook = static_cast<KeyboardHook*>(self);
    HHOOK handle = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::Proc, GetModuleHandleW(nullptr), 0);
    hook->m_installed = handle != nullptr;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before "ready"
    SetEvent(hook->m_ready);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    if (handle) UnhookWindowsHookEx(handle);
    return 0;
  }
  static LRESULT CALLBACK Proc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && s_current) {
      const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
      if (key->flags & LLKHF_INJECTED) {
        DWORD vk = key->vkCode;
        if (vk == VK_LCONTROL || vk == VK_RCONTROL) vk = VK_CONTROL;
        if (vk == VK_LMENU || vk == VK_RMENU) vk = VK_MENU;
        if (vk == VK_LSHIFT || vk == VK_RSHIFT) vk = VK_SHIFT;
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        std::lock_guard<std::mutex> lock(s_current->m_mutex);
        s_current->m_events.push_back({vk, down});
      }
    }
    return CallNextHookEx(nullptr, code, message, data);
  }

  static KeyboardHook* s_current;
  HANDLE m_ready = nullptr;
  HANDLE m_thread = nullptr;
  DWORD m_threadId = 0;
  bool m_installed = false;
  std::mutex m_mutex;
  std::vector<KeyEvent> m_events;
};
KeyboardHook* KeyboardHook::s_current = nullptr;

class RealDesktop : public ::testing::Test {
 protected:
  void SetUp() override { corvane::SetDesktopBackend(nullptr); }  // the platform's own
};

TEST_F(RealDesktop, HotKeyPressesReachAKeyboardHook) {
  KeyboardHook hook;
  ASSERT_TRUE(hook.Installed());
  corvane::CActionHotKey action;
  action.m_bCtrl = 1;
  action.m_bShift = 1;
  action.m_cKey = 'S';
  EXPECT_EQ(action.Execute(nullptr), 1);
  const std::vector<KeyEvent> expected = {{VK_CONTROL, true},  {VK_SHIFT, true},  {'S', true},
                                          {VK_CONTROL, false}, {VK_SHIFT, false}, {'S', false}};
  EXPECT_EQ(hook.Events(), expected);
}

TEST_F(RealDesktop, TextActionPutsItsTextOnTheClipboardAndPastes) {
  KeyboardHook hook;
  ASSERT_TRUE(hook.Installed());
  corvane::CActionText action;
  action.m_strText = "\xE5\x84\xB2\xE5\xAD\x98 \xED\x8C\x8C\xEC\x9D\xBC ok";  // 儲存 파일 ok
  ASSERT_EQ(action.Execute(nullptr), 1);

  std::wstring text;
  for (int attempt = 0; attempt < 50 && !OpenClipboard(nullptr); ++attempt) ::Sleep(20);
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  EXPECT_EQ(text, L"\x5132\x5B58 \xD30C\xC77C ok");
  // Then Ctrl+V for the foreground window.
  const std::vector<KeyEvent> expected = {{VK_CONTROL, true}, {'V', true}, {'V', false}, {VK_CONTROL, false}};
  EXPECT_EQ(hook.Events(), expected);
}

// A macro plays for the window that is active when it starts: these tests
// make one, so they need a display.
class RealDesktopOnDisplay : public RealDesktop {
 protected:
  void SetUp() override {
    RealDesktop::SetUp();
    window = CreateWindowExW(0, L"STATIC", L"Corvane test target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                             200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr) << "no window: is there a display?";
    SetForegroundWindow(window);
    SetActiveWindow(window);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
  }
  HWND window = nullptr;
};

TEST_F(RealDesktopOnDisplay, AMacroPlaysOnItsOwnThreadAndSignalsWhenIdle) {
  ASSERT_EQ(GetActiveWindow(), window);
  KeyboardHook hook;
  ASSERT_TRUE(hook.Installed());
  corvane::CMacroAction macro;
  auto* first = new corvane::CActionHotKey;
  first->m_bCtrl = 1;
  first->m_cKey = 'A';
  auto* second = new corvane::CActionHotKey;
  second->m_bAlt = 1;
  second->m_cKey = 'B';
  macro.Add(first);
  macro.Add(second);
  ASSERT_NE(macro.m_hIdleEvent, nullptr);

  const auto start = std::chrono::steady_clock::now();
  macro.Play(nullptr);
  // Play returns while the playback thread runs (200 ms before each action,
  // 300 ms after each key combination).
  EXPECT_FALSE(macro.IsIdle());
  ASSERT_EQ(corvane::WaitForSingleObject(macro.m_hIdleEvent, 20000), 0u);  // WAIT_OBJECT_0
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(macro.IsIdle());
  EXPECT_GE(elapsed, std::chrono::milliseconds(900));
  const std::vector<KeyEvent> expected = {{VK_CONTROL, true}, {'A', true}, {VK_CONTROL, false}, {'A', false},
                                          {VK_MENU, true},    {'B', true}, {VK_MENU, false},    {'B', false}};
  EXPECT_EQ(hook.Events(), expected);
  // The macro plays again once idle.
  macro.Play(nullptr);
  ASSERT_EQ(corvane::WaitForSingleObject(macro.m_hIdleEvent, 20000), 0u);  // WAIT_OBJECT_0
  EXPECT_EQ(hook.Events().size(), 2 * expected.size());
}

}  // namespace

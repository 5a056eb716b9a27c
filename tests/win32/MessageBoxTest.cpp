// The library's message boxes on the real desktop: with nobody playing the
// user, AfxMessageBox shows the platform's box, with the Chinese and Korean
// texts of the string tables as the same characters, and answers the button
// pressed.  Needs a display.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "system/Resources.h"
#include "system/dialogs/MessageBox.h"
// Last: its macros would rewrite the system layer's declarations.
#include <windows.h>

namespace {

struct Seen {
  std::wstring caption;
  std::wstring text;
  bool found = false;
};

BOOL CALLBACK FindText(HWND child, LPARAM data) {
  wchar_t name[64] = {}, text[256] = {};
  GetClassNameW(child, name, 64);
  InternalGetWindowText(child, text, 256);
  if (_wcsicmp(name, L"Static") == 0 && text[0]) {
    reinterpret_cast<Seen*>(data)->text = text;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindBox(HWND window, LPARAM data) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(data) = window;
  return FALSE;
}

// Waits for the message box of the thread, reads its caption and text (the
// box's static control with text), and presses the button.
void AnswerBox(DWORD thread, int button, Seen& seen) {
  HWND box = nullptr;
  for (int attempt = 0; attempt < 500 && !box; ++attempt) {
    EnumThreadWindows(thread, FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) Sleep(20);
  }
  if (!box) return;
  // The box may be seen before it has its texts.
  for (int attempt = 0; attempt < 100 && (seen.caption.empty() || seen.text.empty()); ++attempt) {
    Sleep(20);
    wchar_t caption[256] = {};
    InternalGetWindowText(box, caption, 256);
    seen.caption = caption;
    EnumChildWindows(box, FindText, reinterpret_cast<LPARAM>(&seen));
  }
  seen.found = true;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

TEST(MessageBoxOnDisplay, ShowsTheTextsOfEveryLanguageAndAnswersTheButtonPressed) {
  struct Case {
    corvane::LANGID language;  // Chinese (Taiwan), Korean, Chinese (PRC)
    const wchar_t* text;
  };
  const Case cases[] = {
      {1028, L"\x52D5\x4F5C\x5C6C\x6027"},  // 動作屬性
      {1042, L"\xB3D9\xC791 \xC124\xC815"},          // 동작 설정
      {2052, L"\x52A8\x4F5C\x5C5E\x6027"},      // 动作属性
  };
  for (const Case& c : cases) {
    Seen seen;
    std::thread answerer(AnswerBox, GetCurrentThreadId(), IDNO, std::ref(seen));
    const int answer = corvane::AfxMessageBox(corvane::LoadResString(105, c.language), MB_YESNO | MB_ICONQUESTION);
    answerer.join();
    ASSERT_TRUE(seen.found) << "no message box appeared for language " << c.language;
    EXPECT_EQ(seen.caption, L"Padrunner");
    EXPECT_EQ(seen.text, c.text) << "language " << c.language;
    EXPECT_EQ(answer, IDNO);
  }
}

}  // namespace

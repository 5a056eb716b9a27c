#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <sstream>
#include <thread>

#include "system/Desktop.h"
#include "system/RecordingDesktop.h"
#include "system/UsKeyboardLayout.h"

namespace corvane {
namespace {

class RecordingDesktopTest : public ::testing::Test {
 protected:
  RecordingDesktop desktop;
  ScopedDesktopBackend scope{desktop};
};

TEST_F(RecordingDesktopTest, WritesEveryCallAsOneJsonLineWithVirtualTime) {
  desktop.SetForeground(WindowFromNumber(100));
  desktop.SetSoundDuration(1500);

  ASSERT_EQ(GetForegroundWindow(), WindowFromNumber(100));
  SetForegroundWindow(GetForegroundWindow());
  keybd_event(0x11, 0x51, 0, 0);
  keybd_event(0x11, 0x51, KEYEVENTF_KEYUP | KEYEVENTF_EXTENDEDKEY, 0);
  Sleep(300);
  PostMessageA(WindowFromNumber(100), WM_KEYUP, static_cast<WPARAM>(-1), static_cast<LPARAM>(0xC0000001u));
  SendMessageA(WindowFromNumber(100), WM_SYSCOMMAND, SC_RESTORE, 0);
  mouse_event(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(-120), 0);
  ShellExecuteA(nullptr, "open", "notepad.exe", "", nullptr, SW_SHOWNORMAL);
  PlaySoundA("chimes.wav", nullptr, SND_APPLICATION);  // synchronous: lasts 1500 ms
  PlaySoundA("ding.wav", nullptr, SND_ASYNC);          // returns at once
  PlaySoundA(nullptr, nullptr, 0);                     // stops a sound, takes no time
  ExitWindowsEx(EWX_LOGOFF, 0);
  Sleep(30);

  EXPECT_EQ(desktop.ToJsonLines(),
            "{\"t\":0,\"fn\":\"SetForegroundWindow\",\"hwnd\":100}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":17,\"scan\":81,\"flags\":0,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"keybd_event\",\"vk\":17,\"scan\":81,\"flags\":3,\"extrainfo\":0}\n"
            "{\"t\":0,\"fn\":\"Sleep\",\"ms\":300}\n"
            "{\"t\":300,\"fn\":\"PostMessageA\",\"hwnd\":100,\"msg\":257,\"wparam\":4294967295,"
            "\"lparam\":3221225473}\n"
            "{\"t\":300,\"fn\":\"SendMessageA\",\"hwnd\":100,\"msg\":274,\"wparam\":61728,\"lparam\":0}\n"
            "{\"t\":300,\"fn\":\"mouse_event\",\"flags\":2048,\"dx\":0,\"dy\":0,\"data\":-120,\"extrainfo\":0}\n"
            "{\"t\":300,\"fn\":\"ShellExecuteA\",\"hwnd\":0,\"verb\":\"open\",\"file\":\"notepad.exe\","
            "\"params\":\"\",\"dir\":null,\"show\":1}\n"
            "{\"t\":300,\"fn\":\"PlaySoundA\",\"sound\":\"chimes.wav\",\"flags\":128}\n"
            "{\"t\":1800,\"fn\":\"PlaySoundA\",\"sound\":\"ding.wav\",\"flags\":1}\n"
            "{\"t\":1800,\"fn\":\"PlaySoundA\",\"sound\":null,\"flags\":0}\n"
            "{\"t\":1800,\"fn\":\"ExitWindowsEx\",\"flags\":0,\"reason\":0}\n"
            "{\"t\":1800,\"fn\":\"Sleep\",\"ms\":30}\n");
  EXPECT_EQ(desktop.Now(), 1830u);

  std::ostringstream stream;
  desktop.WriteJsonLines(stream);
  EXPECT_EQ(stream.str(), desktop.ToJsonLines());

  desktop.Clear();
  EXPECT_EQ(desktop.CallCount(), 0u);
  EXPECT_EQ(desktop.Now(), 0u);
  Sleep(5);
  EXPECT_EQ(desktop.Calls().at(0).ToJson(), "{\"t\":0,\"fn\":\"Sleep\",\"ms\":5}");
}

TEST(JsonStringTest, EscapesControlsAndQuotesAndKeepsValidUtf8) {
  struct Case {
    std::string text;
    std::string json;
  };
  const Case cases[] = {
      {"", "\"\""},
      {"plain text", "\"plain text\""},
      {"say \"hi\" \\ bye", "\"say \\\"hi\\\" \\\\ bye\""},
      {"a\nb\r\tc\b\f", "\"a\\nb\\r\\tc\\b\\f\""},
      {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\\u007f\""},
      {"caf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80", "\"caf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80\""},
      // Bytes that are not UTF-8: a Latin-1 byte, a cut sequence, an overlong
      // form and an encoded surrogate.
      {"caf\xe9", "\"caf\\u00e9\""},
      {"\xe4\xb8", "\"\\u00e4\\u00b8\""},
      {"\xc0\xaf", "\"\\u00c0\\u00af\""},
      {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},
  };
  for (const Case& c : cases) {
    std::string out;
    AppendJsonString(out, c.text);
    EXPECT_EQ(out, c.json) << c.text;
  }
}

TEST_F(RecordingDesktopTest, TracksKeysAndMouseButtonsLeftDown) {
  keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event('A', 0, 0, 0);
  keybd_event('A', 0, KEYEVENTF_KEYUP, 0);
  mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  EXPECT_EQ(desktop.PressedKeys(), std::vector<BYTE>{VK_SHIFT});
  EXPECT_EQ(desktop.PressedMouseButtons(), MOUSEEVENTF_RIGHTDOWN);
  EXPECT_FALSE(desktop.AllReleased());

  keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP | KEYEVENTF_EXTENDEDKEY, 0);
  mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  EXPECT_TRUE(desktop.PressedKeys().empty());
  EXPECT_EQ(desktop.PressedMouseButtons(), 0u);
  EXPECT_TRUE(desktop.AllReleased());
}

TEST_F(RecordingDesktopTest, ClipboardTakesTheBlockAndRecordsItsText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  ASSERT_TRUE(EmptyClipboard());
  HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, 6);
  ASSERT_NE(memory, nullptr);
  char* data = static_cast<char*>(GlobalLock(memory));
  ASSERT_NE(data, nullptr);
  std::memcpy(data, "Hello", 6);
  GlobalUnlock(memory);
  EXPECT_EQ(SetClipboardData(CF_OEMTEXT, memory), memory);
  EXPECT_TRUE(CloseClipboard());

  EXPECT_EQ(desktop.ClipboardFormat(), CF_OEMTEXT);
  EXPECT_EQ(desktop.ClipboardText(), "Hello");
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 0u);  // owned by the clipboard now
  EXPECT_FALSE(desktop.IsClipboardOpen());
  const auto calls = desktop.Calls();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[2].ToJson(), "{\"t\":0,\"fn\":\"GlobalAlloc\",\"flags\":8192,\"bytes\":6}");
  EXPECT_EQ(calls[3].ToJson(), "{\"t\":0,\"fn\":\"SetClipboardData\",\"format\":7,\"text\":\"Hello\"}");
}

TEST_F(RecordingDesktopTest, ClipboardAndMemoryFailuresBehaveAsOnWindows) {
  // Data cannot be set while the clipboard is closed; the caller keeps the block.
  HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, 4);
  EXPECT_EQ(SetClipboardData(CF_TEXT, memory), nullptr);
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 1u);
  EXPECT_EQ(GlobalFree(memory), nullptr);
  EXPECT_EQ(desktop.LiveMemoryBlocks(), 0u);
  EXPECT_EQ(GlobalFree(memory), memory);  // a freed handle is not freed twice
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(CloseClipboard());
  EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
  EXPECT_EQ(desktop.Calls().back().ToJson(), "{\"t\":0,\"fn\":\"SetClipboardData\",\"format\":1,\"text\":null}");

  desktop.SetClipboardAvailable(false);
  EXPECT_FALSE(OpenClipboard(nullptr));
  EXPECT_FALSE(desktop.IsClipboardOpen());
  desktop.SetMemoryAvailable(false);
  EXPECT_EQ(GlobalAlloc(GMEM_DDESHARE, 10), nullptr);
  EXPECT_EQ(GlobalLock(nullptr), nullptr);
}

TEST_F(RecordingDesktopTest, AnswersTheWindowStateAndTimeTheTestSets) {
  HWND a = WindowFromNumber(7);
  HWND b = WindowFromNumber(8);
  desktop.SetActive(a);
  desktop.SetZoomed(b, true);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_FALSE(IsZoomed(a));
  EXPECT_TRUE(IsZoomed(b));
  desktop.SetZoomed(b, false);
  EXPECT_FALSE(IsZoomed(b));

  EXPECT_FALSE(SetForegroundWindow(nullptr));
  EXPECT_TRUE(SetForegroundWindow(b));
  EXPECT_EQ(GetForegroundWindow(), b);

  const SYSTEMTIME fixed{2002, 3, 2, 5, 14, 7, 9, 0};
  desktop.SetLocalTime(fixed);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2002);
  EXPECT_EQ(now.wMonth, 3);
  EXPECT_EQ(now.wDay, 5);
  EXPECT_EQ(now.wHour, 14);
  desktop.UseRealLocalTime();
  GetLocalTime(&now);
  EXPECT_GE(now.wYear, 2024);
  EXPECT_TRUE(now.wMonth >= 1 && now.wMonth <= 12);
  // Queries leave no trace.
  EXPECT_EQ(desktop.CallCount(), 2u);
}

TEST(DesktopBackendTest, ScopedBackendRedirectsAndRestores) {
  RecordingDesktop outer;
  RecordingDesktop inner;
  ScopedDesktopBackend outerScope(outer);
  {
    ScopedDesktopBackend innerScope(inner);
    EXPECT_EQ(&GetDesktopBackend(), &inner);
    Sleep(10);
  }
  EXPECT_EQ(&GetDesktopBackend(), &outer);
  Sleep(20);
  EXPECT_EQ(inner.Now(), 10u);
  EXPECT_EQ(outer.Now(), 20u);
}

TEST(DesktopBackendTest, DefaultBackendIsThereWithoutSetUp) {
  DesktopBackend* previous = SetDesktopBackend(nullptr);
  DesktopBackend& first = GetDesktopBackend();
  EXPECT_EQ(&first, &GetDesktopBackend());  // made once
  first.Sleep(0);
  SetDesktopBackend(previous);
}

TEST_F(RecordingDesktopTest, RecordLimitDropsTheOldestCalls) {
  desktop.SetRecordLimit(3);
  for (DWORD ms = 1; ms <= 5; ++ms) Sleep(ms);
  const auto calls = desktop.Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].Number("ms"), 3);
  EXPECT_EQ(calls[2].Number("ms"), 5);
  EXPECT_EQ(calls[2].t, 10u);
}

TEST_F(RecordingDesktopTest, IsSafeToUseFromAPlaybackThreadWhileReading) {
  std::atomic<bool> done{false};
  std::thread player([&] {
    for (int i = 0; i < 2000; ++i) {
      keybd_event(0x41, 0, 0, 0);
      keybd_event(0x41, 0, KEYEVENTF_KEYUP, 0);
      Sleep(1);
    }
    done = true;
  });
  std::size_t seen = 0;
  while (!done) {
    seen = std::max(seen, desktop.Calls().size());
    (void)desktop.ToJsonLines().size();
    (void)desktop.AllReleased();
  }
  player.join();
  EXPECT_EQ(desktop.CallCount(), 6000u);
  EXPECT_EQ(desktop.Now(), 2000u);
  EXPECT_TRUE(desktop.AllReleased());
  EXPECT_LE(seen, 6000u);
}

TEST(UsKeyboardLayoutTest, MapsCharactersToKeysAndShiftStates) {
  struct Case {
    char ch;
    SHORT expected;
  };
  const Case cases[] = {
      {'a', 0x41},   {'z', 0x5A},   {'A', 0x141},  {'0', 0x30},     {'9', 0x39},   {')', 0x130},
      {'!', 0x131},  {'@', 0x132},  {' ', 0x20},   {'\t', 0x09},    {'\r', 0x0D},  {'\b', 0x08},
      {0x1B, 0x1B},  {'\n', 0x20D}, {0x11, 0x251}, {0x01, 0x241},   {'-', 0xBD},   {'_', 0x1BD},
      {'/', 0xBF},   {'?', 0x1BF},  {'~', 0x1C0},  {'"', 0x1DE},    {'\\', 0xDC},  {'|', 0x1DC},
      {'\x80', -1},  {'\xe9', -1},  {'\xff', -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UsLayoutVkKeyScan(c.ch), c.expected) << "character " << static_cast<int>(c.ch);
  }
  RecordingDesktop desktop;
  ScopedDesktopBackend scope(desktop);
  EXPECT_EQ(VkKeyScanA('A'), 0x141);
}

}  // namespace
}  // namespace corvane

#include "system/RecordingDesktop.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <new>
#include <ostream>
#include <stdexcept>

#include "system/UsKeyboardLayout.h"

namespace corvane {
namespace {

using Args = std::vector<std::pair<std::string, RecordingDesktop::Value>>;

RecordingDesktop::Value Unsigned(std::uint64_t value) { return value; }
RecordingDesktop::Value Signed(std::int64_t value) { return value; }
RecordingDesktop::Value Window(HWND window) { return static_cast<std::uint64_t>(NumberFromWindow(window)); }
// Message parameters are 32-bit values on the desktop this format describes.
RecordingDesktop::Value Param32(std::uint64_t value) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value)); }
RecordingDesktop::Value TextOrNull(LPCSTR text) {
  if (!text) return nullptr;
  return std::string(text);
}

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not valid.
std::size_t Utf8SequenceLength(const std::string& text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;       // no overlong forms
    if (lead == 0xED) high = 0x9F;      // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;       // no overlong forms
    if (lead == 0xF4) high = 0x8F;      // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

void AppendValue(std::string& out, const RecordingDesktop::Value& value) {
  if (std::holds_alternative<std::nullptr_t>(value)) {
    out += "null";
  } else if (const auto* s = std::get_if<std::int64_t>(&value)) {
    out += std::to_string(*s);
  } else if (const auto* u = std::get_if<std::uint64_t>(&value)) {
    out += std::to_string(*u);
  } else {
    AppendJsonString(out, std::get<std::string>(value));
  }
}

}  // namespace

void AppendJsonString(std::string& out, const std::string& text) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      if (std::size_t length = Utf8SequenceLength(text, i)) {
        out.append(text, i, length);
        i += length;
      } else {
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
        ++i;
      }
      continue;
    }
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          out += static_cast<char>(c);
        }
    }
    ++i;
  }
  out += '"';
}

// ---- Call

const RecordingDesktop::Value* RecordingDesktop::Call::Find(const std::string& name) const {
  for (const auto& [key, value] : args)
    if (key == name) return &value;
  return nullptr;
}

std::int64_t RecordingDesktop::Call::Number(const std::string& name) const {
  const Value* value = Find(name);
  if (!value) return 0;
  if (const auto* s = std::get_if<std::int64_t>(value)) return *s;
  if (const auto* u = std::get_if<std::uint64_t>(value)) return static_cast<std::int64_t>(*u);
  return 0;
}

std::string RecordingDesktop::Call::Text(const std::string& name) const {
  const Value* value = Find(name);
  if (!value) return {};
  if (const auto* s = std::get_if<std::string>(value)) return *s;
  return {};
}

std::string RecordingDesktop::Call::ToJson() const {
  std::string out = "{\"t\":";
  out += std::to_string(t);
  out += ",\"fn\":";
  AppendJsonString(out, fn);
  for (const auto& [key, value] : args) {
    out += ',';
    AppendJsonString(out, key);
    out += ':';
    AppendValue(out, value);
  }
  out += '}';
  return out;
}

// ---- The record

RecordingDesktop::RecordingDesktop() = default;
RecordingDesktop::~RecordingDesktop() = default;

void RecordingDesktop::Record(const char* fn, Args args) {
  Call call;
  call.t = m_clock;
  call.fn = fn;
  call.args = std::move(args);
  if (m_stream) {
    std::string line = call.ToJson();
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), m_stream);
    std::fflush(m_stream);
  }
  m_calls.push_back(std::move(call));
  if (m_limit && m_calls.size() > m_limit) m_calls.pop_front();
}

std::vector<RecordingDesktop::Call> RecordingDesktop::Calls() const {
  std::lock_guard lock(m_mutex);
  return {m_calls.begin(), m_calls.end()};
}

std::size_t RecordingDesktop::CallCount() const {
  std::lock_guard lock(m_mutex);
  return m_calls.size();
}

std::uint64_t RecordingDesktop::Now() const {
  std::lock_guard lock(m_mutex);
  return m_clock;
}

void RecordingDesktop::Clear() {
  std::lock_guard lock(m_mutex);
  m_calls.clear();
  m_clock = 0;
}

void RecordingDesktop::SetRecordLimit(std::size_t limit) {
  std::lock_guard lock(m_mutex);
  m_limit = limit;
  while (m_limit && m_calls.size() > m_limit) m_calls.pop_front();
}

std::string RecordingDesktop::ToJsonLines() const {
  std::lock_guard lock(m_mutex);
  std::string out;
  for (const Call& call : m_calls) {
    out += call.ToJson();
    out += '\n';
  }
  return out;
}

void RecordingDesktop::WriteJsonLines(std::ostream& out) const { out << ToJsonLines(); }

// ---- State

void RecordingDesktop::SetForeground(HWND window) {
  std::lock_guard lock(m_mutex);
  m_foreground = window;
}

void RecordingDesktop::SetActive(HWND window) {
  std::lock_guard lock(m_mutex);
  m_active = window;
}

void RecordingDesktop::SetZoomed(HWND window, bool zoomed) {
  std::lock_guard lock(m_mutex);
  auto it = std::find(m_zoomed.begin(), m_zoomed.end(), window);
  if (zoomed && it == m_zoomed.end()) m_zoomed.push_back(window);
  if (!zoomed && it != m_zoomed.end()) m_zoomed.erase(it);
}

void RecordingDesktop::SetClipboardAvailable(bool available) {
  std::lock_guard lock(m_mutex);
  m_clipboardAvailable = available;
}

void RecordingDesktop::SetMemoryAvailable(bool available) {
  std::lock_guard lock(m_mutex);
  m_memoryAvailable = available;
}

void RecordingDesktop::SetLocalTime(const SYSTEMTIME& time) {
  std::lock_guard lock(m_mutex);
  m_fixedTime = true;
  m_localTime = time;
}

void RecordingDesktop::UseRealLocalTime() {
  std::lock_guard lock(m_mutex);
  m_fixedTime = false;
}

void RecordingDesktop::SetSoundDuration(DWORD milliseconds) {
  std::lock_guard lock(m_mutex);
  m_soundDuration = milliseconds;
}

void RecordingDesktop::SetShellExecuteResult(std::uintptr_t result) {
  std::lock_guard lock(m_mutex);
  m_shellResult = result;
}

void RecordingDesktop::SetExitWindowsResult(BOOL result) {
  std::lock_guard lock(m_mutex);
  m_exitResult = result;
}

void RecordingDesktop::SetSendMessageResult(LRESULT result) {
  std::lock_guard lock(m_mutex);
  m_sendResult = result;
}

std::vector<BYTE> RecordingDesktop::PressedKeys() const {
  std::lock_guard lock(m_mutex);
  std::vector<BYTE> keys;
  for (std::size_t vk = 0; vk < m_keyDown.size(); ++vk)
    if (m_keyDown[vk]) keys.push_back(static_cast<BYTE>(vk));
  return keys;
}

DWORD RecordingDesktop::PressedMouseButtons() const {
  std::lock_guard lock(m_mutex);
  return m_mouseDown;
}

bool RecordingDesktop::AllReleased() const {
  std::lock_guard lock(m_mutex);
  return m_mouseDown == 0 && std::none_of(m_keyDown.begin(), m_keyDown.end(), [](bool down) { return down; });
}

bool RecordingDesktop::IsClipboardOpen() const {
  std::lock_guard lock(m_mutex);
  return m_clipboardOpen;
}

UINT RecordingDesktop::ClipboardFormat() const {
  std::lock_guard lock(m_mutex);
  return m_clipboardFormat;
}

std::string RecordingDesktop::ClipboardText() const {
  std::lock_guard lock(m_mutex);
  return m_clipboardText;
}

std::size_t RecordingDesktop::LiveMemoryBlocks() const {
  std::lock_guard lock(m_mutex);
  return m_blocks.size();
}

// ---- Keyboard and mouse

void RecordingDesktop::KeybdEvent(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extraInfo) {
  std::lock_guard lock(m_mutex);
  Record("keybd_event", {{"vk", Unsigned(vk)}, {"scan", Unsigned(scan)}, {"flags", Unsigned(flags)},
                         {"extrainfo", Unsigned(extraInfo)}});
  m_keyDown[vk] = (flags & KEYEVENTF_KEYUP) == 0;
}

SHORT RecordingDesktop::VkKeyScanChar(CHAR ch) { return UsLayoutVkKeyScan(ch); }

void RecordingDesktop::MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extraInfo) {
  std::lock_guard lock(m_mutex);
  Record("mouse_event", {{"flags", Unsigned(flags)},
                         {"dx", Signed(static_cast<std::int32_t>(dx))},
                         {"dy", Signed(static_cast<std::int32_t>(dy))},
                         {"data", Signed(static_cast<std::int32_t>(data))},
                         {"extrainfo", Unsigned(extraInfo)}});
  // A down and an up of the same button in one event leave it up.
  constexpr std::pair<DWORD, DWORD> kButtons[] = {
      {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
      {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
      {MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
  };
  for (const auto& [down, up] : kButtons) {
    if (flags & down) m_mouseDown |= down;
    if (flags & up) m_mouseDown &= ~down;
  }
}

// ---- Windows

HWND RecordingDesktop::GetForegroundWindow() {
  std::lock_guard lock(m_mutex);
  return m_foreground;
}

BOOL RecordingDesktop::SetForegroundWindow(HWND window) {
  std::lock_guard lock(m_mutex);
  Record("SetForegroundWindow", {{"hwnd", Window(window)}});
  if (!window) return FALSE;
  m_foreground = window;
  return TRUE;
}

HWND RecordingDesktop::GetActiveWindow() {
  std::lock_guard lock(m_mutex);
  return m_active;
}

BOOL RecordingDesktop::IsZoomed(HWND window) {
  std::lock_guard lock(m_mutex);
  return window && std::find(m_zoomed.begin(), m_zoomed.end(), window) != m_zoomed.end();
}

LRESULT RecordingDesktop::SendWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(m_mutex);
  Record("SendMessageA", {{"hwnd", Window(window)}, {"msg", Unsigned(msg)},
                          {"wparam", Param32(static_cast<std::uint64_t>(wParam))},
                          {"lparam", Param32(static_cast<std::uint64_t>(lParam))}});
  return m_sendResult;
}

BOOL RecordingDesktop::PostWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::lock_guard lock(m_mutex);
  Record("PostMessageA", {{"hwnd", Window(window)}, {"msg", Unsigned(msg)},
                          {"wparam", Param32(static_cast<std::uint64_t>(wParam))},
                          {"lparam", Param32(static_cast<std::uint64_t>(lParam))}});
  return TRUE;
}

BOOL RecordingDesktop::ExitWindowsEx(UINT flags, DWORD reason) {
  std::lock_guard lock(m_mutex);
  Record("ExitWindowsEx", {{"flags", Unsigned(flags)}, {"reason", Unsigned(reason)}});
  return m_exitResult;
}

// ---- Clipboard and global memory

BOOL RecordingDesktop::OpenClipboard(HWND newOwner) {
  std::lock_guard lock(m_mutex);
  Record("OpenClipboard", {{"hwnd", Window(newOwner)}});
  if (!m_clipboardAvailable) return FALSE;
  m_clipboardOpen = true;
  return TRUE;
}

BOOL RecordingDesktop::EmptyClipboard() {
  std::lock_guard lock(m_mutex);
  Record("EmptyClipboard", {});
  if (!m_clipboardOpen) return FALSE;
  m_clipboardFormat = 0;
  m_clipboardText.clear();
  return TRUE;
}

HANDLE RecordingDesktop::SetClipboardData(UINT format, HANDLE memory) {
  std::lock_guard lock(m_mutex);
  auto it = memory ? m_blocks.find(memory) : m_blocks.end();
  Value text = nullptr;
  if (it != m_blocks.end()) {
    const std::vector<char>& bytes = it->second->bytes;
    auto end = std::find(bytes.begin(), bytes.end(), '\0');
    text = std::string(bytes.begin(), end);
  }
  Record("SetClipboardData", {{"format", Unsigned(format)}, {"text", text}});
  if (!m_clipboardOpen || it == m_blocks.end()) return nullptr;
  m_clipboardFormat = format;
  m_clipboardText = std::get<std::string>(text);
  m_blocks.erase(it);  // the clipboard owns the block now
  return memory;
}

BOOL RecordingDesktop::CloseClipboard() {
  std::lock_guard lock(m_mutex);
  Record("CloseClipboard", {});
  if (!m_clipboardOpen) return FALSE;
  m_clipboardOpen = false;
  return TRUE;
}

HGLOBAL RecordingDesktop::GlobalAlloc(UINT flags, SIZE_T bytes) {
  std::lock_guard lock(m_mutex);
  Record("GlobalAlloc", {{"flags", Unsigned(flags)}, {"bytes", Unsigned(bytes)}});
  if (!m_memoryAvailable) return nullptr;
  auto block = std::make_unique<MemoryBlock>();
  try {
    block->bytes.assign(bytes, '\0');  // always zeroed, GMEM_ZEROINIT or not
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const std::length_error&) {
    return nullptr;
  }
  HGLOBAL handle = block.get();
  m_blocks.emplace(handle, std::move(block));
  return handle;
}

LPVOID RecordingDesktop::GlobalLock(HGLOBAL memory) {
  std::lock_guard lock(m_mutex);
  auto it = memory ? m_blocks.find(memory) : m_blocks.end();
  if (it == m_blocks.end() || it->second->bytes.empty()) return nullptr;
  ++it->second->locks;
  return it->second->bytes.data();
}

BOOL RecordingDesktop::GlobalUnlock(HGLOBAL memory) {
  std::lock_guard lock(m_mutex);
  auto it = memory ? m_blocks.find(memory) : m_blocks.end();
  if (it == m_blocks.end() || it->second->locks == 0) return FALSE;
  return --it->second->locks > 0;
}

HGLOBAL RecordingDesktop::GlobalFree(HGLOBAL memory) {
  std::lock_guard lock(m_mutex);
  auto it = memory ? m_blocks.find(memory) : m_blocks.end();
  if (it == m_blocks.end()) return memory;
  m_blocks.erase(it);
  return nullptr;
}

// ---- Shell, sound, time

HINSTANCE RecordingDesktop::ShellExecuteFile(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                             LPCSTR directory, INT showCommand) {
  std::lock_guard lock(m_mutex);
  Record("ShellExecuteA", {{"hwnd", Window(window)}, {"verb", TextOrNull(verb)}, {"file", TextOrNull(file)},
                           {"params", TextOrNull(parameters)}, {"dir", TextOrNull(directory)},
                           {"show", Signed(showCommand)}});
  return reinterpret_cast<HINSTANCE>(m_shellResult);
}

BOOL RecordingDesktop::PlaySoundName(LPCSTR sound, HMODULE, DWORD flags) {
  std::lock_guard lock(m_mutex);
  Record("PlaySoundA", {{"sound", TextOrNull(sound)}, {"flags", Unsigned(flags)}});
  // A synchronous call returns when its sound has ended; a null sound only
  // stops what plays.
  if (sound && (flags & SND_ASYNC) == 0) m_clock += m_soundDuration;
  return TRUE;
}

void RecordingDesktop::Sleep(DWORD milliseconds) {
  std::lock_guard lock(m_mutex);
  Record("Sleep", {{"ms", Unsigned(milliseconds)}});
  m_clock += milliseconds;
}

void RecordingDesktop::GetLocalTime(LPSYSTEMTIME time) {
  if (!time) return;
  std::lock_guard lock(m_mutex);
  if (m_fixedTime) {
    *time = m_localTime;
    return;
  }
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  // std::localtime shares one buffer; the lock above keeps this backend's own
  // calls apart, and nothing else in the library calls it.
  const std::tm* local = std::localtime(&seconds);
  if (!local) {
    *time = SYSTEMTIME{1970, 1, 4, 1, 0, 0, 0, 0};
    return;
  }
  time->wYear = static_cast<WORD>(local->tm_year + 1900);
  time->wMonth = static_cast<WORD>(local->tm_mon + 1);
  time->wDayOfWeek = static_cast<WORD>(local->tm_wday);
  time->wDay = static_cast<WORD>(local->tm_mday);
  time->wHour = static_cast<WORD>(local->tm_hour);
  time->wMinute = static_cast<WORD>(local->tm_min);
  time->wSecond = static_cast<WORD>(local->tm_sec);
  time->wMilliseconds = static_cast<WORD>(millis);
}

}  // namespace corvane

namespace corvane {

void RecordingDesktop::StreamTo(std::FILE* out) {
  std::lock_guard lock(m_mutex);
  m_stream = out;
}

bool ParseLocalTime(const char* text, SYSTEMTIME& time) {
  if (!text) return false;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  char tail = 0;
  if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute, &second, &tail) != 6)
    return false;
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1601 || year > 9999 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] || hour > 23 ||
      minute > 59 || second > 59 || hour < 0 || minute < 0 || second < 0)
    return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && day == 29 && !leap) return false;
  // Day of the week (0 = Sunday), Sakamoto's method.
  static const int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = year - (month < 3 ? 1 : 0);
  const int weekday = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
  time = SYSTEMTIME{static_cast<WORD>(year),   static_cast<WORD>(month),  static_cast<WORD>(weekday),
                    static_cast<WORD>(day),    static_cast<WORD>(hour),   static_cast<WORD>(minute),
                    static_cast<WORD>(second), 0};
  return true;
}

bool ConfigureFromEnvironment(RecordingDesktop& desktop) {
  bool ok = true;
  if (const char* trace = std::getenv("CORVANE_DESKTOP_TRACE"); trace && *trace) {
    if (std::string(trace) == "-") {
      desktop.StreamTo(stdout);
    } else if (std::FILE* file = std::fopen(trace, "a")) {
      desktop.StreamTo(file);  // kept open for the life of the process
    } else {
      ok = false;
    }
  }
  const char* settings = std::getenv("CORVANE_DESKTOP");
  if (!settings) return ok;
  std::string all(settings);
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find(';', start);
    if (end == std::string::npos) end = all.size();
    std::string item = all.substr(start, end - start);
    start = end + 1;
    size_t eq = item.find('=');
    if (item.empty()) continue;
    if (eq == std::string::npos) {
      ok = false;
      continue;
    }
    const std::string name = item.substr(0, eq);
    const std::string value = item.substr(eq + 1);
    char* rest = nullptr;
    const unsigned long long number = std::strtoull(value.c_str(), &rest, 10);
    const bool isNumber = !value.empty() && rest && *rest == '\0';
    if (name == "foreground" && isNumber)
      desktop.SetForeground(WindowFromNumber(static_cast<std::uintptr_t>(number)));
    else if (name == "active" && isNumber)
      desktop.SetActive(WindowFromNumber(static_cast<std::uintptr_t>(number)));
    else if (name == "zoomed" && isNumber)
      desktop.SetZoomed(WindowFromNumber(static_cast<std::uintptr_t>(number)), true);
    else if (name == "sound-ms" && isNumber && number <= 0xFFFFFFFFull)
      desktop.SetSoundDuration(static_cast<DWORD>(number));
    else if (name == "time") {
      SYSTEMTIME time{};
      if (ParseLocalTime(value.c_str(), time))
        desktop.SetLocalTime(time);
      else
        ok = false;
    } else {
      ok = false;
    }
  }
  return ok;
}

}  // namespace corvane

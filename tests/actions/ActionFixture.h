// Shared fixture of the action tests: a recording desktop, a private
// registry file and a temporary folder for profile files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "system/Desktop.h"
#include "system/RecordingDesktop.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"

namespace corvane {

// One call of the record in a short form, for tables of expected sequences:
// "@300 down 0x11", "@0 up 0x41 ext", "@0 sleep 300", "@0 post 274 61696 0".
inline std::string Brief(const RecordingDesktop::Call& call) {
  char text[160];
  const auto n = [&](const char* name) { return static_cast<long long>(call.Number(name)); };
  if (call.fn == "keybd_event") {
    std::snprintf(text, sizeof text, "@%llu %s 0x%02llx%s", static_cast<unsigned long long>(call.t),
                  (n("flags") & KEYEVENTF_KEYUP) ? "up" : "down", n("vk"),
                  (n("flags") & KEYEVENTF_EXTENDEDKEY) ? " ext" : "");
  } else if (call.fn == "Sleep") {
    std::snprintf(text, sizeof text, "@%llu sleep %lld", static_cast<unsigned long long>(call.t), n("ms"));
  } else if (call.fn == "PostMessageA" || call.fn == "SendMessageA") {
    std::snprintf(text, sizeof text, "@%llu %s %lld 0x%llx 0x%llx", static_cast<unsigned long long>(call.t),
                  call.fn == "PostMessageA" ? "post" : "send", n("msg"), n("wparam"), n("lparam"));
  } else if (call.fn == "SetForegroundWindow") {
    std::snprintf(text, sizeof text, "@%llu foreground %lld", static_cast<unsigned long long>(call.t), n("hwnd"));
  } else if (call.fn == "mouse_event") {
    std::snprintf(text, sizeof text, "@%llu mouse 0x%llx", static_cast<unsigned long long>(call.t), n("flags"));
  } else if (call.fn == "ExitWindowsEx") {
    std::snprintf(text, sizeof text, "@%llu exit %lld", static_cast<unsigned long long>(call.t), n("flags"));
  } else if (call.fn == "GlobalAlloc") {
    std::snprintf(text, sizeof text, "@%llu alloc 0x%llx %lld", static_cast<unsigned long long>(call.t), n("flags"),
                  n("bytes"));
  } else if (call.fn == "SetClipboardData") {
    std::snprintf(text, sizeof text, "@%llu setclip %lld \"%s\"", static_cast<unsigned long long>(call.t),
                  n("format"), call.Text("text").c_str());
  } else {
    std::snprintf(text, sizeof text, "@%llu %s", static_cast<unsigned long long>(call.t), call.fn.c_str());
  }
  return text;
}

class ActionTest : public ::testing::Test {
 protected:
  static constexpr std::uintptr_t kForeground = 0x1234;

  ActionTest() { desktop.SetForeground(WindowFromNumber(kForeground)); }
  ~ActionTest() override { RegistryStore::Reset(); }

  std::vector<std::string> Trace() const {
    std::vector<std::string> out;
    for (const auto& call : desktop.Calls()) out.push_back(Brief(call));
    return out;
  }

  // A key under HKEY_CURRENT_USER of the private registry file, closed at
  // the end of the test.
  HKEY ListKey() {
    if (!m_listKey) RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Corvane Test\\Key01", &m_listKey);
    return m_listKey;
  }
  void TearDown() override {
    if (m_listKey) RegCloseKey(m_listKey);
  }

  // The exact bytes and type of a value of a subkey of ListKey(); type is
  // 0xFFFFFFFF when it cannot be read.
  std::pair<DWORD, std::string> Value(const char* subkey, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyA(ListKey(), subkey, &key) != ERROR_SUCCESS) return {0xFFFFFFFF, "no key"};
    BYTE buffer[4096];
    DWORD type = 0, size = sizeof buffer;
    const LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {0xFFFFFFFF, "no value"};
    return {type, std::string(reinterpret_cast<char*>(buffer), size)};
  }
  void SetValue(const char* subkey, const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(ListKey(), subkey, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  bool SubkeyExists(const char* subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyA(ListKey(), subkey, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  test::TempDir dir;
  std::string profile = dir.file("actions.tmp");
  test::ScopedRegistryFile registryFile{dir.file("registry.reg")};
  RecordingDesktop desktop;
  ScopedDesktopBackend scope{desktop};

 private:
  HKEY m_listKey = nullptr;
};

}  // namespace corvane

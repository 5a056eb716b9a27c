// Shared fixture of the macro tests: a recording desktop, a private registry
// file reached through the fake tablet driver, and a folder for profiles.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FakeTablet.h"
#include "actions/Action.h"
#include "macros/ActList.h"
#include "macros/MacroAction.h"
#include "support/TestSupport.h"
#include "surface/TabletDriver.h"
#include "system/Desktop.h"
#include "system/Profile.h"
#include "system/RecordingDesktop.h"
#include "system/Registry.h"
#include "system/RegistryStore.h"

namespace corvane {

// A test action: Execute posts message 0x400 + tag to the window it is given
// (so the record shows when, in which order and for which window it ran),
// then sleeps its own time on the desktop's clock.
class Probe : public CAction {
 public:
  explicit Probe(int tag, DWORD ownTime = 0) : m_tag(tag), m_ownTime(ownTime) {
    m_strActionAlias.Format("probe %d", tag);
  }
  Probe(const Probe& other) : CAction(other), m_tag(other.m_tag), m_ownTime(other.m_ownTime) {}
  CContainer* Clone() override { return new Probe(*this); }
  int Execute(HWND window) override {
    PostMessageA(window, 0x400 + static_cast<UINT>(m_tag), 0, 0);
    if (m_ownTime) Sleep(m_ownTime);
    return m_tag;
  }
  int m_tag;
  DWORD m_ownTime;
};

class MacroTest : public ::testing::Test {
 protected:
  static constexpr std::uintptr_t kActive = 0x5150;
  static constexpr const char* kListKey = "Software\\Macro Test";

  MacroTest() {
    ResetTabletDriverForTesting(test::FakeTabletDriver());
    test::WriteFile(m_tablet, std::string("registry=") + kListKey + "\n");
    test::SetEnvironment("CORVANE_FAKE_TABLET", m_tablet.c_str());
    desktop.SetActive(WindowFromNumber(kActive));
    test::WriteFile(profile, "");
  }
  ~MacroTest() override {
    ResetTabletDriverForTesting();
    test::SetEnvironment("CORVANE_FAKE_TABLET", nullptr);
    RegistryStore::Reset();
  }

  // The record in short form: "@200 run 1 hwnd 20816", "@0 sleep 200".
  std::vector<std::string> Trace() const {
    std::vector<std::string> out;
    for (const auto& call : desktop.Calls()) {
      const std::string at = "@" + std::to_string(call.t) + " ";
      if (call.fn == "Sleep")
        out.push_back(at + "sleep " + std::to_string(call.Number("ms")));
      else if (call.fn == "PostMessageA")
        out.push_back(at + "run " + std::to_string(call.Number("msg") - 0x400) + " hwnd " +
                      std::to_string(call.Number("hwnd")));
      else
        out.push_back(at + call.fn);
    }
    return out;
  }

  // Profile helpers.
  void Write(const std::string& text) { test::WriteFile(profile, text); }
  std::string Value(const char* section, const char* key) {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, profile.c_str());
    return buffer;
  }

  // The exact bytes and type of a value under the list key of function key
  // id ({0xFFFFFFFF, ...} when it cannot be read).
  std::pair<DWORD, std::string> RegValue(int id, const char* subkey, const char* name) {
    std::string path = std::string(kListKey) + "\\FKey" + std::to_string(id);
    if (subkey) path += std::string("\\") + subkey;
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, path.c_str(), &key) != ERROR_SUCCESS) return {0xFFFFFFFF, "no key"};
    BYTE buffer[4096];
    DWORD type = 0, size = sizeof buffer;
    const LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {0xFFFFFFFF, "no value"};
    return {type, std::string(reinterpret_cast<char*>(buffer), size)};
  }
  void SetRegValue(int id, const char* subkey, const char* name, DWORD type, const std::string& bytes) {
    std::string path = std::string(kListKey) + "\\FKey" + std::to_string(id);
    if (subkey) path += std::string("\\") + subkey;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  test::TempDir dir;
  std::string profile = dir.file("macros.tmp");
  std::string m_tablet = dir.file("tablet.txt");
  test::ScopedRegistryFile registryFile{dir.file("registry.reg")};
  RecordingDesktop desktop;
  ScopedDesktopBackend scope{desktop};
};

// The alias texts of the actions of a macro, in order.
inline std::vector<std::string> ActionAliases(CMacroAction& macro) {
  std::vector<std::string> out;
  for (int i = 0; i < macro.GetCount(); ++i) {
    auto* action = dynamic_cast<CAction*>(macro.GetAt(i));
    out.push_back(action ? std::string(action->m_strActionAlias.GetString()) : "<not an action>");
  }
  return out;
}

}  // namespace corvane

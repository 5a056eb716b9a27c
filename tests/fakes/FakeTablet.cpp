// A stand-in for the tablet driver's library, built as a shared library with
// the driver's seven exported names.  Tests describe the tablet in a small
// text file named by the environment variable CORVANE_FAKE_TABLET, read each
// time a device is opened:
//
//   device=1                  0: OpenTabletDevice finds no device
//   info=1                    0: TDGetInfoEx fails
//   hwinfo=1                  0: TDGetHwInfoEx fails
//   resolution=2540           units per inch in the hardware record
//   size=W,H                  tablet width and height
//   margins=L,T,R,B           margins at the x = 0, y = 0, x = W, y = H sides
//   key=left,top,right,bottom,id   one line per function key, in order
//   count=N                   the stored key count (default: the key lines)
//   registry=Software\...     the key under HKEY_CURRENT_USER that holds one
//                             subkey "FKey<id>" per function key
//
// Without the file: one device, no keys.  Built with
// FAKE_TABLET_WITHOUT_SET_FUNCTION_KEYS it lacks "SetFunctionKeys".
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "surface/TabletDriver.h"

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using namespace corvane;

namespace {

constexpr HTABLETDEVICE kDevice = 0x7AB1E7;

struct Config {
  bool device = true;
  bool info = true;
  bool hwInfo = true;
  int resolution = 1000;
  int width = 0;
  int height = 0;
  int margins[4] = {0, 0, 0, 0};
  std::vector<FunctionKeyEntry> keys;
  int count = -1;
  std::string registry = "Software\\Corvane Fake Tablet";
};

Config g_config;
TabletRegistryApi g_registry = {};
bool g_registryAttached = false;
std::atomic<int> g_opens{0};
std::atomic<int> g_openDevices{0};

std::vector<int> Numbers(const std::string& text) {
  std::vector<int> numbers;
  const char* p = text.c_str();
  while (*p) {
    char* end = nullptr;
    long value = std::strtol(p, &end, 10);
    if (end == p) break;
    numbers.push_back(static_cast<int>(value));
    p = end;
    while (*p == ',' || *p == ' ') ++p;
  }
  return numbers;
}

Config ReadConfig() {
  Config config;
  const char* path = std::getenv("CORVANE_FAKE_TABLET");
  if (!path || !*path) return config;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    const std::vector<int> n = Numbers(value);
    if (name == "device" && !n.empty()) config.device = n[0] != 0;
    if (name == "info" && !n.empty()) config.info = n[0] != 0;
    if (name == "hwinfo" && !n.empty()) config.hwInfo = n[0] != 0;
    if (name == "resolution" && !n.empty()) config.resolution = n[0];
    if (name == "size" && n.size() >= 2) {
      config.width = n[0];
      config.height = n[1];
    }
    if (name == "margins" && n.size() >= 4)
      for (int i = 0; i < 4; ++i) config.margins[i] = n[static_cast<size_t>(i)];
    if (name == "key" && n.size() >= 5)
      config.keys.push_back(FunctionKeyEntry{static_cast<WORD>(n[0]), static_cast<WORD>(n[1]),
                                             static_cast<WORD>(n[2]), static_cast<WORD>(n[3]),
                                             static_cast<WORD>(n[4])});
    if (name == "count" && !n.empty()) config.count = n[0];
    if (name == "registry") config.registry = value;
  }
  return config;
}

void Put16(BYTE* p, int value) {
  p[0] = static_cast<BYTE>(value & 0xFF);
  p[1] = static_cast<BYTE>((value >> 8) & 0xFF);
}

}  // namespace

FAKE_EXPORT HTABLETDEVICE WINAPI OpenTabletDevice(int index) {
  ++g_opens;
  g_config = ReadConfig();
  if (index != 0 || !g_config.device) return 0;
  ++g_openDevices;
  return kDevice;
}

FAKE_EXPORT void WINAPI CloseTabletDevice(HTABLETDEVICE device) {
  if (device == kDevice) --g_openDevices;
}

FAKE_EXPORT LONG WINAPI GetFunctionKeysEx(HTABLETDEVICE device, BYTE* table, int kind) {
  if (device != kDevice || !table || kind != kFunctionKeyTableKind) return 0;
  for (int i = 0; i < 4; ++i) Put16(table + 6 + 2 * i, g_config.margins[i]);
  Put16(table + 14, g_config.width);
  Put16(table + 16, g_config.height);
  const size_t stored = g_config.keys.size() < kMaxFunctionKeys ? g_config.keys.size() : kMaxFunctionKeys;
  Put16(table + 18, g_config.count >= 0 ? g_config.count : static_cast<int>(stored));
  for (size_t i = 0; i < stored; ++i) {
    BYTE* entry = table + kFunctionKeyHeaderSize + kFunctionKeyEntrySize * i;
    const FunctionKeyEntry& key = g_config.keys[i];
    Put16(entry, key.left);
    Put16(entry + 2, key.top);
    Put16(entry + 4, key.right);
    Put16(entry + 6, key.bottom);
    Put16(entry + 8, key.id);
  }
  return 1;
}

FAKE_EXPORT LONG WINAPI TDGetInfoEx(HTABLETDEVICE device, BYTE* record) {
  if (device != kDevice || !record || !g_config.info) return 0;
  std::memset(record, 0, kTabletInfoSize);
  std::memcpy(record, "Fake tablet", 11);
  return 1;
}

FAKE_EXPORT LONG WINAPI TDGetHwInfoEx(HTABLETDEVICE device, BYTE* record) {
  if (device != kDevice || !record || !g_config.hwInfo) return 0;
  std::memset(record, 0xEE, kTabletHwInfoSize);
  Put16(record + kHwInfoResolutionOffset, g_config.resolution);
  return 1;
}

FAKE_EXPORT HKEY WINAPI RegGetFKeys(HTABLETDEVICE device, int keyId, int create) {
  if (device != kDevice || !g_registryAttached) return nullptr;
  char path[512];
  std::snprintf(path, sizeof path, "%s\\FKey%d", g_config.registry.c_str(), keyId);
  HKEY key = nullptr;
  const LSTATUS status = create ? g_registry.pRegCreateKeyA(g_registry.hkeyCurrentUser, path, &key)
                                : g_registry.pRegOpenKeyA(g_registry.hkeyCurrentUser, path, &key);
  return status == ERROR_SUCCESS ? key : nullptr;
}

#if !defined(FAKE_TABLET_WITHOUT_SET_FUNCTION_KEYS)
FAKE_EXPORT LONG WINAPI SetFunctionKeys(HTABLETDEVICE, BYTE*, int) { return 0; }
#endif

FAKE_EXPORT void WINAPI CorvaneAttachRegistry(const TabletRegistryApi* api) {
  if (!api || api->cbSize < sizeof(TabletRegistryApi)) return;
  g_registry = *api;
  g_registryAttached = true;
}

// For the tests: how often a device was opened, and how many are open now.
FAKE_EXPORT int FakeTabletOpenCount() { return g_opens; }
FAKE_EXPORT int FakeTabletOpenDevices() { return g_openDevices; }

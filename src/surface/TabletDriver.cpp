#include "surface/TabletDriver.h"

#include <cstring>
#include <mutex>

namespace corvane {

// ---------------------------------------------------------------- table

void CFunctionKeyTable::Clear() { std::memset(m_bytes, 0, sizeof m_bytes); }

WORD CFunctionKeyTable::Field(std::size_t offset) const {
  if (offset + 2 > sizeof m_bytes) return 0;
  return static_cast<WORD>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
}

void CFunctionKeyTable::SetField(std::size_t offset, WORD value) {
  if (offset + 2 > sizeof m_bytes) return;
  m_bytes[offset] = static_cast<BYTE>(value & 0xFF);
  m_bytes[offset + 1] = static_cast<BYTE>(value >> 8);
}

int CFunctionKeyTable::UsableKeyCount() const {
  const int count = KeyCount();
  if (count < 0) return 0;
  return count > kMaxFunctionKeys ? kMaxFunctionKeys : count;
}

FunctionKeyEntry CFunctionKeyTable::Key(int i) const {
  if (i < 0 || i >= kMaxFunctionKeys) return FunctionKeyEntry{0, 0, 0, 0, 0};
  const std::size_t base = kFunctionKeyHeaderSize + kFunctionKeyEntrySize * static_cast<std::size_t>(i);
  return FunctionKeyEntry{Field(base), Field(base + 2), Field(base + 4), Field(base + 6), Field(base + 8)};
}

// ---------------------------------------------------------------- binding

namespace {

enum class BindState { Unbound, Bound, Absent };

struct Driver {
  std::mutex mutex;
  BindState state = BindState::Unbound;
  HMODULE module = nullptr;
  OpenTabletDeviceProc open = nullptr;
  CloseTabletDeviceProc close = nullptr;
  GetFunctionKeysExProc getFunctionKeys = nullptr;
  TDGetInfoExProc getInfo = nullptr;
  TDGetHwInfoExProc getHwInfo = nullptr;
  RegGetFKeysProc regGetFKeys = nullptr;
  CString fileName = "WINTAB32.DLL";

  void Forget() {
    if (module) FreeLibrary(module);
    module = nullptr;
    open = nullptr;
    close = nullptr;
    getFunctionKeys = nullptr;
    getInfo = nullptr;
    getHwInfo = nullptr;
    regGetFKeys = nullptr;
    state = BindState::Unbound;
  }

  ~Driver() { Forget(); }
};

Driver& TheDriver() {
  static Driver driver;
  return driver;
}

template <typename Proc>
Proc Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Proc>(GetProcAddress(module, name));
}

// Binds under the lock.  When any step fails the library is freed and the
// driver is absent for good.
bool BindLocked(Driver& driver) {
  if (driver.state != BindState::Unbound) return driver.state == BindState::Bound;
  driver.state = BindState::Absent;
  driver.module = LoadLibraryA(driver.fileName);
  if (!driver.module) return false;
  driver.open = Lookup<OpenTabletDeviceProc>(driver.module, "OpenTabletDevice");
  driver.close = Lookup<CloseTabletDeviceProc>(driver.module, "CloseTabletDevice");
  driver.getFunctionKeys = Lookup<GetFunctionKeysExProc>(driver.module, "GetFunctionKeysEx");
  driver.getInfo = Lookup<TDGetInfoExProc>(driver.module, "TDGetInfoEx");
  driver.getHwInfo = Lookup<TDGetHwInfoExProc>(driver.module, "TDGetHwInfoEx");
  driver.regGetFKeys = Lookup<RegGetFKeysProc>(driver.module, "RegGetFKeys");
  const bool setPresent = GetProcAddress(driver.module, "SetFunctionKeys") != nullptr;
  if (!driver.open || !driver.close || !driver.getFunctionKeys || !driver.getInfo || !driver.getHwInfo ||
      !driver.regGetFKeys || !setPresent) {
    driver.Forget();
    driver.state = BindState::Absent;
    return false;
  }
  if (auto attach = Lookup<CorvaneAttachRegistryProc>(driver.module, "CorvaneAttachRegistry")) {
    static const TabletRegistryApi api = {sizeof(TabletRegistryApi), HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,
                                          &RegCreateKeyA, &RegOpenKeyA, &RegCloseKey};
    attach(&api);
  }
  const HTABLETDEVICE device = driver.open(0);
  if (!device) {
    driver.Forget();
    driver.state = BindState::Absent;
    return false;
  }
  driver.close(device);
  driver.state = BindState::Bound;
  return true;
}

}  // namespace

bool BindTabletDriver() {
  Driver& driver = TheDriver();
  std::lock_guard<std::mutex> lock(driver.mutex);
  return BindLocked(driver);
}

bool QueryTabletLayout(TabletLayout& layout) {
  Driver& driver = TheDriver();
  std::lock_guard<std::mutex> lock(driver.mutex);
  if (!BindLocked(driver)) return false;
  const HTABLETDEVICE device = driver.open(0);
  if (!device) return false;

  // The records are read into buffers larger than the driver is told, so a
  // driver that writes a longer record of a later version does no harm.
  TabletLayout result;
  BYTE info[256] = {};
  BYTE hwInfo[256] = {};
  driver.getFunctionKeys(device, result.keys.Data(), kFunctionKeyTableKind);
  const bool ok = driver.getInfo(device, info) != 0 && driver.getHwInfo(device, hwInfo) != 0;
  driver.close(device);
  if (!ok) return false;
  result.nResolution = hwInfo[kHwInfoResolutionOffset] | (hwInfo[kHwInfoResolutionOffset + 1] << 8);
  layout = result;
  return true;
}

HKEY GetFunctionKeyRegistryKey(int keyId, int create) {
  Driver& driver = TheDriver();
  std::lock_guard<std::mutex> lock(driver.mutex);
  if (!BindLocked(driver)) return nullptr;
  const HTABLETDEVICE device = driver.open(0);
  if (!device) return nullptr;
  HKEY key = driver.regGetFKeys(device, keyId, create);
  driver.close(device);
  return key;
}

void ResetTabletDriverForTesting(LPCSTR driverFile) {
  Driver& driver = TheDriver();
  std::lock_guard<std::mutex> lock(driver.mutex);
  driver.Forget();
  driver.fileName = driverFile && *driverFile ? driverFile : "WINTAB32.DLL";
}

}  // namespace corvane

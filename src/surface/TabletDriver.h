// The bridge to the tablet driver's library "WINTAB32.DLL": the function-key
// layout of the attached tablet and, per function key, the registry key that
// holds its actions.  The driver is bound on first need, once per process;
// when it is missing, lacks a function or finds no device, it counts as
// absent for the rest of the process.
#pragma once

#include <cstddef>
#include <cstdint>

#include "system/DynamicLibrary.h"
#include "system/Registry.h"
#include "system/Win32.h"

namespace corvane {

// ---- the driver's side

typedef std::uintptr_t HTABLETDEVICE;  // 0 means no device

typedef HTABLETDEVICE(WINAPI* OpenTabletDeviceProc)(int device);
typedef void(WINAPI* CloseTabletDeviceProc)(HTABLETDEVICE device);
typedef LONG(WINAPI* GetFunctionKeysExProc)(HTABLETDEVICE device, BYTE* table, int kind);
typedef LONG(WINAPI* TDGetInfoExProc)(HTABLETDEVICE device, BYTE* record);
typedef LONG(WINAPI* TDGetHwInfoExProc)(HTABLETDEVICE device, BYTE* record);
typedef HKEY(WINAPI* RegGetFKeysProc)(HTABLETDEVICE device, int keyId, int create);

// The driver's table kind asked for by the layout query.
constexpr int kFunctionKeyTableKind = 15;
// Bytes the driver may write into the two info records.
constexpr std::size_t kTabletInfoSize = 40;
constexpr std::size_t kTabletHwInfoSize = 24;
// Offset of the resolution (tablet units per inch, 16 bits) in the hardware record.
constexpr std::size_t kHwInfoResolutionOffset = 14;

// Where there is no system-wide registry, the library's own registry store
// is the only one the driver's keys can live in.  A driver that exports
// "CorvaneAttachRegistry" receives the store's functions when it is bound,
// and answers RegGetFKeys with keys of that store.
struct TabletRegistryApi {
  DWORD cbSize;  // sizeof(TabletRegistryApi)
  HKEY hkeyCurrentUser;
  HKEY hkeyLocalMachine;
  LSTATUS (*pRegCreateKeyA)(HKEY parent, LPCSTR subKey, HKEY* result);
  LSTATUS (*pRegOpenKeyA)(HKEY parent, LPCSTR subKey, HKEY* result);
  LSTATUS (*pRegCloseKey)(HKEY key);
};
typedef void(WINAPI* CorvaneAttachRegistryProc)(const TabletRegistryApi* api);

// ---- the function-key table

constexpr int kMaxFunctionKeys = 256;
constexpr std::size_t kFunctionKeyHeaderSize = 20;
constexpr std::size_t kFunctionKeyEntrySize = 10;
constexpr std::size_t kFunctionKeyTableSize = kFunctionKeyHeaderSize + kFunctionKeyEntrySize * kMaxFunctionKeys;

struct FunctionKeyEntry {
  WORD left;
  WORD top;
  WORD right;
  WORD bottom;
  WORD id;
};

// The table as the driver fills it: unsigned 16-bit little-endian fields,
// room for 256 keys.
class CFunctionKeyTable {
 public:
  BYTE* Data() { return m_bytes; }
  const BYTE* Data() const { return m_bytes; }
  static constexpr std::size_t Size() { return kFunctionKeyTableSize; }
  void Clear();

  // The 16-bit field at a byte offset (0 past the end).
  WORD Field(std::size_t offset) const;
  void SetField(std::size_t offset, WORD value);

  // Margins at the x = 0, y = 0, x = W and y = H sides.
  WORD MarginLeft() const { return Field(6); }
  WORD MarginTop() const { return Field(8); }
  WORD MarginRight() const { return Field(10); }
  WORD MarginBottom() const { return Field(12); }
  WORD Width() const { return Field(14); }
  WORD Height() const { return Field(16); }
  // The number of keys as the driver stored it (a signed 16-bit value).
  SHORT KeyCount() const { return static_cast<SHORT>(Field(18)); }
  // The number of keys that the table can hold: KeyCount within 0 to 256.
  int UsableKeyCount() const;
  // Key i (0-based); all zero for i outside 0 to 255.
  FunctionKeyEntry Key(int i) const;

 private:
  BYTE m_bytes[kFunctionKeyTableSize] = {};
};

struct TabletLayout {
  CFunctionKeyTable keys;
  int nResolution = 0;  // tablet units per inch, from the hardware record
};

// Binds the driver if that has not been tried yet; answers whether it is present.
bool BindTabletDriver();

// The layout query: the function-key table and the resolution.  Answers
// false and leaves layout unchanged when the driver, a device or either info
// record is missing.
bool QueryTabletLayout(TabletLayout& layout);

// The registry key the driver keeps for a function key (create 0: open for
// reading, 1: create for writing); null without driver, device or key.
// The caller closes the key.
HKEY GetFunctionKeyRegistryKey(int keyId, int create);

// Test support only: frees the driver and forgets the binding, so the next
// call binds again, loading driverFile instead of "WINTAB32.DLL" when given.
void ResetTabletDriverForTesting(LPCSTR driverFile = nullptr);

}  // namespace corvane

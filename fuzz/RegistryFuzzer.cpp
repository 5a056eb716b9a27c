// The registry file reader and the registry functions over it.  The input is
// a registry file (possibly damaged); after it come operations.
// - The file parses, its text form parses to the same hives, and writing that
//   again gives the same bytes.
// - Through the registry functions: values are read into buffers of every
//   size (nothing written past the buffer, ERROR_MORE_DATA with the needed
//   size when it is too small), set to arbitrary bytes and types and read
//   back exactly, also after the file is saved and read from disk again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "support/FuzzSupport.h"
#include "system/Registry.h"
#include "system/RegistryFile.h"
#include "system/RegistryStore.h"
#include "system/WriteBatch.h"

using namespace corvane;

namespace {

const char* const kRoots[] = {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"};

// Every key and value under a key, compared exactly.
void ExpectSameTree(const RegistryKey* a, const RegistryKey* b) {
  FUZZ_CHECK((a == nullptr) == (b == nullptr));
  if (!a) return;
  FUZZ_CHECK(a->Values().size() == b->Values().size());
  for (const RegistryValue& value : a->Values()) {
    const RegistryValue* other = b->FindValue(value.name);
    FUZZ_CHECK(other != nullptr);
    FUZZ_CHECK(other->type == value.type && other->data == value.data);
  }
  FUZZ_CHECK(a->Children().size() == b->Children().size());
  for (const auto& child : a->Children()) ExpectSameTree(child.get(), b->FindChild(child->Name()));
}

// The paths of the keys under a root (depth first, bounded) with their values.
void CollectKeys(const RegistryKey& key, std::string path, std::vector<std::pair<std::string, std::string>>& out) {
  if (out.size() > 64) return;
  for (const RegistryValue& value : key.Values()) out.emplace_back(path, value.name);
  if (key.Values().empty()) out.emplace_back(path, "");
  for (const auto& child : key.Children())
    CollectKeys(*child, path.empty() ? child->Name() : path + "\\" + child->Name(), out);
}

void CheckTextRoundTrip(const std::string& text) {
  const RegistryFile first = RegistryFile::Parse(text);
  const std::string saved = first.Serialize();
  const RegistryFile second = RegistryFile::Parse(saved);
  FUZZ_CHECK(second.DamagedLines() == 0);
  for (const char* root : kRoots) ExpectSameTree(first.Find(root, {}), second.Find(root, {}));
  FUZZ_CHECK(second.Serialize() == saved);
}

HKEY RootHandle(int index) { return index ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

void CheckQuery(HKEY key, const std::string& name, DWORD bufferSize) {
  unsigned char buffer[320];
  std::memset(buffer, 0xA5, sizeof buffer);
  DWORD type = 0xFFFF, size = bufferSize;
  const LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, buffer, &size);
  if (status == ERROR_SUCCESS) FUZZ_CHECK(size <= bufferSize);
  if (status == ERROR_MORE_DATA) FUZZ_CHECK(size > bufferSize);
  FUZZ_CHECK(status == ERROR_SUCCESS || status == ERROR_MORE_DATA || status == ERROR_FILE_NOT_FOUND);
  const DWORD untouchedFrom = status == ERROR_SUCCESS ? size : 0;
  for (size_t i = std::max<size_t>(untouchedFrom, bufferSize); i < sizeof buffer; ++i) FUZZ_CHECK(buffer[i] == 0xA5);
  if (status == ERROR_MORE_DATA)
    for (size_t i = 0; i < sizeof buffer; ++i) FUZZ_CHECK(buffer[i] == 0xA5);
  // The size alone.
  DWORD sizeOnly = 0;
  const LSTATUS again = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &sizeOnly);
  FUZZ_CHECK(again == (status == ERROR_MORE_DATA ? ERROR_SUCCESS : status));
  if (status == ERROR_SUCCESS) FUZZ_CHECK(sizeOnly == size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::string text = data.ConsumeRandomLengthString(16384);
  CheckTextRoundTrip(text);

  static const std::string file = fuzz::ScratchFile("registry.reg");
  static const bool pointed = (setenv("CORVANE_REGISTRY", file.c_str(), 1), true);
  (void)pointed;
  RegistryStore::Reset();
  std::remove(file.c_str());
  std::remove((file + ".damaged").c_str());
  fuzz::WriteBytes(file, text);

  std::vector<std::pair<std::string, std::string>> keys[2];
  RegistryStore::Read([&](const RegistryFile& hives) {
    for (int r = 0; r < 2; ++r)
      if (const RegistryKey* root = hives.Find(kRoots[r], {})) CollectKeys(*root, "", keys[r]);
  });

  // What values set here must read back, by (root, key path, name).
  std::map<std::tuple<int, std::string, std::string>, std::pair<DWORD, std::string>> written;
  for (int step = 0; step < 16 && data.remaining_bytes() > 0; ++step) {
    const int r = data.ConsumeBool() ? 1 : 0;
    std::string path, name;
    if (!keys[r].empty() && data.ConsumeBool()) {
      const auto& entry = keys[r][data.ConsumeIntegralInRange<size_t>(0, keys[r].size() - 1)];
      path = entry.first;
      name = entry.second;
    } else {
      path = data.ConsumeRandomLengthString(40);
      name = data.ConsumeRandomLengthString(20);
    }
    path = path.substr(0, path.find('\0'));
    name = name.substr(0, name.find('\0'));
    HKEY key = nullptr;
    switch (data.ConsumeIntegral<uint8_t>() % 4) {
      case 0:
      case 1:
        if (RegOpenKeyExA(RootHandle(r), path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
          CheckQuery(key, name, data.ConsumeIntegralInRange<DWORD>(0, 300));
          RegCloseKey(key);
        }
        break;
      case 2: {
        if (RegCreateKeyA(RootHandle(r), path.c_str(), &key) != ERROR_SUCCESS) break;
        const DWORD type = data.ConsumeIntegralInRange<DWORD>(0, 12);
        const std::string value = data.ConsumeRandomLengthString(300);
        if (RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.data()),
                           static_cast<DWORD>(value.size())) == ERROR_SUCCESS) {
          std::string stored;
          for (const auto& part : RegistryFile::SplitPath(path)) stored += RegistryFile::Lower(part) + "\\";
          written[{r, stored, RegistryFile::Lower(name)}] = {type, value};
          DWORD readType = 0, readSize = 300;
          unsigned char buffer[300];
          FUZZ_CHECK(RegQueryValueExA(key, name.c_str(), nullptr, &readType, buffer, &readSize) == ERROR_SUCCESS);
          FUZZ_CHECK(readType == type && readSize == value.size());
          FUZZ_CHECK(std::memcmp(buffer, value.data(), value.size()) == 0);
        }
        RegCloseKey(key);
        break;
      }
      case 3:
        // Deleting may remove keys written above; forget them.
        if (RegDeleteKeyA(RootHandle(r), path.c_str()) == ERROR_SUCCESS) written.clear();
        break;
    }
  }

  // Saved and read again from disk, every value written reads the same.
  FUZZ_CHECK(RegistryStore::Flush());
  RegistryStore::Reset();
  for (const auto& [id, value] : written) {
    const auto& [r, path, name] = id;
    HKEY key = nullptr;
    FUZZ_CHECK(RegOpenKeyExA(RootHandle(r), path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS);
    std::string read(value.second.size() + 1, '\0');
    DWORD type = 0, readSize = static_cast<DWORD>(read.size());
    FUZZ_CHECK(RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(read.data()),
                                &readSize) == ERROR_SUCCESS);
    read.resize(readSize);
    FUZZ_CHECK(type == value.first && read == value.second);
    RegCloseKey(key);
  }
  return 0;
}

// Corvane.dll as a host built with the Visual C++ compiler binds to it: by
// the decorated names of that compiler, or by ordinal.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// The export table read from the loaded image: name -> (ordinal, address).
struct Export {
  WORD ordinal;
  void* address;
};

std::map<std::string, Export> ReadExports(HMODULE module, std::vector<std::string>* namesInTableOrder) {
  std::map<std::string, Export> exports;
  auto* base = reinterpret_cast<const BYTE*>(module);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  auto* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
  auto* ordinals = reinterpret_cast<const WORD*>(base + directory->AddressOfNameOrdinals);
  auto* functions = reinterpret_cast<const DWORD*>(base + directory->AddressOfFunctions);
  for (DWORD i = 0; i < directory->NumberOfNames; ++i) {
    std::string name = reinterpret_cast<const char*>(base + names[i]);
    const WORD index = ordinals[i];
    exports[name] = Export{static_cast<WORD>(index + directory->Base),
                           const_cast<BYTE*>(base + functions[index])};
    if (namesInTableOrder) namesInTableOrder->push_back(name);
  }
  return exports;
}

class CorvaneDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_module = LoadLibraryW(L"Corvane.dll"); }
  static void TearDownTestSuite() {
    if (s_module) FreeLibrary(s_module);
    s_module = nullptr;
  }
  void SetUp() override { ASSERT_NE(s_module, nullptr) << "Corvane.dll not found beside the test program"; }
  template <typename F>
  F Bind(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(s_module, name)));
  }
  static HMODULE s_module;
};
HMODULE CorvaneDll::s_module = nullptr;

// Function name and the Visual C++ name for its signature, in ordinal order.
const char* const kExpected[][2] = {
    {"ACTAdd", "?ACTAdd@@YAXPAX0@Z"},
    {"ACTClone", "?ACTClone@@YAPAXPAX@Z"},
    {"ACTControlInsertItem", "?ACTControlInsertItem@@YAXPAXPAVCListCtrl@@H@Z"},
    {"ACTControlItemChanged", "?ACTControlItemChanged@@YAXPAXPAVCListCtrl@@HH@Z"},
    {"ACTControlSetup", "?ACTControlSetup@@YAXPAXPAVCListCtrl@@@Z"},
    {"ACTCreateContainer", "?ACTCreateContainer@@YAPAXK@Z"},
    {"ACTDeleteContainer", "?ACTDeleteContainer@@YAXPAX@Z"},
    {"ACTGetAliasField", "?ACTGetAliasField@@YAHPAXPAVCListCtrl@@@Z"},
    {"ACTGetAliasString", "?ACTGetAliasString@@YA?AVCString@@PAX@Z"},
    {"ACTGetAt", "?ACTGetAt@@YAPAXPAXH@Z"},
    {"ACTGetContainerDPI", "?ACTGetContainerDPI@@YA?AVCSize@@PAX@Z"},
    {"ACTGetContainerRect", "?ACTGetContainerRect@@YA?AVCRect@@PAX@Z"},
    {"ACTGetCount", "?ACTGetCount@@YAHPAX@Z"},
    {"ACTGetCurSel", "?ACTGetCurSel@@YAHPAX@Z"},
    {"ACTGetExtraData", "?ACTGetExtraData@@YAIPAXH@Z"},
    {"ACTGetParentContainer", "?ACTGetParentContainer@@YAPAXPAX@Z"},
    {"ACTGetStyle", "?ACTGetStyle@@YAKPAX@Z"},
    {"ACTGetSubContainer", "?ACTGetSubContainer@@YAPAXPAXH@Z"},
    {"ACTHitTestItem", "?ACTHitTestItem@@YAHPAXVCPoint@@@Z"},
    {"ACTInsertAt", "?ACTInsertAt@@YAXPAXH0@Z"},
    {"ACTOnDraw", "?ACTOnDraw@@YAXPAXPAVCDC@@PAVCRect@@H@Z"},
    {"ACTOnEditItem", "?ACTOnEditItem@@YAHPAXHH@Z"},
    {"ACTOnInsertNew", "?ACTOnInsertNew@@YAHPAXH@Z"},
    {"ACTOnMoveDown", "?ACTOnMoveDown@@YAXPAXH@Z"},
    {"ACTOnMoveUp", "?ACTOnMoveUp@@YAXPAXH@Z"},
    {"ACTOnProperty", "?ACTOnProperty@@YAHPAX@Z"},
    {"ACTPlay", "?ACTPlay@@YAXPAX0@Z"},
    {"ACTReadContainer", "?ACTReadContainer@@YAHPAXPBD@Z"},
    {"ACTRemoveAt", "?ACTRemoveAt@@YAXPAXHH@Z"},
    {"ACTSetAliasString", "?ACTSetAliasString@@YAXPAXVCString@@@Z"},
    {"ACTSetAt", "?ACTSetAt@@YAXPAXH0@Z"},
    {"ACTSetContainerRect", "?ACTSetContainerRect@@YAXPAXPAUtagRECT@@@Z"},
    {"ACTSetCurSel", "?ACTSetCurSel@@YAXPAXH@Z"},
    {"ACTSetExtraData", "?ACTSetExtraData@@YAXPAXHI@Z"},
    {"ACTSetMainWnd", "?ACTSetMainWnd@@YAXPAUHWND__@@@Z"},
    {"ACTSetStyle", "?ACTSetStyle@@YAXPAXK@Z"},
    {"ACTTranslateCoordinate", "?ACTTranslateCoordinate@@YAXPAXPAUtagRECT@@11H@Z"},
    {"ACTWriteContainer", "?ACTWriteContainer@@YAXPAXPBD@Z"},
};

// The function name inside a GCC name such as _Z11ACTGetCountPv.
std::string FunctionOfItaniumName(const std::string& name) {
  if (name.rfind("_Z", 0) != 0) return {};
  std::size_t digits = 2;
  while (digits < name.size() && isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
  const std::size_t length = std::stoul(name.substr(2, digits - 2));
  return name.substr(digits, length);
}

TEST_F(CorvaneDll, VisualCppNamesHoldOrdinalsOneToThirtyEightInAlphabeticalOrder) {
  std::vector<std::string> tableOrder;
  const auto exports = ReadExports(s_module, &tableOrder);
  ASSERT_EQ(std::size(kExpected), 38u);
  for (std::size_t i = 0; i < std::size(kExpected); ++i) {
    const char* decorated = kExpected[i][1];
    auto it = exports.find(decorated);
    ASSERT_NE(it, exports.end()) << decorated << " is not exported";
    EXPECT_EQ(it->second.ordinal, i + 1) << decorated;
    if (i > 0) EXPECT_LT(std::strcmp(kExpected[i - 1][1], decorated), 0) << "not in alphabetical order";
    // Bound by name and by ordinal, the loader gives the same function.
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(s_module, decorated)), it->second.address);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(s_module, MAKEINTRESOURCEA(i + 1))), it->second.address);
  }
  // The loader finds names by binary search: the name table must be sorted.
  EXPECT_TRUE(std::is_sorted(tableOrder.begin(), tableOrder.end()));
}

TEST_F(CorvaneDll, EachVisualCppNameIsTheFunctionOfTheSameNameAndNothingElseIsExported) {
  const auto exports = ReadExports(s_module, nullptr);
  std::map<std::string, void*> byFunction;  // from the GCC names
  for (const auto& [name, entry] : exports) {
    if (name[0] == '?') continue;
    const std::string function = FunctionOfItaniumName(name);
    ASSERT_EQ(function.rfind("ACT", 0), 0u) << "unexpected export " << name;
    EXPECT_TRUE(byFunction.emplace(function, entry.address).second) << function << " exported twice";
  }
  EXPECT_EQ(byFunction.size(), 38u);
  EXPECT_EQ(exports.size(), 76u);
  for (const auto& [function, decorated] : kExpected) {
    auto it = byFunction.find(function);
    ASSERT_NE(it, byFunction.end()) << function;
    EXPECT_EQ(exports.at(decorated).address, it->second) << decorated << " is not " << function;
  }
}

TEST_F(CorvaneDll, AHostBindingTheVisualCppNamesDrivesAContainer) {
  using Create = void* (*)(unsigned long);
  using Delete = void (*)(void*);
  using GetInt = int (*)(void*);
  using SetInt = void (*)(void*, int);
  using SetExtra = void (*)(void*, int, unsigned int);
  using GetExtra = unsigned int (*)(void*, int);
  using GetStyle = unsigned long (*)(void*);
  using SetStyle = void (*)(void*, unsigned long);
  using Parent = void* (*)(void*);
  using Add = void (*)(void*, void*);
  using GetAt = void* (*)(void*, int);
  auto create = Bind<Create>("?ACTCreateContainer@@YAPAXK@Z");
  auto destroy = Bind<Delete>("?ACTDeleteContainer@@YAXPAX@Z");
  auto count = Bind<GetInt>("?ACTGetCount@@YAHPAX@Z");
  auto getCurSel = Bind<GetInt>("?ACTGetCurSel@@YAHPAX@Z");
  auto setCurSel = Bind<SetInt>("?ACTSetCurSel@@YAXPAXH@Z");
  auto setExtra = Bind<SetExtra>("?ACTSetExtraData@@YAXPAXHI@Z");
  auto getExtra = Bind<GetExtra>("?ACTGetExtraData@@YAIPAXH@Z");
  auto getStyle = Bind<GetStyle>("?ACTGetStyle@@YAKPAX@Z");
  auto setStyle = Bind<SetStyle>("?ACTSetStyle@@YAXPAXK@Z");
  auto add = Bind<Add>("?ACTAdd@@YAXPAX0@Z");
  auto getAt = Bind<GetAt>("?ACTGetAt@@YAPAXPAXH@Z");
  auto parent = Bind<Parent>("?ACTGetParentContainer@@YAPAXPAX@Z");
  ASSERT_TRUE(create && destroy && count && getCurSel && setCurSel && setExtra && getExtra && getStyle && setStyle && add && getAt && parent);

  void* macro = create(18);
  ASSERT_NE(macro, nullptr);
  EXPECT_EQ(count(macro), 0);
  EXPECT_EQ(getCurSel(macro), 0);
  setCurSel(macro, 41);
  EXPECT_EQ(getCurSel(macro), 41);
  setStyle(macro, 0x80000001ul);
  EXPECT_EQ(getStyle(macro), 0x80000001ul);
  setExtra(macro, 2, 0xFFFFFFFFu);
  EXPECT_EQ(getExtra(macro, 2), 0xFFFFFFFFu);
  EXPECT_EQ(getExtra(macro, 1), 0u);

  void* root = create(4353);
  void* child = create(18);
  ASSERT_TRUE(root && child);
  add(root, child);
  EXPECT_EQ(count(root), 1);
  EXPECT_EQ(getAt(root, 0), child);
  EXPECT_EQ(parent(child), root);
  EXPECT_EQ(parent(root), nullptr);
  destroy(root);  // deletes the child with it
  destroy(macro);
  destroy(nullptr);
}

}  // namespace

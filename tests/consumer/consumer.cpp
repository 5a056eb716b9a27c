// A minimal host: creates containers through the exports and checks what they
// answer.  Exits non-zero on the first wrong answer.
#include <corvane/Corvane.h>
#include <corvane/ListCtrl.h>

#include <cstdio>

static int failures = 0;
#define CHECK(cond)                                             \
  do {                                                          \
    if (!(cond)) {                                              \
      std::fprintf(stderr, "consumer: failed: %s\n", #cond);    \
      ++failures;                                               \
    }                                                           \
  } while (0)

int main() {
  void* root = ACTCreateContainer(CORVANE_TYPE_MACRO);
  CHECK(root != nullptr);
  CHECK(ACTGetCurSel(root) == 0);
  ACTSetAliasString(root, "Save");
  CHECK(ACTGetAliasString(root) == "Save");
  ACTSetStyle(root, 7);
  CHECK(ACTGetStyle(root) == 7);
  ACTSetExtraData(root, 3, 42);
  CHECK(ACTGetExtraData(root, 3) == 42);
  CHECK(ACTGetExtraData(root, 2) == 0);
  corvane::CSize dpi = ACTGetContainerDPI(root);
  CHECK(dpi.cx == 96 && dpi.cy == 96);
  // The host's list control, filled by the library.
  corvane::CListCtrl list;
  ACTControlSetup(root, &list);
  CHECK(list.GetColumnCount() == 4);
  CHECK(list.GetColumnWidth(2) == 200);
  CHECK(ACTGetAliasField(root, &list) == 2);
  CHECK(list.GetExtendedStyle() == (corvane::LVS_EX_GRIDLINES | corvane::LVS_EX_FULLROWSELECT));
  ACTPlay(root, nullptr);  // no actions: plays nothing, and deleting waits for the end
  ACTDeleteContainer(root);
  ACTDeleteContainer(nullptr);
  std::printf("consumer: %s\n", failures ? "FAILED" : "ok");
  return failures ? 1 : 0;
}

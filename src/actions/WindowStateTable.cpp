#include "actions/WindowStateTable.h"

#include "actions/ResourceNameTable.h"
#include "system/Desktop.h"

namespace corvane {
namespace {

const UINT kWindowStateNames[kWindowStateCount] = {97, 98, 99};
const INT kShowCommands[kWindowStateCount] = {SW_SHOWDEFAULT, SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED};

CResourceNameTable& Table() {
  static CResourceNameTable table(kWindowStateNames, kWindowStateCount);
  return table;
}

}  // namespace

void BuildWindowStateTable() { Table().Build(); }

int GetWindowStateNameAt(CString& name, int position) { return Table().GetNameAt(name, position); }

INT GetShowCommandAt(int position) {
  if (position < 0 || position >= kWindowStateCount) position = 0;
  return kShowCommands[position];
}

}  // namespace corvane

#include "actions/PlayModeTable.h"

#include "actions/ResourceNameTable.h"

namespace corvane {
namespace {

const UINT kPlayModeNames[kPlayModeCount] = {100, 101};

CResourceNameTable& Table() {
  static CResourceNameTable table(kPlayModeNames, kPlayModeCount);
  return table;
}

}  // namespace

void BuildPlayModeTable() { Table().Build(); }

int GetPlayModeNameAt(CString& name, int position) { return Table().GetNameAt(name, position); }

}  // namespace corvane

#include "actions/ServiceTable.h"

#include "actions/ResourceNameTable.h"

namespace corvane {
namespace {

const UINT kServiceNames[kServiceCount] = {42, 43, 44, 46};
const char* const kServicePrefixes[kPrefixedServiceCount] = {"http://", "mailto:", "news://"};

CResourceNameTable& Table() {
  static CResourceNameTable table(kServiceNames, kServiceCount);
  return table;
}

}  // namespace

void BuildServiceTable() { Table().Build(); }

int GetServiceNameAt(CString& name, int position) { return Table().GetNameAt(name, position); }

const char* GetServicePrefixAt(int position) {
  if (position < 0 || position >= kPrefixedServiceCount) return "";
  return kServicePrefixes[position];
}

}  // namespace corvane

// The internet services an internet action offers, each with its name from
// the string table and the prefix put in front of the address typed:
//   0 "Go to a Web Site" (42)          "http://"
//   1 "Send an e-Mail" (43)            "mailto:"
//   2 "Go to a Newsgroup" (44)         "news://"
//   3 "Other Internet Services" (46)   none: the address is used as typed
#pragma once

#include "system/Win32.h"

namespace corvane {

constexpr int SERVICE_WEB = 0;
constexpr int SERVICE_MAIL = 1;
constexpr int SERVICE_NEWS = 2;
constexpr int SERVICE_OTHER = 3;
constexpr int kServiceCount = 4;
// The services 0 to 2 have a prefix.
constexpr int kPrefixedServiceCount = 3;

void BuildServiceTable();
// Sets name to the service's name (empty outside the table); answers its
// length.
int GetServiceNameAt(CString& name, int position);
// The prefix of services 0 to 2; the empty text for any other position.
const char* GetServicePrefixAt(int position);

}  // namespace corvane

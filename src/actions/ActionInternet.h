// CActionInternet: opens an internet address through the shell: a web site,
// a new e-mail, a newsgroup, or any address given in full.  The user picks a
// service and types the address without its scheme; the service's prefix is
// put in front of it, unless the address names its own scheme.
//
// In the registry the action keeps one complete address under "Action",
// where the tablet driver finds a function key's actions.  Reading it back
// recognises the service by the prefix the text begins with, so that the
// action reloaded opens the same address.
#pragma once

#include "actions/Action.h"

namespace corvane {

// What an internet action with the web service and no address opens: the
// browser on its start page.
constexpr const char kBrowserProgram[] = "IEXPLORE.EXE";

class CActionInternet : public CAction {
 public:
  CActionInternet();
  CActionInternet(const CActionInternet& source);
  ~CActionInternet() override;

  CContainer* Clone() override;
  int ReadContainer(const CString& file, const CString& section) override;
  void WriteContainer(const CString& file, const CString& section) override;
  int WriteRegistry(HKEY parent, int index) override;
  int ReadRegistry(HKEY parent, int index) override;
  int Execute(HWND window) override;
  int GetDescription(HKEY context, CString& out, int flag) override;
  CString GetTypeName() override;

  // The complete address Execute opens (and the registry keeps).
  CString GetFullAddress() const;

  // A position in the service table.
  int m_nService = 0;
  // The address as typed, normally without its prefix.
  CString m_strAddress;
};

// True when the address names its own scheme: it begins with one of the
// three service prefixes in any letter case, or with a scheme name followed
// by "://" (https://, ftp://, file://).
bool AddressHasScheme(const CString& address);

// The complete address of a service and a typed address: the service's
// prefix followed by the address, or the address alone when it names its own
// scheme or the service has no prefix.
CString ComposeInternetAddress(int service, const CString& address);

// Takes a complete address apart so that composing the two again gives the
// text back: a text that begins with one of the three prefixes (letter case
// as written) gives that service and the rest; any other text gives service 3
// ("Other Internet Services") and the whole text.
void SplitInternetAddress(const CString& text, int& service, CString& address);

}  // namespace corvane

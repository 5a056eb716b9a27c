// On Windows a DLL's static destructors run from its process-detach
// notification.  When the process exits, the system has ended every other
// thread before that, wherever they stood: possibly holding a lock that a
// destructor would wait for forever.  ntdll says which case it is.
#include "system/ProcessExit.h"

#include "system/win32/WindowsApi.h"

namespace corvane {

bool ProcessIsExiting() {
  using ShutdownInProgress = BOOLEAN(NTAPI*)();
  ::HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  if (!ntdll) return false;
  auto query = reinterpret_cast<ShutdownInProgress>(
      reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlDllShutdownInProgress")));
  return query && query() != FALSE;
}

}  // namespace corvane

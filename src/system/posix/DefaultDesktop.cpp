// On Linux the desktop is not driven yet: every side effect is recorded (with
// a virtual clock) instead of performed.
#include "system/Desktop.h"
#include "system/RecordingDesktop.h"

namespace corvane {

DesktopBackend* CreateDefaultDesktopBackend() {
  auto* backend = new RecordingDesktop;
  // A host that runs for days must not grow without bound; a caller that
  // wants a whole record (a dry run, a test) makes its own recorder.
  backend->SetRecordLimit(65536);
  ConfigureFromEnvironment(*backend);
  return backend;
}

}  // namespace corvane

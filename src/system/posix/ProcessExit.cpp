// On Linux, exit() runs the static destructors while the other threads still
// run: waiting for them is safe and needed.
#include "system/ProcessExit.h"

namespace corvane {

bool ProcessIsExiting() { return false; }

}  // namespace corvane

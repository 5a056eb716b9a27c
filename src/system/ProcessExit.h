// Whether the process is past the point where its other threads still run.
#pragma once

namespace corvane {

// True while a library is being unloaded because the process exits and the
// system has already ended every other thread.  Threads ended that way may
// have died holding a lock, so nothing that waits for them may run then.
bool ProcessIsExiting();

}  // namespace corvane

// The container factory behind ACTCreateContainer.
#pragma once

#include "container/Container.h"

namespace corvane {

// 18 makes a macro, 256 a surface, 257 a template, 4353 a template
// collection; any other code makes a surface.  Null when memory runs out.
CContainer* CreateContainer(unsigned long type);

}  // namespace corvane

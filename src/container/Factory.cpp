#include "container/Factory.h"

#include <new>

#include "macros/MacroAction.h"

namespace corvane {

CContainer* CreateContainer(unsigned long type) {
  switch (type) {
    case 18:  // macro
      return new (std::nothrow) CMacroAction;
    case 256:   // surface
    case 257:   // template
    case 4353:  // template collection
    default:    // any other code: a surface
      return new (std::nothrow) CContainer;
  }
}

}  // namespace corvane

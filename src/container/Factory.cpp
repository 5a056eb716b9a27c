#include "container/Factory.h"

#include <new>

#include "macros/MacroAction.h"
#include "surface/Surface.h"
#include "surface/Template.h"
#include "surface/TemplateCollect.h"

namespace corvane {

CContainer* CreateContainer(unsigned long type) {
  switch (type) {
    case 18:  // macro
      return new (std::nothrow) CMacroAction;
    case 257:  // template
      return new (std::nothrow) CTemplate;
    case 4353:  // template collection
      return new (std::nothrow) CTemplateCollect;
    case 256:  // surface
    default:   // any other code: a surface
      return new (std::nothrow) CSurface;
  }
}

}  // namespace corvane

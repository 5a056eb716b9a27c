#include "system/gdi/Screen.h"

namespace corvane {

// No display is asked: the metrics of a common screen.
int ScreenDeviceCaps(int index) {
  switch (index) {
    case LOGPIXELSX: return 96;
    case LOGPIXELSY: return 96;
    case HORZRES: return 1920;
    case VERTRES: return 1080;
    case BITSPIXEL: return 32;
    default: return 0;
  }
}

}  // namespace corvane

// CFont, the font object made from a LOGFONT, is one of the drawing objects.
#pragma once

#include "system/gdi/Gdi.h"

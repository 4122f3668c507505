// GDI+ for the Windows files: its headers expect min and max, which
// base/win.h keeps out of the way.
#pragma once

#include <algorithm>

#include "base/win.h"
#include <objidl.h>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

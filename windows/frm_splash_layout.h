#pragma once

#include "windows/layout.h"

namespace quarvel {

// The small scanning splash: no title bar, centred, with the timer that starts the scan.
const WindowLayout& frmSplashLayout();

}  // namespace quarvel

#pragma once

#include "windows/layout.h"

namespace quarvel {

// The notice shown at start-up: its text and the OK and Cancel buttons.
const WindowLayout& dialogLayout();

}  // namespace quarvel

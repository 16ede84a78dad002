#pragma once

#include <windows.h>

namespace quarvel::win32 {

// The layouts are in twips, 1440 to the inch: 15 to a pixel at 96 dots per inch.
inline int twipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// A font's point size as the (negative) character height CreateFont takes, in pixels.
inline int pointsToFontHeight(double points, UINT dpi) {
    return -static_cast<int>(points * dpi / 72.0 + 0.5);
}

// The dots per inch of the monitor a window is on (Windows 10 and later), or of the screen.
UINT dpiOf(HWND window);

}  // namespace quarvel::win32

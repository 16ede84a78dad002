#pragma once

#include <windows.h>

#include "windows/layout.h"

namespace quarvel::win32 {

struct WindowStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The native styles of a top-level window: its border, title bar and buttons. A window kept out of
// the task bar is also given the toolkit's hidden owner window (see Win32Toolkit).
WindowStyles topLevelStyles(const WindowLayout& layout);

// The native class and styles of a control; Timer has no window.
struct ControlClass {
    const wchar_t* className = nullptr;
    WindowStyles styles;
};
ControlClass controlClass(const ControlLayout& control);

}  // namespace quarvel::win32

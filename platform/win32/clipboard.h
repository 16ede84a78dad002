#pragma once

#include <windows.h>

#include <string_view>

namespace quarvel::win32 {

// Empties the clipboard and puts the text on it as Unicode text, owned by the given window.
// Throws Failure when the clipboard cannot be opened (another program holds it) or written.
void putClipboardText(HWND owner, std::string_view text);

}  // namespace quarvel::win32

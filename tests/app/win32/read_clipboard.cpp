// Writes the Unicode text on the Windows clipboard to standard output as UTF-8, byte for byte,
// so a test can see what a program put there before the X clipboard bridge touches it.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/utf.h"

int main() {
    if (!OpenClipboard(nullptr)) return 2;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        CloseClipboard();
        return 3;
    }
    const std::string text = quarvel::win32::toUtf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    _setmode(_fileno(stdout), _O_BINARY);  // no \n to \r\n on the way out
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

#include "platform/win32/clipboard.h"

#include <cstring>

#include "inventory/failure.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {
namespace {

// Opened for the life of one write; closed on every way out.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) {
        if (!OpenClipboard(owner)) {
            throw Failure("The clipboard could not be opened: another program is using it");
        }
    }
    ~OpenClipboardGuard() { CloseClipboard(); }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
};

}  // namespace

void putClipboardText(HWND owner, std::string_view text) {
    const std::wstring wide = toUtf16(text);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    OpenClipboardGuard open(owner);
    if (!EmptyClipboard()) throw Failure("The clipboard could not be emptied");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) throw Failure("No memory for the clipboard text");
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    // Once SetClipboardData succeeds the clipboard owns the memory.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        throw Failure("The text could not be put on the clipboard");
    }
}

}  // namespace quarvel::win32

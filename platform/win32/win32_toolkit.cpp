#include "platform/win32/win32_toolkit.h"

#include <commctrl.h>

#include "inventory/failure.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/program_start.h"
#include "platform/win32/utf.h"

namespace quarvel::win32 {
namespace {

// Internet Explorer at its fixed place, quoted so that no C:\Program.exe can stand in for it.
constexpr std::string_view kBrowserProgram = R"("C:\Program Files\Internet Explorer\iexplore.exe")";

bool isPushButton(HWND control) {
    return control != nullptr && (SendMessageW(control, WM_GETDLGCODE, 0, 0) &
                                  (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

void Win32Toolkit::Delivery::clicked(WindowId window, std::string_view control) {
    if (!quitting) program->clicked(window, control);
}

void Win32Toolkit::Delivery::ticked(WindowId window, std::string_view timer) {
    if (!quitting) program->ticked(window, timer);
}

void Win32Toolkit::Delivery::keyPressed(WindowId window, char32_t key) {
    if (!quitting) program->keyPressed(window, key);
}

void Win32Toolkit::Delivery::closeRequested(WindowId window) {
    if (!quitting) program->closeRequested(window);
}

Win32Toolkit::Win32Toolkit() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    hiddenOwner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    if (hiddenOwner_ == nullptr) throw Failure("The program's owner window could not be created");
}

Win32Toolkit::~Win32Toolkit() {
    windows_.clear();
    DestroyWindow(hiddenOwner_);
}

void Win32Toolkit::attach(ToolkitEvents& events) {
    delivery_.program = &events;
}

int Win32Toolkit::run() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) throw Failure("The message loop failed");
        if (handleKeyboard(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Toolkit::quit(int status) {
    delivery_.quitting = true;
    PostQuitMessage(status);
}

// Keys for one of our windows: first to a window that previews them, then Enter and Esc to the
// window's default and cancel buttons, then Tab and the arrows between its controls.
bool Win32Toolkit::handleKeyboard(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    NativeWindow* target = windowOf(root);
    if (target == nullptr) return false;
    if (message.message == WM_CHAR && target->layout().keyPreview) {
        delivery_.keyPressed(target->id(), static_cast<char32_t>(message.wParam));
        target = windowOf(root);
        if (target == nullptr) return true;  // the key unloaded the window
    }
    if (message.message == WM_KEYDOWN) {
        HWND button = nullptr;
        if (message.wParam == VK_RETURN && !isPushButton(GetFocus())) {
            button = target->buttonWithRole(ButtonRole::Default);
        } else if (message.wParam == VK_ESCAPE) {
            button = target->buttonWithRole(ButtonRole::Cancel);
        }
        if (button != nullptr) {
            SendMessageW(button, BM_CLICK, 0, 0);
            return true;
        }
    }
    return IsDialogMessageW(root, const_cast<MSG*>(&message)) != FALSE;
}

NativeWindow& Win32Toolkit::window(WindowId id) const {
    auto found = windows_.find(id);
    if (found == windows_.end()) throw Failure("No window " + std::to_string(id) + " is loaded");
    return *found->second;
}

NativeWindow* Win32Toolkit::windowOf(HWND handle) const {
    for (const auto& [id, window] : windows_) {
        if (window->handle() == handle) return window.get();
    }
    return nullptr;
}

void Win32Toolkit::createWindow(WindowId window, const WindowLayout& layout) {
    windows_[window] = std::make_unique<NativeWindow>(window, layout, delivery_, hiddenOwner_);
}

void Win32Toolkit::showWindow(WindowId id) {
    window(id).show();
}

void Win32Toolkit::destroyWindow(WindowId id) {
    auto found = windows_.find(id);
    if (found == windows_.end()) return;
    // Out of the map first: destroying the native window can send messages that look it up.
    std::unique_ptr<NativeWindow> closing = std::move(found->second);
    windows_.erase(found);
}

void Win32Toolkit::setCaption(WindowId id, std::string_view control, std::string_view text) {
    SetWindowTextW(window(id).control(control), toUtf16(text).c_str());
}

std::string Win32Toolkit::caption(WindowId id, std::string_view control) const {
    HWND handle = window(id).control(control);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

void Win32Toolkit::setText(WindowId id, std::string_view control, std::string_view text) {
    SetWindowTextW(window(id).control(control), toUtf16(text).c_str());
}

void Win32Toolkit::clearList(WindowId id, std::string_view control) {
    SendMessageW(window(id).control(control), LB_RESETCONTENT, 0, 0);
}

void Win32Toolkit::addListRow(WindowId id, std::string_view control, std::string_view row) {
    const std::wstring text = toUtf16(row);
    const LRESULT added = SendMessageW(window(id).control(control), LB_ADDSTRING, 0,
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE) {
        throw Failure("A row could not be added to the list " + std::string(control));
    }
}

int Win32Toolkit::listIndex(WindowId id, std::string_view control) const {
    const LRESULT row = SendMessageW(window(id).control(control), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void Win32Toolkit::setListIndex(WindowId id, std::string_view control, int row) {
    SendMessageW(window(id).control(control), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void Win32Toolkit::navigate(WindowId id, std::string_view control, std::string_view address) {
    window(id).browser(control).navigate(std::string(address));
}

void Win32Toolkit::messageBox(std::string_view title, std::string_view text) {
    MessageBoxW(nullptr, toUtf16(text).c_str(), toUtf16(title).c_str(), MB_OK | MB_TASKMODAL);
}

void Win32Toolkit::putClipboardText(std::string_view text) {
    win32::putClipboardText(hiddenOwner_, text);
}

void Win32Toolkit::startBrowser(std::string_view address) {
    startProgram(std::string(kBrowserProgram) + " " + std::string(address));
}

}  // namespace quarvel::win32

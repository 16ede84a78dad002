#include "platform/win32/native_window.h"

#include <algorithm>
#include <cwctype>

#include "inventory/failure.h"
#include "platform/win32/dpi.h"
#include "platform/win32/utf.h"
#include "platform/win32/window_styles.h"

namespace quarvel::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuarvelWindow";
constexpr COLORREF kBlue = RGB(0, 0, 255);
// The program's icon and pictures are resources named in capitals, as the resource compiler
// stores them.
constexpr wchar_t kIconResource[] = L"QUARVEL";

void registerWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, kIconResource);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) throw Failure("The program's window class could not be registered");
}

HBITMAP loadPicture(std::string_view name) {
    std::wstring resource = toUtf16(name);
    std::transform(resource.begin(), resource.end(), resource.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    auto* picture = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), resource.c_str(), IMAGE_BITMAP, 0, 0, 0));
    if (picture == nullptr) {
        throw Failure("The picture " + std::string(name) + " is missing from the program");
    }
    return picture;
}

// A label less than a line and a half high shows one line, cut at its right end, rather than
// wrapping into a second line that nobody sees.
bool holdsOneLine(HFONT font, const RECT& area) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return 2 * (area.bottom - area.top) < 3 * metrics.tmHeight;
}

// The twips of each control from the window's client area, following its chain of frames.
Bounds placeInWindow(const ControlLayout& control, const std::vector<ControlLayout>& placed) {
    Bounds place = control.bounds;
    std::string_view container = control.container;
    while (!container.empty()) {
        auto holder = std::find_if(placed.begin(), placed.end(),
                                   [&](const ControlLayout& c) { return c.name == container; });
        if (holder == placed.end()) {
            throw Failure("The frame " + std::string(container) + " is not declared before " +
                          std::string(control.name));
        }
        place.left += holder->bounds.left;
        place.top += holder->bounds.top;
        container = holder->container;
    }
    return place;
}

}  // namespace

NativeWindow::NativeWindow(WindowId id, const WindowLayout& layout, ToolkitEvents& events,
                           HWND owner)
    : id_(id), layout_(layout), events_(events) {
    registerWindowClass(&NativeWindow::procedure);
    dpi_ = dpiOf(nullptr);
    const WindowStyles styles = topLevelStyles(layout);
    RECT frame{0, 0, twipsToPixels(layout.clientWidth, dpi_),
               twipsToPixels(layout.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, styles.style, FALSE, styles.exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int left = twipsToPixels(layout.left, dpi_);
    int top = twipsToPixels(layout.top, dpi_);
    if (layout.centred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    window_ =
        CreateWindowExW(styles.exStyle, kWindowClass, toUtf16(layout.caption).c_str(), styles.style,
                        left, top, width, height, layout.inTaskBar ? nullptr : owner, nullptr,
                        GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw Failure("The window " + std::string(layout.name) + " could not be created");
    }
    try {
        dpi_ = dpiOf(window_);
        fitClientArea();
        createControls();
        stackControls();
    } catch (...) {
        release();
        throw;
    }
}

NativeWindow::~NativeWindow() {
    release();
}

// Nothing is reported once the window starts closing.
void NativeWindow::release() {
    for (const Control& control : controls_) {
        if (control.timer != 0) KillTimer(window_, control.timer);
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);  // the browsers' windows close their controls on the way
    for (const Control& control : controls_) {
        if (control.picture != nullptr) DeleteObject(control.picture);
    }
    releaseFonts();
}

void NativeWindow::createControls() {
    std::vector<ControlLayout> placed;
    controls_.reserve(layout_.controls.size());
    for (const ControlLayout& layout : layout_.controls) {
        Control& control = controls_.emplace_back();
        control.layout = &layout;
        control.place = placeInWindow(layout, placed);
        placed.push_back(layout);
        // Identifiers start above the dialog manager's IDOK and IDCANCEL.
        const auto index = 100 + static_cast<int>(controls_.size());
        if (layout.kind == ControlKind::Timer) {
            control.timer = SetTimer(window_, static_cast<UINT_PTR>(index),
                                     static_cast<UINT>(layout.intervalMs), nullptr);
            continue;
        }
        if (layout.kind == ControlKind::WebBrowser) {
            control.browser = std::make_unique<EmbeddedBrowser>(window_, pixels(control.place));
            control.handle = control.browser->window();
            continue;
        }
        ControlClass native = controlClass(layout);
        const RECT area = pixels(control.place);
        HFONT controlFont = font(layout.font);
        if (layout.kind == ControlKind::Label && holdsOneLine(controlFont, area)) {
            native.styles.style = (native.styles.style & ~DWORD{SS_TYPEMASK}) | SS_LEFTNOWORDWRAP;
        }
        control.handle = CreateWindowExW(
            native.styles.exStyle, native.className, toUtf16(layout.caption).c_str(),
            native.styles.style, area.left, area.top, area.right - area.left,
            area.bottom - area.top, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(index)),
            GetModuleHandleW(nullptr), nullptr);
        if (control.handle == nullptr) {
            throw Failure("The control " + std::string(layout.name) + " could not be created");
        }
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
        if (layout.kind == ControlKind::Image) {
            control.picture = loadPicture(layout.picture);
            SendMessageW(control.handle, STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(control.picture));
            // The static control keeps its own size rather than the picture's.
            SetWindowPos(control.handle, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

// Labels, pictures and frames lie under the other controls, as if drawn on the window, and a
// frame's contents lie above it.
void NativeWindow::stackControls() {
    auto toBottom = [](const Control& control) {
        SetWindowPos(control.handle, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    for (const Control& control : controls_) {
        const ControlKind kind = control.layout->kind;
        if (kind == ControlKind::Label || kind == ControlKind::Image) toBottom(control);
    }
    for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
        if (control->layout->kind == ControlKind::Frame) toBottom(*control);
    }
}

// The window's monitor may have another DPI than the one its size was first reckoned with.
void NativeWindow::fitClientArea() {
    RECT client;
    RECT outer;
    GetClientRect(window_, &client);
    GetWindowRect(window_, &outer);
    const int width =
        outer.right - outer.left + twipsToPixels(layout_.clientWidth, dpi_) - client.right;
    const int height =
        outer.bottom - outer.top + twipsToPixels(layout_.clientHeight, dpi_) - client.bottom;
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// After a change of DPI: every control to its new place and fonts of the new size.
void NativeWindow::placeControls() {
    std::map<FontKey, HFONT> old;
    old.swap(fonts_);
    for (const Control& control : controls_) {
        if (control.handle == nullptr) continue;
        const RECT area = pixels(control.place);
        SetWindowPos(control.handle, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (!control.browser) {
            SendMessageW(control.handle, WM_SETFONT,
                         reinterpret_cast<WPARAM>(font(control.layout->font)), TRUE);
        }
    }
    for (const auto& [key, handle] : old) DeleteObject(handle);
}

RECT NativeWindow::pixels(const Bounds& twips) const {
    const int left = twipsToPixels(twips.left, dpi_);
    const int top = twipsToPixels(twips.top, dpi_);
    return RECT{left, top, left + twipsToPixels(twips.width, dpi_),
                top + twipsToPixels(twips.height, dpi_)};
}

HFONT NativeWindow::font(const Font& font) {
    const FontKey key{font.face, font.points, font.bold};
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    HFONT handle =
        CreateFontW(pointsToFontHeight(font.points, dpi_), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, toUtf16(font.face).c_str());
    fonts_.emplace(key, handle);
    return handle;
}

void NativeWindow::releaseFonts() {
    for (const auto& [key, handle] : fonts_) DeleteObject(handle);
    fonts_.clear();
}

void NativeWindow::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    for (const Control& control : controls_) {
        if (control.handle == nullptr) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control.handle, GWL_STYLE));
        if ((style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0) {
            SetFocus(control.handle);
            return;
        }
    }
    SetFocus(window_);
}

const NativeWindow::Control* NativeWindow::find(HWND handle) const {
    for (const Control& control : controls_) {
        if (control.handle == handle && handle != nullptr) return &control;
    }
    return nullptr;
}

const NativeWindow::Control& NativeWindow::find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.layout->name == name) return control;
    }
    throw Failure("The window " + std::string(layout_.name) + " has no control " +
                  std::string(name));
}

HWND NativeWindow::control(std::string_view name) const {
    return find(name).handle;
}

EmbeddedBrowser& NativeWindow::browser(std::string_view name) const {
    const Control& control = find(name);
    if (!control.browser) throw Failure("The control " + std::string(name) + " is no browser");
    return *control.browser;
}

HWND NativeWindow::buttonWithRole(ButtonRole role) const {
    for (const Control& control : controls_) {
        if (control.layout->kind == ControlKind::CommandButton && control.layout->role == role)
            return control.handle;
    }
    return nullptr;
}

LRESULT CALLBACK NativeWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<NativeWindow*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT NativeWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const Control* control = find(reinterpret_cast<HWND>(lParam));
            if (control == nullptr) break;
            const WORD code = HIWORD(wParam);
            const ControlKind kind = control->layout->kind;
            const bool clicked = kind == ControlKind::ListBox ? code == LBN_SELCHANGE
                                                              : code == BN_CLICKED;  // STN_CLICKED
            if (clicked && kind != ControlKind::TextBox && kind != ControlKind::Frame) {
                events_.clicked(id_, control->layout->name);
            }
            return 0;
        }
        case WM_TIMER:
            for (const Control& control : controls_) {
                if (control.timer != 0 && control.timer == wParam) {
                    events_.ticked(id_, control.layout->name);
                    return 0;
                }
            }
            break;
        case WM_CTLCOLORSTATIC: {
            const Control* control = find(reinterpret_cast<HWND>(lParam));
            auto* dc = reinterpret_cast<HDC>(wParam);
            // A read-only text box keeps the look of one that can be written in.
            const int background =
                control != nullptr && control->layout->kind == ControlKind::TextBox ? COLOR_WINDOW
                                                                                    : COLOR_BTNFACE;
            const bool blue = control != nullptr && control->layout->colour == TextColour::Blue;
            SetTextColor(dc, blue ? kBlue : GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(background));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
        }
        case WM_SETCURSOR: {
            const Control* control = find(reinterpret_cast<HWND>(wParam));
            if (control != nullptr && control->layout->pointer == MousePointer::PointingHand &&
                LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            events_.closeRequested(id_);
            return 0;
        case WM_DPICHANGED: {
            dpi_ = LOWORD(wParam);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            placeControls();
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace quarvel::win32

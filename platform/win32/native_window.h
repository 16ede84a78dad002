#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/win32/embedded_browser.h"
#include "windows/layout.h"
#include "windows/toolkit.h"

namespace quarvel::win32 {

// One top-level window realised from its layout: a native window with a native control for each
// control of the layout, all placed at the window's DPI, and its timers running. It reports what
// the user does to the toolkit's events. An event may destroy the window, so nothing touches the
// object after reporting one.
class NativeWindow {
public:
    NativeWindow(WindowId id, const WindowLayout& layout, ToolkitEvents& events, HWND owner);
    ~NativeWindow();
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    WindowId id() const { return id_; }
    HWND handle() const { return window_; }
    const WindowLayout& layout() const { return layout_; }
    // Shows the window and gives the keyboard to its first control that takes it.
    void show();

    // The native control of a layout control; throws Failure for a name the layout lacks.
    HWND control(std::string_view name) const;
    EmbeddedBrowser& browser(std::string_view name) const;
    // The command buttons that Enter and Esc press, or null.
    HWND buttonWithRole(ButtonRole role) const;

private:
    struct Control {
        const ControlLayout* layout = nullptr;
        Bounds place;  // twips from the window's client area
        HWND handle = nullptr;
        std::unique_ptr<EmbeddedBrowser> browser;
        HBITMAP picture = nullptr;
        UINT_PTR timer = 0;
    };
    using FontKey = std::tuple<std::string_view, double, bool>;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void fitClientArea();
    void createControls();
    void stackControls();
    void placeControls();
    RECT pixels(const Bounds& twips) const;
    HFONT font(const Font& font);
    void release();
    void releaseFonts();
    const Control* find(HWND handle) const;
    const Control& find(std::string_view name) const;

    WindowId id_;
    const WindowLayout& layout_;
    ToolkitEvents& events_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::vector<Control> controls_;
    std::map<FontKey, HFONT> fonts_;
};

}  // namespace quarvel::win32

#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "platform/win32/native_window.h"
#include "windows/toolkit.h"

namespace quarvel::win32 {

// The window toolkit on Win32: native windows and controls, the message loop, message boxes, the
// clipboard and Internet Explorer for the chat page. Needs OLE initialised on this thread.
class Win32Toolkit final : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    void attach(ToolkitEvents& events) override;
    int run() override;
    void quit(int status) override;

    void createWindow(WindowId window, const WindowLayout& layout) override;
    void showWindow(WindowId window) override;
    void destroyWindow(WindowId window) override;

    void setCaption(WindowId window, std::string_view control, std::string_view text) override;
    std::string caption(WindowId window, std::string_view control) const override;
    void setText(WindowId window, std::string_view control, std::string_view text) override;
    void clearList(WindowId window, std::string_view control) override;
    void addListRow(WindowId window, std::string_view control, std::string_view row) override;
    int listIndex(WindowId window, std::string_view control) const override;
    void setListIndex(WindowId window, std::string_view control, int row) override;
    void navigate(WindowId window, std::string_view control, std::string_view address) override;

    void messageBox(std::string_view title, std::string_view text) override;
    void putClipboardText(std::string_view text) override;
    void startBrowser(std::string_view address) override;

private:
    // Passes events on to the program until it quits.
    class Delivery final : public ToolkitEvents {
    public:
        void clicked(WindowId window, std::string_view control) override;
        void ticked(WindowId window, std::string_view timer) override;
        void keyPressed(WindowId window, char32_t key) override;
        void closeRequested(WindowId window) override;

        ToolkitEvents* program = nullptr;
        bool quitting = false;
    };

    NativeWindow& window(WindowId id) const;
    NativeWindow* windowOf(HWND handle) const;
    bool handleKeyboard(const MSG& message);

    Delivery delivery_;
    // Owns the windows kept out of the task bar; never shown.
    HWND hiddenOwner_ = nullptr;
    std::map<WindowId, std::unique_ptr<NativeWindow>> windows_;
};

}  // namespace quarvel::win32

#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "windows/toolkit.h"

namespace quarvel::testing {

// A toolkit in memory: it realises the layouts as plain records, lets a test deliver the events a
// user or the system would cause, and records everything the program does. Windows and controls
// are addressed by their layout names.
class RecordingToolkit : public Toolkit {
public:
    struct MessageBox {
        std::string title;
        std::string text;
        bool operator==(const MessageBox&) const = default;
    };

    // What the program did, in order: "create Dialog", "show frmSplash", "destroy Dialog",
    // "caption Form1.Label21=Acme", "navigate Form1.WB=http://...".
    std::vector<std::string> log;
    std::vector<MessageBox> messageBoxes;
    std::vector<std::string> clipboardTexts;   // every text put on the clipboard
    std::vector<std::string> startedBrowsers;  // the address of every browser started
    int clipboardFailuresLeft = 0;             // the next puts that fail
    bool browserMissing = false;

    // Events, delivered as the toolkit's loop would (nothing once the program has ended).
    void click(std::string_view window, std::string_view control);
    void selectRow(std::string_view window, std::string_view list, int row);  // as the user does
    void tick(std::string_view window, std::string_view timer);
    void pressKey(std::string_view window, char32_t key);
    void closeBox(std::string_view window);

    bool loaded(std::string_view window) const;
    bool shown(std::string_view window) const;
    bool ended() const { return ended_; }
    int status() const { return status_; }
    std::string caption(std::string_view window, std::string_view control) const;
    std::string text(std::string_view window, std::string_view control) const;
    std::vector<std::string> rows(std::string_view window, std::string_view list) const;
    int listIndex(std::string_view window, std::string_view list) const;
    std::vector<std::string> navigations(std::string_view window, std::string_view browser) const;

    void attach(ToolkitEvents& events) override { events_ = &events; }
    int run() override { return status_; }
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
    struct Control {
        const ControlLayout* layout = nullptr;
        std::string caption;
        std::string text;
        std::vector<std::string> rows;
        int index = -1;
        std::vector<std::string> navigations;
    };
    struct Window {
        const WindowLayout* layout = nullptr;
        bool shown = false;
        std::map<std::string, Control, std::less<>> controls;
    };

    WindowId idOf(std::string_view window) const;
    const Window& window(std::string_view name) const;
    Window& window(WindowId id);
    const Window& window(WindowId id) const;
    Control& control(WindowId id, std::string_view name);
    const Control& control(WindowId id, std::string_view name) const;
    // A control's name as the layout holds it, which outlives the event.
    std::string_view layoutName(std::string_view window, std::string_view control) const;

    ToolkitEvents* events_ = nullptr;
    std::map<WindowId, Window> windows_;
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace quarvel::testing

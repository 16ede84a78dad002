#pragma once

#include <string>
#include <string_view>

#include "windows/layout.h"

namespace quarvel {

// A window the program has loaded, as numbered by the program.
using WindowId = int;

// What a toolkit reports to the program. Controls are named as in the window's layout. A toolkit
// delivers events only from its event loop, one at a time, and none after quit.
class ToolkitEvents {
public:
    // A command button, label or image was clicked, or the user selected a list box row (setting
    // the selected row from code reports nothing).
    virtual void clicked(WindowId window, std::string_view control) = 0;
    virtual void ticked(WindowId window, std::string_view timer) = 0;
    // A character key, reported before the window's controls see it (windows with keyPreview).
    virtual void keyPressed(WindowId window, char32_t key) = 0;
    // The user asked to close the window with its close box; the window stays until unloaded.
    virtual void closeRequested(WindowId window) = 0;

protected:
    ~ToolkitEvents() = default;
};

// The window toolkit the three windows stand on. Texts are UTF-8. Operations that can fail for
// reasons outside the program throw Failure naming what went wrong.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Where the toolkit reports events; set once, before the first window is created.
    virtual void attach(ToolkitEvents& events) = 0;
    // Runs the event loop until quit; returns the status given to quit.
    virtual int run() = 0;
    // Ends the event loop as soon as the running handler returns; nothing more is delivered.
    virtual void quit(int status) = 0;

    // Creates the window and its controls from the layout, hidden, and starts its timers.
    virtual void createWindow(WindowId window, const WindowLayout& layout) = 0;
    // Shows the window and returns at once.
    virtual void showWindow(WindowId window) = 0;
    // Closes the window, stops its timers and frees its controls.
    virtual void destroyWindow(WindowId window) = 0;

    // Label, command button or frame.
    virtual void setCaption(WindowId window, std::string_view control, std::string_view text) = 0;
    virtual std::string caption(WindowId window, std::string_view control) const = 0;
    // Text box.
    virtual void setText(WindowId window, std::string_view control, std::string_view text) = 0;
    // List box; rows are numbered from 0, and -1 means no row is selected.
    virtual void clearList(WindowId window, std::string_view control) = 0;
    virtual void addListRow(WindowId window, std::string_view control, std::string_view row) = 0;
    virtual int listIndex(WindowId window, std::string_view control) const = 0;
    // Selects and highlights the row.
    virtual void setListIndex(WindowId window, std::string_view control, int row) = 0;
    // Web browser: starts loading the address and returns at once.
    virtual void navigate(WindowId window, std::string_view control, std::string_view address) = 0;

    // A modal message with an OK button; returns when the user closes it.
    virtual void messageBox(std::string_view title, std::string_view text) = 0;
    // Empties the system clipboard and puts the text on it as plain text.
    virtual void putClipboardText(std::string_view text) = 0;
    // Opens the web address in the desktop's external browser, normal size and focused, without
    // waiting for it; throws Failure when the browser cannot be started.
    virtual void startBrowser(std::string_view address) = 0;
};

}  // namespace quarvel

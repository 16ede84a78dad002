#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "windows/toolkit.h"

namespace quarvel {

// The caption of the notice and main windows and the title of every message box.
inline constexpr std::string_view kApplicationTitle = "Quarvel - System Memory Information";

class Window;

// The running program: its loaded windows and the toolkit events they handle. The program ends
// when its last window is unloaded and no handler is running, or when a handler ends it. A failure
// that escapes a handler is the one place errors are reported: a message box naming it, then the
// end of the program.
class Program final : public ToolkitEvents {
public:
    explicit Program(Toolkit& toolkit);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs start as the program's first handler, then the toolkit's event loop until the program
    // ends; returns the exit status (1 after a reported failure).
    int run(const std::function<void()>& start);

    // Creates the window from its layout, hidden, and runs its load handler.
    Window& load(std::unique_ptr<Window> window);
    // Shows the window without waiting.
    void show(Window& window);
    // Closes the window and frees it once the running handler has returned.
    void unload(Window& window);
    // Ends the program at once: no further handler runs.
    void end();

    Toolkit& toolkit() { return toolkit_; }

    void clicked(WindowId window, std::string_view control) override;
    void ticked(WindowId window, std::string_view timer) override;
    void keyPressed(WindowId window, char32_t key) override;
    void closeRequested(WindowId window) override;

private:
    // Runs a handler of the window (if it is still loaded) and reports what escapes it.
    void dispatch(WindowId id, const std::function<void(Window&)>& handler);
    void handle(const std::function<void()>& handler);
    void report(std::string_view failure);

    Toolkit& toolkit_;
    std::map<WindowId, std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Window>> unloaded_;  // freed when no handler runs
    WindowId nextId_ = 1;
    int handlersRunning_ = 0;
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace quarvel

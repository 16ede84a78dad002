#pragma once

#include <string>
#include <string_view>

#include "windows/layout.h"
#include "windows/toolkit.h"

namespace quarvel {

class Program;

// One of the program's windows: its layout, its event handlers, and its controls reached by name.
class Window {
public:
    Window(Program& program, const WindowLayout& layout) : program_(program), layout_(layout) {}
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowLayout& layout() const { return layout_; }
    WindowId id() const { return id_; }

    // Handlers; each runs on the interface thread, one at a time.
    virtual void load() {}
    virtual void click(std::string_view /*control*/) {}
    virtual void tick(std::string_view /*timer*/) {}
    virtual void keyPress(char32_t /*key*/) {}

protected:
    Program& program() { return program_; }
    Toolkit& toolkit();

    void setCaption(std::string_view control, std::string_view text);
    std::string caption(std::string_view control) const;
    void setText(std::string_view control, std::string_view text);
    void clearList(std::string_view control);
    void addListRow(std::string_view control, std::string_view row);
    int listIndex(std::string_view control) const;
    void setListIndex(std::string_view control, int row);
    void navigate(std::string_view control, std::string_view address);

private:
    friend class Program;
    Program& program_;
    const WindowLayout& layout_;
    WindowId id_ = 0;
};

}  // namespace quarvel

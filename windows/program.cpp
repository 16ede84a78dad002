#include "windows/program.h"

#include <exception>
#include <string>

#include "windows/window.h"

namespace quarvel {

Program::Program(Toolkit& toolkit) : toolkit_(toolkit) {
    toolkit_.attach(*this);
}

Program::~Program() {
    for (const auto& [id, window] : windows_) toolkit_.destroyWindow(id);
}

int Program::run(const std::function<void()>& start) {
    handle(start);
    return ended_ ? status_ : toolkit_.run();
}

Window& Program::load(std::unique_ptr<Window> window) {
    Window& loaded = *window;
    loaded.id_ = nextId_++;
    toolkit_.createWindow(loaded.id_, loaded.layout());
    windows_.emplace(loaded.id_, std::move(window));
    loaded.load();
    return loaded;
}

void Program::show(Window& window) {
    toolkit_.showWindow(window.id());
}

void Program::unload(Window& window) {
    auto found = windows_.find(window.id());
    if (found == windows_.end()) return;
    toolkit_.destroyWindow(window.id());
    unloaded_.push_back(std::move(found->second));
    windows_.erase(found);
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    toolkit_.quit(status_);
}

void Program::clicked(WindowId window, std::string_view control) {
    dispatch(window, [control](Window& w) { w.click(control); });
}

void Program::ticked(WindowId window, std::string_view timer) {
    dispatch(window, [timer](Window& w) { w.tick(timer); });
}

void Program::keyPressed(WindowId window, char32_t key) {
    dispatch(window, [key](Window& w) { w.keyPress(key); });
}

void Program::closeRequested(WindowId window) {
    dispatch(window, [this](Window& w) { unload(w); });
}

void Program::dispatch(WindowId id, const std::function<void(Window&)>& handler) {
    handle([&] {
        auto found = windows_.find(id);
        if (found != windows_.end()) handler(*found->second);
    });
}

void Program::handle(const std::function<void()>& handler) {
    if (ended_) return;
    ++handlersRunning_;
    try {
        handler();
    } catch (const std::exception& failure) {
        report(failure.what());
    }
    --handlersRunning_;
    if (handlersRunning_ > 0) return;
    unloaded_.clear();
    if (windows_.empty()) end();
}

void Program::report(std::string_view failure) {
    if (ended_) return;
    ended_ = true;  // no handler runs while the message is up
    status_ = 1;
    toolkit_.messageBox(kApplicationTitle, failure);
    toolkit_.quit(status_);
}

}  // namespace quarvel

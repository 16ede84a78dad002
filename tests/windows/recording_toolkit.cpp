#include "tests/windows/recording_toolkit.h"

#include <stdexcept>

#include "inventory/failure.h"

namespace quarvel::testing {

void RecordingToolkit::click(std::string_view window, std::string_view control) {
    if (!ended_) events_->clicked(idOf(window), layoutName(window, control));
}

void RecordingToolkit::selectRow(std::string_view window, std::string_view list, int row) {
    if (ended_) return;
    Control& c = control(idOf(window), list);
    if (row < 0 || row >= static_cast<int>(c.rows.size())) throw std::out_of_range("no such row");
    c.index = row;
    events_->clicked(idOf(window), layoutName(window, list));
}

void RecordingToolkit::tick(std::string_view window, std::string_view timer) {
    if (!ended_) events_->ticked(idOf(window), layoutName(window, timer));
}

void RecordingToolkit::pressKey(std::string_view window, char32_t key) {
    if (ended_) return;
    if (!this->window(window).layout->keyPreview) throw std::logic_error("no key preview");
    events_->keyPressed(idOf(window), key);
}

void RecordingToolkit::closeBox(std::string_view window) {
    if (!ended_) events_->closeRequested(idOf(window));
}

bool RecordingToolkit::loaded(std::string_view window) const {
    for (const auto& [id, w] : windows_) {
        if (w.layout->name == window) return true;
    }
    return false;
}

bool RecordingToolkit::shown(std::string_view window) const {
    return loaded(window) && this->window(window).shown;
}

std::string RecordingToolkit::caption(std::string_view window, std::string_view control) const {
    return caption(idOf(window), control);
}

std::string RecordingToolkit::text(std::string_view window, std::string_view control) const {
    return this->control(idOf(window), control).text;
}

std::vector<std::string> RecordingToolkit::rows(std::string_view window,
                                                std::string_view list) const {
    return control(idOf(window), list).rows;
}

int RecordingToolkit::listIndex(std::string_view window, std::string_view list) const {
    return listIndex(idOf(window), list);
}

std::vector<std::string> RecordingToolkit::navigations(std::string_view window,
                                                       std::string_view browser) const {
    return control(idOf(window), browser).navigations;
}

void RecordingToolkit::quit(int status) {
    ended_ = true;
    status_ = status;
    log.push_back("quit " + std::to_string(status));
}

void RecordingToolkit::createWindow(WindowId id, const WindowLayout& layout) {
    Window w;
    w.layout = &layout;
    for (const ControlLayout& c : layout.controls) {
        if (!c.container.empty() && !w.controls.contains(c.container)) {
            throw std::logic_error("container declared after its control");
        }
        Control control;
        control.layout = &c;
        control.caption = c.caption;
        if (!w.controls.emplace(std::string(c.name), std::move(control)).second) {
            throw std::logic_error("control named twice");
        }
    }
    windows_[id] = std::move(w);
    log.push_back("create " + std::string(layout.name));
}

void RecordingToolkit::showWindow(WindowId id) {
    window(id).shown = true;
    log.push_back("show " + std::string(window(id).layout->name));
}

void RecordingToolkit::destroyWindow(WindowId id) {
    log.push_back("destroy " + std::string(window(id).layout->name));
    windows_.erase(id);
}

void RecordingToolkit::setCaption(WindowId id, std::string_view control, std::string_view text) {
    this->control(id, control).caption = text;
    log.push_back("caption " + std::string(window(id).layout->name) + "." + std::string(control) +
                  "=" + std::string(text));
}

std::string RecordingToolkit::caption(WindowId id, std::string_view control) const {
    return this->control(id, control).caption;
}

void RecordingToolkit::setText(WindowId id, std::string_view control, std::string_view text) {
    this->control(id, control).text = text;
}

void RecordingToolkit::clearList(WindowId id, std::string_view control) {
    Control& list = this->control(id, control);
    list.rows.clear();
    list.index = -1;
}

void RecordingToolkit::addListRow(WindowId id, std::string_view control, std::string_view row) {
    this->control(id, control).rows.emplace_back(row);
}

int RecordingToolkit::listIndex(WindowId id, std::string_view control) const {
    return this->control(id, control).index;
}

void RecordingToolkit::setListIndex(WindowId id, std::string_view control, int row) {
    Control& list = this->control(id, control);
    if (row < -1 || row >= static_cast<int>(list.rows.size())) throw std::out_of_range("no row");
    list.index = row;
}

void RecordingToolkit::navigate(WindowId id, std::string_view control, std::string_view address) {
    this->control(id, control).navigations.emplace_back(address);
    log.push_back("navigate " + std::string(window(id).layout->name) + "." + std::string(control) +
                  "=" + std::string(address));
}

void RecordingToolkit::messageBox(std::string_view title, std::string_view text) {
    messageBoxes.push_back({std::string(title), std::string(text)});
}

void RecordingToolkit::putClipboardText(std::string_view text) {
    if (clipboardFailuresLeft > 0) {
        --clipboardFailuresLeft;
        throw Failure("the clipboard is held by another program");
    }
    clipboardTexts.emplace_back(text);
}

void RecordingToolkit::startBrowser(std::string_view address) {
    if (browserMissing) throw Failure("no browser to start");
    startedBrowsers.emplace_back(address);
}

WindowId RecordingToolkit::idOf(std::string_view window) const {
    for (const auto& [id, w] : windows_) {
        if (w.layout->name == window) return id;
    }
    throw std::out_of_range("window not loaded: " + std::string(window));
}

const RecordingToolkit::Window& RecordingToolkit::window(std::string_view name) const {
    return window(idOf(name));
}

RecordingToolkit::Window& RecordingToolkit::window(WindowId id) {
    return windows_.at(id);
}

const RecordingToolkit::Window& RecordingToolkit::window(WindowId id) const {
    return windows_.at(id);
}

RecordingToolkit::Control& RecordingToolkit::control(WindowId id, std::string_view name) {
    auto found = window(id).controls.find(name);
    if (found == window(id).controls.end()) {
        throw std::out_of_range("no control " + std::string(name));
    }
    return found->second;
}

const RecordingToolkit::Control& RecordingToolkit::control(WindowId id,
                                                           std::string_view name) const {
    auto found = window(id).controls.find(name);
    if (found == window(id).controls.end()) {
        throw std::out_of_range("no control " + std::string(name));
    }
    return found->second;
}

std::string_view RecordingToolkit::layoutName(std::string_view window,
                                              std::string_view control) const {
    return this->control(idOf(window), control).layout->name;
}

}  // namespace quarvel::testing

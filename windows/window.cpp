#include "windows/window.h"

#include "windows/program.h"

namespace quarvel {

Toolkit& Window::toolkit() {
    return program_.toolkit();
}

void Window::setCaption(std::string_view control, std::string_view text) {
    toolkit().setCaption(id_, control, text);
}

std::string Window::caption(std::string_view control) const {
    return program_.toolkit().caption(id_, control);
}

void Window::setText(std::string_view control, std::string_view text) {
    toolkit().setText(id_, control, text);
}

void Window::clearList(std::string_view control) {
    toolkit().clearList(id_, control);
}

void Window::addListRow(std::string_view control, std::string_view row) {
    toolkit().addListRow(id_, control, row);
}

int Window::listIndex(std::string_view control) const {
    return program_.toolkit().listIndex(id_, control);
}

void Window::setListIndex(std::string_view control, int row) {
    toolkit().setListIndex(id_, control, row);
}

void Window::navigate(std::string_view control, std::string_view address) {
    toolkit().navigate(id_, control, address);
}

}  // namespace quarvel

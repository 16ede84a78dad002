#pragma once

#include <QApplication>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>

#include "platform/qt/qt_window.h"
#include "platform/qt/twips.h"
#include "windows/toolkit.h"

namespace quarvel::qt {

// The window toolkit on Qt 6 Widgets, with Qt WebEngine as the web browser control and the
// desktop's URL opener (xdg-open) as the external browser.
class QtToolkit final : public Toolkit {
public:
    // Starts the Qt application for this process; programName is argv[0].
    explicit QtToolkit(char* programName);
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    void attach(ToolkitEvents& events) override { events_ = &events; }
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
    QtWindow& window(WindowId id) const;
    template <class Widget>
    Widget& control(WindowId id, std::string_view name) const;

    int argc_ = 1;
    char* argv_[2];
    std::unique_ptr<QApplication> application_;
    std::optional<TwipScale> scale_;
    ToolkitEvents* events_ = nullptr;
    bool quitting_ = false;
    std::map<WindowId, QPointer<QtWindow>> windows_;
};

}  // namespace quarvel::qt

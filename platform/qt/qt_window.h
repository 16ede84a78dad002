#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/qt/twips.h"
#include "windows/layout.h"
#include "windows/toolkit.h"

class QPushButton;

namespace quarvel::qt {

// Hands an event to the program unless the program has ended.
using Deliver = std::function<void(const std::function<void(ToolkitEvents&)>&)>;

// A top-level window realised from its layout with Qt widgets.
class QtWindow final : public QDialog {
public:
    QtWindow(WindowId id, const WindowLayout& layout, const TwipScale& scale, Deliver deliver);

    // The control of that name; a name the layout does not hold is a Failure.
    QWidget& control(std::string_view name) const;
    // Shows the window where its layout places it.
    void present();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build(const ControlLayout& control, QWidget* holder);
    void clicked(std::string_view control);

    WindowId id_;
    const WindowLayout& layout_;
    const TwipScale& scale_;
    Deliver deliver_;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::map<const QObject*, std::string_view> clickable_;  // labels and images
    QPushButton* cancelButton_ = nullptr;
    bool painted_ = false;
};

}  // namespace quarvel::qt

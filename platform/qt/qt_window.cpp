#include "platform/qt/qt_window.h"

#include <qdrawutil.h>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>

#include <array>

#include "inventory/failure.h"
#include "platform/qt/artwork.h"

namespace quarvel::qt {
namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Faces the layouts name that a Linux desktop rarely has, the nearest faces it usually has, and
// how much to scale them so that texts sized for the original still fit their controls.
struct FaceSubstitute {
    std::string_view face;
    const char* substitutes;
    double scale;
};

constexpr std::array<FaceSubstitute, 2> kFaceSubstitutes{{
    {"MS Sans Serif", "Microsoft Sans Serif,Liberation Sans,Arial,DejaVu Sans", 0.95},
    {"Times New Roman", "Liberation Serif,DejaVu Serif", 1.0},
}};

QFont qtFont(const Font& font) {
    QStringList families{qtText(font.face)};
    double points = font.points;
    for (const FaceSubstitute& substitute : kFaceSubstitutes) {
        if (substitute.face != font.face || QFontDatabase::hasFamily(families.front())) continue;
        families = QString::fromLatin1(substitute.substitutes).split(u',');
        points *= substitute.scale;
    }
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(font.bold);
    return f;
}

// Frames as etched group boxes whose caption sits on the top line.
constexpr char kFrameStyle[] =
    "QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
    " padding: 0 2px; }";

Qt::WindowFlags flagsFor(const WindowLayout& layout) {
    if (!layout.titleBar) {
        return (layout.inTaskBar ? Qt::Window : Qt::SplashScreen) | Qt::FramelessWindowHint;
    }
    Qt::WindowFlags flags = layout.inTaskBar ? Qt::Window : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (layout.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (layout.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

QtWindow::QtWindow(WindowId id, const WindowLayout& layout, const TwipScale& scale, Deliver deliver)
    : QDialog(nullptr, flagsFor(layout)),
      id_(id),
      layout_(layout),
      scale_(scale),
      deliver_(std::move(deliver)) {
    setWindowTitle(qtText(layout.caption));
    setFixedSize(scale.pixels(layout.clientWidth), scale.pixels(layout.clientHeight));
    setFont(qtFont(Font{}));
    if (layout.keyPreview) {
        setFocusPolicy(Qt::StrongFocus);
        installEventFilter(this);
    }
    for (const ControlLayout& control : layout.controls) {
        QWidget* holder = control.container.empty() ? this : &this->control(control.container);
        QWidget* widget = build(control, holder);
        if (!widget) continue;
        widget->setObjectName(qtText(control.name));
        Bounds px = scale.pixels(control.bounds);
        widget->setGeometry(px.left, px.top, px.width, px.height);
        widget->setFont(qtFont(control.font));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // Captions wrap where the label has room for a second line; otherwise they run to
            // the label's edge.
            label->setWordWrap(px.height >= 2 * label->fontMetrics().lineSpacing());
        }
        if (control.colour == TextColour::Blue) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
            widget->setPalette(palette);
        }
        if (control.pointer == MousePointer::PointingHand)
            widget->setCursor(Qt::PointingHandCursor);
        if (!control.visible) widget->hide();
        if (layout.keyPreview) widget->installEventFilter(this);
        controls_.emplace(control.name, widget);
    }
}

QWidget* QtWindow::build(const ControlLayout& control, QWidget* holder) {
    switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(qtText(control.caption), holder);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->installEventFilter(this);
            clickable_.emplace(label, control.name);
            return label;
        }
        case ControlKind::Image: {
            auto* image = new QLabel(holder);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            image->setPixmap(renderArtwork(
                control.picture,
                QSize(scale_.pixels(control.bounds.width), scale_.pixels(control.bounds.height)),
                devicePixelRatioF()));
            image->installEventFilter(this);
            clickable_.emplace(image, control.name);
            return image;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(qtText(control.caption), holder);
            button->setDefault(control.role == ButtonRole::Default);
            if (control.role == ButtonRole::Cancel) cancelButton_ = button;
            connect(button, &QPushButton::clicked, this,
                    [this, name = control.name] { clicked(name); });
            return button;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(holder);
            connect(list, &QListWidget::currentRowChanged, this,
                    [this, name = control.name] { clicked(name); });
            return list;
        }
        case ControlKind::TextBox: {
            auto* text = new QPlainTextEdit(holder);
            text->setReadOnly(true);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            return text;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(qtText(control.caption), holder);
            frame->setStyleSheet(QString::fromLatin1(kFrameStyle));
            return frame;
        }
        case ControlKind::WebBrowser:
            return new QWebEngineView(holder);
        case ControlKind::Timer: {
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this, [this, name = control.name] {
                // As on Windows, a window being shown paints before its timers tick: the splash
                // is on screen while its first tick scans.
                if (isVisible() && !painted_) return;
                deliver_([&](ToolkitEvents& events) { events.ticked(id_, name); });
            });
            timer->start(control.intervalMs);
            return nullptr;
        }
    }
    return nullptr;
}

QWidget& QtWindow::control(std::string_view name) const {
    auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw Failure("The window " + std::string(layout_.name) + " has no control " +
                      std::string(name));
    }
    return *found->second;
}

void QtWindow::present() {
    if (layout_.centred) {
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - rect().center());
    } else {
        move(scale_.pixels(layout_.left), scale_.pixels(layout_.top));
    }
    show();
    raise();
    activateWindow();
}

void QtWindow::clicked(std::string_view control) {
    deliver_([&](ToolkitEvents& events) { events.clicked(id_, control); });
}

void QtWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // the program decides, by unloading the window
    deliver_([&](ToolkitEvents& events) { events.closeRequested(id_); });
}

void QtWindow::reject() {
    if (cancelButton_) cancelButton_->click();
}

void QtWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    painted_ = true;
    if (layout_.titleBar) return;  // the window manager draws the border
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
}

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && layout_.keyPreview) {
        QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty()) {
            deliver_([&](ToolkitEvents& events) {
                events.keyPressed(id_, static_cast<char32_t>(text.toUcs4().value(0)));
            });
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto found = clickable_.find(watched);
        if (found != clickable_.end() && mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            clicked(found->second);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quarvel::qt

#include "platform/qt/qt_toolkit.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>
#include <string>

#include "inventory/failure.h"
#include "platform/qt/artwork.h"

namespace quarvel::qt {
namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The desktop's URL opener: it hands the address to the user's preferred browser.
constexpr char kUrlOpener[] = "xdg-open";

}  // namespace

QtToolkit::QtToolkit(char* programName) : argv_{programName, nullptr} {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);  // the program stores nothing
    application_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setWindowIcon(QIcon(renderArtwork("icon", QSize(64, 64), 1)));
    scale_.emplace(QGuiApplication::primaryScreen()->logicalDotsPerInch());
}

QtToolkit::~QtToolkit() {
    for (auto& [id, window] : windows_) delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int QtToolkit::run() {
    return QApplication::exec();
}

void QtToolkit::quit(int status) {
    quitting_ = true;
    QApplication::exit(status);
}

void QtToolkit::createWindow(WindowId id, const WindowLayout& layout) {
    auto deliver = [this](const std::function<void(ToolkitEvents&)>& event) {
        if (!quitting_ && events_) event(*events_);
    };
    windows_[id] = new QtWindow(id, layout, *scale_, deliver);
}

void QtToolkit::showWindow(WindowId id) {
    window(id).present();
}

void QtToolkit::destroyWindow(WindowId id) {
    QtWindow& w = window(id);
    windows_.erase(id);
    w.hide();
    w.deleteLater();  // its own handler may still be on the stack
}

void QtToolkit::setCaption(WindowId id, std::string_view control, std::string_view text) {
    QWidget& widget = window(id).control(control);
    if (auto* label = qobject_cast<QLabel*>(&widget)) return label->setText(qtText(text));
    if (auto* button = qobject_cast<QPushButton*>(&widget)) return button->setText(qtText(text));
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) return frame->setTitle(qtText(text));
    throw Failure("The control " + std::string(control) + " has no caption");
}

std::string QtToolkit::caption(WindowId id, std::string_view control) const {
    QWidget& widget = window(id).control(control);
    if (auto* label = qobject_cast<QLabel*>(&widget)) return utf8(label->text());
    if (auto* button = qobject_cast<QPushButton*>(&widget)) return utf8(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(&widget)) return utf8(frame->title());
    throw Failure("The control " + std::string(control) + " has no caption");
}

void QtToolkit::setText(WindowId id, std::string_view control, std::string_view text) {
    QString lines = qtText(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    this->control<QPlainTextEdit>(id, control).setPlainText(lines);
}

void QtToolkit::clearList(WindowId id, std::string_view control) {
    auto& list = this->control<QListWidget>(id, control);
    QSignalBlocker fromCode(list);
    list.clear();
}

void QtToolkit::addListRow(WindowId id, std::string_view control, std::string_view row) {
    auto& list = this->control<QListWidget>(id, control);
    QSignalBlocker fromCode(list);
    list.addItem(qtText(row));
}

int QtToolkit::listIndex(WindowId id, std::string_view control) const {
    return this->control<QListWidget>(id, control).currentRow();
}

void QtToolkit::setListIndex(WindowId id, std::string_view control, int row) {
    auto& list = this->control<QListWidget>(id, control);
    QSignalBlocker fromCode(list);
    list.setCurrentRow(row);
}

void QtToolkit::navigate(WindowId id, std::string_view control, std::string_view address) {
    this->control<QWebEngineView>(id, control).load(QUrl(qtText(address), QUrl::TolerantMode));
}

void QtToolkit::messageBox(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, qtText(title), qtText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // As on Windows, the user can copy the message, to quote it when asking for help.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void QtToolkit::putClipboardText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw Failure("There is no clipboard on this desktop");
    clipboard->clear();
    clipboard->setText(qtText(text));
}

void QtToolkit::startBrowser(std::string_view address) {
    if (!QProcess::startDetached(QString::fromLatin1(kUrlOpener), {qtText(address)})) {
        throw Failure(std::string("Could not start ") + kUrlOpener);
    }
}

QtWindow& QtToolkit::window(WindowId id) const {
    auto found = windows_.find(id);
    if (found == windows_.end() || !found->second) {
        throw Failure("No window numbered " + std::to_string(id));
    }
    return *found->second;
}

template <class Widget>
Widget& QtToolkit::control(WindowId id, std::string_view name) const {
    auto* widget = qobject_cast<Widget*>(&window(id).control(name));
    if (!widget) throw Failure("The control " + std::string(name) + " is of another kind");
    return *widget;
}

}  // namespace quarvel::qt

// The least a Qt WebEngine program does to show a page in a window: the floor that quarvel's
// start-up is measured against. Usage: start_up_floor ADDRESS
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QWebEngineView view;
    view.resize(785, 706);
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return QApplication::exec();
}

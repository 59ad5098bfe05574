// Program entry; the application shell replaces this placeholder window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Kundeninformationssystem"));
    w.resize(680, 503);
    w.show();
    return app.exec();
}

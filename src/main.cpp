#include <QApplication>

#include "mainwindow.h"

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName("org.kurvan.Kurvan");
    MainWindow window;
    window.setGeometry(50, 50, 600, 400);
    window.show();
    return app.exec();
}

// The yardstick for kurvan's start-up: an empty main window of the same
// geometry, shown the same way.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setGeometry(50, 50, 600, 400);
    window.show();
    return app.exec();
}

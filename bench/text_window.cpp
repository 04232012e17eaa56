// A second yardstick for kurvan's start-up: the bare main window with one line
// of text, so the font set-up every window with text pays shows on its own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Kanäle")));
    window.setGeometry(50, 50, 600, 400);
    window.show();
    return app.exec();
}

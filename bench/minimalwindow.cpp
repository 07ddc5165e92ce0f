// The smallest Qt Widgets program: one empty window. Start-up time and memory
// of the game are compared against it.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

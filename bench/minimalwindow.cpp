// The smallest Qt Widgets programs that start-up time and memory of the game
// are compared against: one empty window, or with --text one window showing
// a single word-wrapped paragraph, which is what any window of text pays
// beyond an empty one (the fonts listed, one loaded, the text shaped and
// measured for the layout, then painted).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto *label = new QLabel(QStringLiteral(
            "A window of text: this paragraph is as long as a note on a screen, and it wraps "
            "onto several lines, so the layout measures it at the widths it tries before the "
            "window takes its size and is painted for the first time."));
        label->setWordWrap(true);
        (new QVBoxLayout(&window))->addWidget(label);
    }
    window.show();
    // For measuring: say so once the window is up, and leave.
    if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &app, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    return app.exec();
}

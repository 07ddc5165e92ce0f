#include "app/navigator.h"
#include "ui/services.h"
#include "game/qtprintservice.h"
#include "game/qtsoundservice.h"
#include "game/systemrandomsource.h"
#include "storage/appstate.h"
#include "storage/installlayout.h"
#include "storage/settings.h"
#include "ui/qtdialogservice.h"
#include "ui/windowicon.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setWindowIcon(WindowIcon::icon());

    AppState state;
    // Installed from the package, the data lies apart from the program.
    state.folders.programDir = InstallLayout::dataDir(QApplication::applicationDirPath());

    QtDialogService dialogs;
    QtSoundService sound;
    QtPrintService printer;
    // One generator for the whole run, seeded from the clock and the system's
    // entropy: the draws of every game stay independent of each other.
    SystemRandomSource random;
    Services services;
    services.dialogs = &dialogs;
    services.random = &random;
    services.sound = &sound;
    services.printer = &printer;
    // The user's own settings file, where the desktop keeps programs' settings.
    Settings settings(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                      + QStringLiteral("/quorvane.conf"));
    services.settings = &settings;

    Navigator::openStartScreen(state, services);
    // For measuring start-up: leave as soon as the start screen is up.
    if (qEnvironmentVariableIntValue("QUORVANE_EXIT_AFTER_SHOW") == 1)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

#include "app/navigator.h"
#include "ui/services.h"
#include "game/qtprintservice.h"
#include "game/qtsoundservice.h"
#include "game/systemrandomsource.h"
#include "storage/appstate.h"
#include "storage/settings.h"
#include "ui/language.h"
#include "ui/qtdialogservice.h"
#include "ui/windowicon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
    QApplication::setWindowIcon(WindowIcon::icon());

    // The desktop's language, unless --language names another ("en" for the
    // English the program is written in).
    QCommandLineParser options;
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Show the program in this language: en, ")
                                          + Language::available().join(QStringLiteral(", ")) + u'.',
                                      QStringLiteral("code"));
    options.addOption(language);
    options.addHelpOption();
    options.process(app);
    const QString chosen = Language::pick(options.value(language), QLocale::system().uiLanguages());
    if (!chosen.isEmpty())
        Language::install(app, chosen);

    AppState state;
    // Installed from the package, the data lies apart from the program and
    // the user's sets go where the desktop keeps a user's data.
    state.folders = ProgramFolders::forProgram(
        QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/quorvane"));

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
        QTimer::singleShot(0, &app, [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    return app.exec();
}

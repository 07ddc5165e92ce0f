#include "app/form4.h"
#include "app/services.h"
#include "storage/appstate.h"
#include "ui/qtdialogservice.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));

    AppState state;
    state.program_dir = QApplication::applicationDirPath();

    QtDialogService dialogs;
    Services services;
    services.dialogs = &dialogs;

    Form4::showNew(state, services);
    return app.exec();
}

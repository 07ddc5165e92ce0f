#include "modal.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace Modal {

void showUntilClosed(QWidget *screen)
{
    QPointer<QWidget> guard(screen);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(screen, &QObject::destroyed, &loop, &QEventLoop::quit);
    screen->show();
    // A screen may close itself while it is being shown.
    if (guard && guard->isVisible())
        loop.exec();
    delete guard.data();
}

} // namespace Modal

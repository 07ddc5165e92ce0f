#include "modalwatch.h"

#include <QApplication>
#include <QWidget>

ModalWatch::ModalWatch(std::function<void(QWidget *modal)> action, const char *name)
    : m_action(std::move(action))
{
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this, name] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()
            || (name && modal->objectName() != QLatin1String(name) && !modal->inherits(name)))
            return;
        m_timer.stop();
        m_ran = true;
        m_action(modal);
    });
    m_timer.start();
}

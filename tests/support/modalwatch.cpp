#include "modalwatch.h"

#include <QApplication>
#include <QWidget>

ModalWatch::ModalWatch(std::function<void(QWidget *modal)> action)
    : m_action(std::move(action))
{
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        m_timer.stop();
        m_ran = true;
        m_action(modal);
    });
    m_timer.start();
}

ModalWatch::~ModalWatch()
{
    m_timer.stop();
}

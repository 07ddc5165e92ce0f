#pragma once

#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// While alive, runs action once on the next modal window as soon as it is
// up, from inside that window's event loop; action must close it. Given a
// name, only a window of that object name or class counts.
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(QWidget *modal)> action, const char *name = nullptr);
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    bool ran() const { return m_ran; }

private:
    QTimer m_timer;
    std::function<void(QWidget *)> m_action;
    bool m_ran = false;
};

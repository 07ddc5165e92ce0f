#include "modalscreen.h"

#include <QApplication>
#include <QTimer>

namespace Modal {

bool blocks(const QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

Return::Return(const QWidget *screen)
    : m_window(screen->parentWidget() ? screen->parentWidget()->window()
                                      : QApplication::activeWindow())
{
    if (m_window)
        m_focus = m_window->focusWidget();
}

void Return::restore() const
{
    if (!m_window)
        return;
    // Given back from the event loop, not at once: a caller often opens the
    // next box as this one closes, and activating the window below in
    // between makes the window system and a screen reader see the new box's
    // button focused without the box itself being announced. The focus is
    // left to the caller when it moved it meanwhile.
    QTimer::singleShot(0, m_window.data(),
                       [window = m_window, focus = m_focus, before = m_window->focusWidget()] {
                           // A window closing meanwhile, or under another
                           // modal screen, is left be.
                           if (!window->isVisible() || blocks(window))
                               return;
                           window->raise();
                           window->activateWindow();
                           if (focus && window->focusWidget() == before && focus->window() == window
                               && focus->isEnabled() && focus->isVisible())
                               focus->setFocus(Qt::OtherFocusReason);
                       });
}

} // namespace Modal

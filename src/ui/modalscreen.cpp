#include "modalscreen.h"

#include <QApplication>

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
    // A window closing meanwhile, or under another modal screen, is left be.
    if (!m_window || !m_window->isVisible() || blocks(m_window))
        return;
    m_window->raise();
    m_window->activateWindow();
    if (m_focus && m_focus->window() == m_window && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus(Qt::OtherFocusReason);
}

} // namespace Modal

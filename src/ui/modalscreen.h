#pragma once

#include <QPointer>

class QWidget;

// A modal screen runs over windows that may go while its loop runs: a screen
// reader presses buttons through the accessibility bus, which modality does
// not hold back. So a window under a modal screen does nothing, and a modal
// screen is made with new and held here, never kept on the stack where its
// owner's deletion would free it a second time.
template <typename Screen>
class ModalScreen
{
public:
    explicit ModalScreen(Screen *screen)
        : m_screen(screen)
    {
    }
    ~ModalScreen() { delete m_screen.data(); }
    ModalScreen(const ModalScreen &) = delete;
    ModalScreen &operator=(const ModalScreen &) = delete;

    Screen *get() const { return m_screen.data(); }
    Screen *operator->() const { return m_screen.data(); }

    // Runs the screen modally. False when it was deleted while it ran, which
    // happens with its owner: the caller, which may be gone too, must return
    // at once.
    bool run()
    {
        m_result = m_screen->exec();
        return !m_screen.isNull();
    }
    // What exec() answered.
    int result() const { return m_result; }

private:
    QPointer<Screen> m_screen;
    int m_result = 0;
};

namespace Modal {

// True while a modal screen other than window runs: then window's actions,
// however they are started, do nothing.
bool blocks(const QWidget *window);

} // namespace Modal

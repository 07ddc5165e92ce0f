#pragma once

#include <QPointer>
#include <QWidget>

namespace Modal {

// True while a modal screen other than window runs: then window's actions,
// however they are started, do nothing.
bool blocks(const QWidget *window);

// The window a modal screen opens over and the control that had its focus,
// given back when the screen closes. Left to itself the window system may
// activate nothing at all as a modal window goes, and a screen reader's user
// is then stranded; so the window is activated and the control focused here.
class Return
{
public:
    explicit Return(const QWidget *screen);
    void restore() const;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace Modal

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

    // Runs the screen modally, then gives the window below it the activation
    // and its focus back. False when the screen was deleted while it ran,
    // which happens with its owner: the caller, which may be gone too, must
    // return at once.
    bool run()
    {
        const Modal::Return back(m_screen.data());
        m_result = m_screen->exec();
        if (m_screen.isNull())
            return false;
        back.restore();
        return true;
    }
    // What exec() answered.
    int result() const { return m_result; }

private:
    QPointer<Screen> m_screen;
    int m_result = 0;
};

#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>

class QMenuBar;
class QWidget;

// Lets a window laid out at fixed positions grow and shrink. Every child keeps
// its place and proportions, scaled by one factor (the smaller of the width and
// height ratios) and centred, with the rest of the window in its background
// colour; fonts scale alike, and children that paint themselves draw at their
// new size. A menu bar stays at the top at its own size and the area below it
// zooms. A window with a layout lets the layout place its children and
// scales only the fonts. Ctrl++ and Ctrl+- zoom in steps of 25% and the window
// follows; Ctrl+0 returns to the window's own size.
class Zoom : public QObject
{
    Q_OBJECT
public:
    static constexpr qreal STEP = 0.25;

    // Call once the window's children stand at their unzoomed places. The
    // window opens at the size it has now.
    static Zoom *attach(QWidget *window);
    // The zoom of the given window, if it has one.
    static Zoom *of(const QWidget *window);
    // The factor the window holding widget is zoomed by; 1 without a zoom.
    static qreal factorOf(const QWidget *widget);
    // Runs action with the window laid out at its own size, without resizing
    // it, so that a picture taken meanwhile is the same at any zoom.
    static void unzoomed(QWidget *window, const std::function<void()> &action);

    qreal factor() const { return m_factor; }
    // The unzoomed size of the area that zooms (below any menu bar).
    QSize baseSize() const { return m_base; }
    // Resizes the window to factor times its own size.
    void zoomTo(qreal factor);

signals:
    // After every change of the factor and layout.
    void zoomed(qreal factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Zoom(QWidget *window);
    void recordTree(QWidget *parent, bool laidOut);
    void apply();
    void layOut(qreal factor, QPoint offset);

    struct Item
    {
        QPointer<QWidget> widget;
        QRect rect;  // unzoomed, in its parent (below the menu bar for the window's own)
        bool placed; // positioned by hand, not by a layout
        QFont font;
        QPoint labelSpacing; // a label's indent and margin, where it has them
    };
    QWidget *m_window;
    QPointer<QMenuBar> m_menuBar;
    int m_menuHeight = 0;
    QList<Item> m_items;
    QSize m_base;
    qreal m_factor = 1.0;
    bool m_applying = false;
};

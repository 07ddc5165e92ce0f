#pragma once

#include <QFont>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>

class QMenuBar;
class QScreen;
class QWidget;
class Settings;

// Lets a window laid out at fixed positions grow and shrink. Every child keeps
// its place and proportions, scaled by one factor (the smaller of the width and
// height ratios) and centred, with the rest of the window in its background
// colour; fonts scale alike, and children that paint themselves draw at their
// new size. A menu bar stays at the top at its own size and the area below it
// zooms. A window with a layout lets the layout place its children and
// scales only the fonts. Ctrl++ and Ctrl+- zoom in steps of 25% and the window
// follows; Ctrl+0 returns to the window's own size.
// A window never grows larger than the room its screen has: it opens centred
// there, zoomed no larger than fits, and zooming in stops at the largest step
// that fits. A window given settings opens where it was last closed, when
// that is still on a screen, and remembers its zoom and place as it closes.
class Zoom : public QObject
{
    Q_OBJECT
public:
    static constexpr qreal STEP = 0.25;

    // Call once the window's children stand at their unzoomed places. The
    // window opens at the size it has now, or as much of it as fits. Without
    // settings, a window opened over another remembers in that one's.
    static Zoom *attach(QWidget *window, Settings *settings = nullptr);
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
    // Resizes the window to factor times its own size, or to the largest
    // step below that fits its screen.
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
    // The factor at which the zooming area fills a window of that size.
    qreal factorFor(QSize windowSize) const;
    // The window's size at a factor; a layout may need more than the picture.
    QSize sizeAt(qreal factor);
    QScreen *screen() const;
    QMargins frame() const;
    // On first showing: where it was last, or centred at a zoom that fits.
    void place();
    void remember();

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
    Settings *m_settings = nullptr;
    bool m_placed = false;
};

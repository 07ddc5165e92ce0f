#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Lets a window laid out at fixed positions grow and shrink. Every child keeps
// its place and proportions, scaled by one factor (the smaller of the width and
// height ratios) and centred, with the rest of the window in its background
// colour; fonts scale alike, and children that paint themselves draw at their
// new size. A window with a layout lets the layout place its children and
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

    qreal factor() const { return m_factor; }
    QSize baseSize() const { return m_base; }
    // Resizes the window to factor times its own size.
    void zoomTo(qreal factor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Zoom(QWidget *window);
    void record(QWidget *widget, bool placed);
    void apply();

    struct Item
    {
        QPointer<QWidget> widget;
        QRect rect;  // unzoomed, in its parent
        bool placed; // positioned by hand, not by a layout
        QFont font;
    };
    QWidget *m_window;
    QList<Item> m_items;
    QSize m_base;
    qreal m_factor = 1.0;
    bool m_applying = false;
};

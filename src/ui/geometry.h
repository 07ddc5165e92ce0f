#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

class QWidget;

// Layouts given in twips: 1440 to the inch, 15 to a pixel at 96 dpi. Qt's
// high-dpi scaling takes care of other screens.
namespace Twips {

constexpr int PER_PIXEL = 15;

constexpr int px(int twips)
{
    return (twips >= 0 ? twips + PER_PIXEL / 2 : twips - PER_PIXEL / 2) / PER_PIXEL;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize size(int width, int height)
{
    return QSize(px(width), px(height));
}

// Places a child at a rectangle given in twips.
void place(QWidget *widget, int left, int top, int width, int height);

// Sizes a window's client area in twips; the window opens at that size.
void setClientSize(QWidget *window, int width, int height);

} // namespace Twips

namespace Colors {

// A colour stored with red in the low byte (0xBBGGRR).
constexpr QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Background colour of a widget, painted even where the style would not.
void setBackground(QWidget *widget, const QColor &color);
void setForeground(QWidget *widget, const QColor &color);

} // namespace Colors

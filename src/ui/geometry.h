#pragma once

#include "ui/colors.h"

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

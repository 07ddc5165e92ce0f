#pragma once

#include <QColor>

class QPalette;
class QWidget;

// Every colour a screen fixes is fixed with the colour drawn on it, so that
// the text reads the same under a light or a dark desktop theme; everything
// else follows the theme's palette.
namespace Colors {

// A colour stored with red in the low byte (0xBBGGRR).
constexpr QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// A background and the text drawn on it.
struct Pair
{
    QColor text;
    QColor background;
};

// The start screen's note on passwords, cream like a slip of paper.
inline const Pair note{Qt::black, QColor(255, 248, 214)};
// The manager's and the About screen's window, and their captions.
inline const Pair form{Qt::black, fromBgr(0xFFC0C0)};
inline const Pair caption{Qt::black, fromBgr(0xFF8080)};
// The game's and the poll chart's dark blue board.
inline const Pair board{Qt::white, fromBgr(0x800000)};
// The money ladder's steps, and the step reached.
inline const Pair ladder{Qt::white, fromBgr(0x000000)};
inline const Pair ladderReached{Qt::white, fromBgr(33023)};
// The certificate's paper.
inline const Pair paper{Qt::black, Qt::white};

// Fixes a widget's background and the text on it; its children's labels
// take both.
void setPair(QWidget *widget, const Pair &pair);
// Background colour of a widget, painted even where the style would not.
void setBackground(QWidget *widget, const QColor &color);
void setForeground(QWidget *widget, const QColor &color);
// Gives a widget the theme's whole palette back, whatever its window fixed
// (a menu bar on a window with its own background).
void followTheme(QWidget *widget);
// The titles' navy where the theme's windows are light, a light blue where
// they are dark.
QColor title(const QPalette &theme);

} // namespace Colors

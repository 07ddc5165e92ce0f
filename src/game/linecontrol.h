#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QWidget;

// Straight lines drawn on a window, given in twips like every other control.
namespace LineControl {

// A line from x1 to x2 at height y.
QFrame *horizontal(QWidget *parent, const QString &name, int x1, int x2, int y,
                   const QColor &color);
// A line from y1 to y2 at x.
QFrame *vertical(QWidget *parent, const QString &name, int x, int y1, int y2,
                 const QColor &color);

} // namespace LineControl

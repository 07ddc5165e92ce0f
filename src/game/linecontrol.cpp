#include "linecontrol.h"

#include "ui/geometry.h"

#include <QFrame>

namespace {

// A line is a thin filled strip, so that it thickens with a zoomed window.
QFrame *line(QWidget *parent, const QString &name, const QColor &color)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    Colors::setBackground(frame, color);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

} // namespace

namespace LineControl {

QFrame *horizontal(QWidget *parent, const QString &name, int x1, int x2, int y,
                   const QColor &color)
{
    QFrame *frame = line(parent, name, color);
    // Both end points belong to the line.
    frame->setGeometry(Twips::px(x1), Twips::px(y), Twips::px(x2) - Twips::px(x1) + 1, 1);
    return frame;
}

QFrame *vertical(QWidget *parent, const QString &name, int x, int y1, int y2,
                 const QColor &color)
{
    QFrame *frame = line(parent, name, color);
    frame->setGeometry(Twips::px(x), Twips::px(y1), 1, Twips::px(y2) - Twips::px(y1) + 1);
    return frame;
}

} // namespace LineControl

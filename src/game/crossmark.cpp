#include "crossmark.h"

#include <QPainter>
#include <QPainterPath>

CrossMark::CrossMark(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CrossMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) * 0.8;
    const QRectF box(QPointF(width() / 2.0 - side / 2, height() / 2.0 - side / 2),
                     QSizeF(side, side));
    QPainterPath cross;
    cross.moveTo(box.topLeft());
    cross.lineTo(box.bottomRight());
    cross.moveTo(box.topRight());
    cross.lineTo(box.bottomLeft());
    const qreal thick = qMax<qreal>(3, side / 7);
    painter.setPen(QPen(QColor(90, 0, 0), thick + 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(QColor(230, 20, 20), thick, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
}

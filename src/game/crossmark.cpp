#include "crossmark.h"

#include "ui/artwork.h"

#include <QPainter>

CrossMark::CrossMark(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CrossMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Artwork::usedCross(size()));
}

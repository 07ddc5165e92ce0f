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
    Artwork::paintUsedCross(painter, QRectF(rect()));
}

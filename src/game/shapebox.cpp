#include "shapebox.h"

#include "ui/zoom.h"

#include <QPainter>

#include <cmath>

ShapeBox::ShapeBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::setFillColor(const QColor &color)
{
    if (m_fill == color)
        return;
    m_fill = color;
    update();
}

void ShapeBox::setBorderColor(const QColor &color)
{
    m_border = color;
    update();
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    // The outline is a pixel wide on an unzoomed window and grows with it.
    const int edge = std::max(1, int(std::lround(Zoom::factorOf(this))));
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), edge), m_border);
    painter.fillRect(QRect(r.left(), r.bottom() - edge + 1, r.width(), edge), m_border);
    painter.fillRect(QRect(r.left(), r.top(), edge, r.height()), m_border);
    painter.fillRect(QRect(r.right() - edge + 1, r.top(), edge, r.height()), m_border);
}

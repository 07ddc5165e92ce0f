#include "lifelinebutton.h"

#include "ui/fonts.h"

#include <QPainter>
#include <QPainterPath>

LifelineButton::LifelineButton(Kind kind, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LifelineButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // An oval badge, lit a little while pressed or focused.
    const QRectF oval = QRectF(rect()).adjusted(2, 2, -2, -2);
    QLinearGradient fill(oval.topLeft(), oval.bottomLeft());
    fill.setColorAt(0, isDown() ? QColor(60, 60, 160) : QColor(30, 30, 120));
    fill.setColorAt(1, QColor(5, 5, 50));
    painter.setBrush(fill);
    painter.setPen(QPen(hasFocus() ? QColor(255, 220, 120) : QColor(200, 200, 230), 2));
    painter.drawEllipse(oval);

    const QRectF inner = oval.adjusted(oval.width() * 0.18, oval.height() * 0.18,
                                       -oval.width() * 0.18, -oval.height() * 0.18);
    switch (m_kind) {
    case Kind::Fifty: drawFifty(painter, inner); break;
    case Kind::Ask: drawAsk(painter, inner); break;
    case Kind::Ring: drawRing(painter, inner); break;
    }
}

void LifelineButton::drawFifty(QPainter &painter, const QRectF &area) const
{
    painter.setPen(Qt::white);
    QFont font = Fonts::sans(8, true);
    font.setPixelSize(qMax(8, int(area.height() * 0.55)));
    painter.setFont(font);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("50:50"));
}

void LifelineButton::drawAsk(QPainter &painter, const QRectF &area) const
{
    // Three people, the middle one in front.
    painter.setPen(Qt::NoPen);
    const qreal w = area.width() / 3.2;
    const qreal head = w * 0.45;
    auto person = [&](qreal cx, qreal bottom, qreal scale, const QColor &color) {
        painter.setBrush(color);
        const qreal hw = w * scale;
        painter.drawEllipse(QPointF(cx, bottom - hw * 1.25), head * scale / 2 + 1,
                            head * scale / 2 + 1);
        QPainterPath body;
        body.moveTo(cx - hw / 2, bottom);
        body.cubicTo(cx - hw / 2, bottom - hw * 0.9, cx + hw / 2, bottom - hw * 0.9, cx + hw / 2,
                     bottom);
        body.closeSubpath();
        painter.drawPath(body);
    };
    const qreal bottom = area.bottom();
    person(area.center().x() - w * 0.9, bottom, 0.9, QColor(170, 170, 200));
    person(area.center().x() + w * 0.9, bottom, 0.9, QColor(170, 170, 200));
    person(area.center().x(), bottom, 1.15, Qt::white);
}

void LifelineButton::drawRing(QPainter &painter, const QRectF &area) const
{
    // A telephone handset lying on its back.
    const qreal w = area.width();
    const qreal h = area.height();
    const QPointF c = area.center();
    QPainterPath handset;
    handset.moveTo(c.x() - w * 0.45, c.y() + h * 0.05);
    handset.cubicTo(c.x() - w * 0.45, c.y() - h * 0.45, c.x() + w * 0.45, c.y() - h * 0.45,
                    c.x() + w * 0.45, c.y() + h * 0.05);
    handset.lineTo(c.x() + w * 0.25, c.y() + h * 0.2);
    handset.cubicTo(c.x() + w * 0.15, c.y() - h * 0.05, c.x() - w * 0.15, c.y() - h * 0.05,
                    c.x() - w * 0.25, c.y() + h * 0.2);
    handset.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(handset);
    // The base with its dial.
    const QRectF base(c.x() - w * 0.3, c.y() + h * 0.12, w * 0.6, h * 0.38);
    painter.drawRoundedRect(base, 3, 3);
    painter.setBrush(QColor(30, 30, 120));
    painter.drawEllipse(base.center() + QPointF(0, h * 0.02), h * 0.11, h * 0.11);
}

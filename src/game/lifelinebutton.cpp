#include "lifelinebutton.h"

#include "ui/artwork.h"

#include <QPainter>

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
    switch (m_kind) {
    case Kind::Fifty: painter.drawPixmap(0, 0, Artwork::lifelineFifty(size())); break;
    case Kind::Ask: painter.drawPixmap(0, 0, Artwork::lifelineAsk(size())); break;
    case Kind::Ring: painter.drawPixmap(0, 0, Artwork::lifelineRing(size())); break;
    }
    // Pressed or focused, the badge is lit so keyboard players see where they are.
    if (isDown() || hasFocus()) {
        const QRectF oval = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.setBrush(isDown() ? QColor(255, 255, 255, 50) : Qt::transparent);
        painter.setPen(QPen(QColor(255, 230, 140), 2));
        painter.drawEllipse(oval);
    }
}

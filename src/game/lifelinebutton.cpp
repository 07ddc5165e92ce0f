#include "lifelinebutton.h"

#include "ui/artwork.h"
#include "ui/zoom.h"

#include <QKeyEvent>
#include <QPainter>

LifelineButton::LifelineButton(Kind kind, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LifelineButton::keyPressEvent(QKeyEvent *event)
{
    // Space presses any button; Enter uses a lifeline too, as it chooses an answer.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void LifelineButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    switch (m_kind) {
    case Kind::Fifty: Artwork::paintLifelineFifty(painter, area); break;
    case Kind::Ask: Artwork::paintLifelineAsk(painter, area); break;
    case Kind::Ring: Artwork::paintLifelineRing(painter, area); break;
    }
    // Pressed or focused, the badge is ringed in white, apart from its gold
    // rim, so keyboard players see where they are.
    if (isDown() || hasFocus()) {
        const qreal pen = 2 * Zoom::factorOf(this);
        const QRectF oval = area.adjusted(pen * 0.75, pen * 0.75, -pen * 0.75, -pen * 0.75);
        painter.setBrush(isDown() ? QColor(255, 255, 255, 50) : Qt::transparent);
        painter.setPen(QPen(Qt::white, pen));
        painter.drawEllipse(oval);
    }
}

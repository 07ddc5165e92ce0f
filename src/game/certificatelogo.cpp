#include "certificatelogo.h"

#include "ui/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace CertificateLogo {

void paint(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / SIZE.width(), area.height() / SIZE.height());
    const QRectF box(0, 0, SIZE.width(), SIZE.height());

    // A dark blue oval stage with a gold rim, like the game screen's colours.
    const QRectF oval = box.adjusted(3, 3, -3, -3);
    QRadialGradient stage(oval.center(), oval.width() / 2);
    stage.setColorAt(0, QColor(40, 40, 170));
    stage.setColorAt(1, QColor(0, 0, 70));
    painter.setBrush(stage);
    painter.setPen(QPen(QColor(212, 170, 40), 3));
    painter.drawEllipse(oval);

    // Rays of light behind the name.
    painter.setPen(QPen(QColor(120, 140, 255, 110), 1.5));
    const QPointF centre = oval.center();
    for (int i = 0; i < 24; ++i) {
        const qreal angle = i * M_PI / 12;
        painter.drawLine(centre + QPointF(std::cos(angle) * 22, std::sin(angle) * 12),
                         centre + QPointF(std::cos(angle) * 78, std::sin(angle) * 38));
    }

    // The name, white on a gold underline, and a question mark above it.
    QFont name = Fonts::serif(10, true);
    name.setPixelSize(22);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    painter.setFont(name);
    painter.setPen(QColor(0, 0, 40));
    painter.drawText(box.translated(1, 7), Qt::AlignCenter, QStringLiteral("QUORVANE"));
    painter.setPen(Qt::white);
    painter.drawText(box.translated(0, 6), Qt::AlignCenter, QStringLiteral("QUORVANE"));
    painter.setPen(QPen(QColor(212, 170, 40), 2));
    painter.drawLine(QPointF(38, 62), QPointF(137, 62));

    QFont mark = Fonts::serif(10, true, true);
    mark.setPixelSize(26);
    painter.setFont(mark);
    painter.setPen(QColor(240, 200, 60));
    painter.drawText(QRectF(0, 6, SIZE.width(), 30), Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

QPixmap pixmap()
{
    QPixmap picture(SIZE);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(SIZE)));
    return picture;
}

} // namespace CertificateLogo

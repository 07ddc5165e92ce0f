#include "windowicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QWidget>

namespace {

// The letter's outline, taken from the font once and scaled for every size:
// asking the font for each size would load and set up a font per size.
QPainterPath letter()
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("Q"));
    return path;
}

QPixmap draw(int size, const QPainterPath &letter)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QRadialGradient glow(disc.center(), disc.width() / 2);
    glow.setColorAt(0.0, QColor(40, 70, 200));
    glow.setColorAt(1.0, QColor(5, 10, 70));
    p.setBrush(glow);
    p.setPen(QPen(QColor(230, 180, 40), size / 16.0));
    p.drawEllipse(disc);
    const qreal scale = size * 0.62 / 100;
    const QRectF box = letter.boundingRect();
    p.translate(disc.center());
    p.scale(scale, scale);
    p.translate(-box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 90));
    p.drawPath(letter);
    return pixmap;
}

} // namespace

namespace WindowIcon {

QIcon icon()
{
    QIcon result;
    const QPainterPath q = letter();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(draw(size, q));
    return result;
}

void apply(QWidget *window)
{
    static const QIcon cached = icon();
    window->setWindowIcon(cached);
}

} // namespace WindowIcon

#include "windowicon.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QWidget>

namespace {

QPixmap draw(int size)
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
    QFont font;
    font.setBold(true);
    font.setPixelSize(int(size * 0.62));
    p.setFont(font);
    p.setPen(QColor(255, 215, 90));
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("Q"));
    return pixmap;
}

} // namespace

namespace WindowIcon {

QIcon icon()
{
    QIcon result;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(draw(size));
    return result;
}

void apply(QWidget *window)
{
    static const QIcon cached = icon();
    window->setWindowIcon(cached);
}

} // namespace WindowIcon

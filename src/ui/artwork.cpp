#include "artwork.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// One palette for every picture.
const QColor kNavyLight(44, 84, 190);
const QColor kNavy(14, 30, 110);
const QColor kNavyDark(3, 8, 48);
const QColor kGoldLight(255, 232, 140);
const QColor kGold(226, 172, 40);
const QColor kGoldDark(140, 92, 12);
const QColor kSilverLight(255, 255, 255);
const QColor kSilver(196, 204, 224);
const QColor kSilverDark(118, 128, 160);
const QColor kOutline(2, 6, 34);

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient gold(const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.55, kGold);
    g.setColorAt(1.0, kGoldDark);
    return g;
}

QLinearGradient silver(const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, kSilverLight);
    g.setColorAt(0.6, kSilver);
    g.setColorAt(1.0, kSilverDark);
    return g;
}

// A symbol filled with a metal gradient and edged in dark navy, so it reads
// on the badge and on the game screen's blue alike.
void fillSymbol(QPainter &p, const QPainterPath &path, const QLinearGradient &metal, qreal edge)
{
    p.setPen(QPen(kOutline, edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(metal);
    p.drawPath(path);
}

// The oval badge every lifeline sits on: navy glowing from the top, a gold
// rim and a soft gloss over the upper half. Returns the area left inside.
QRectF drawBadge(QPainter &p, const QRectF &area)
{
    const qreal rim = std::max<qreal>(1.5, std::min(area.width(), area.height()) * 0.06);
    const QRectF oval = area.adjusted(rim / 2 + 0.5, rim / 2 + 0.5, -rim / 2 - 0.5,
                                      -rim / 2 - 0.5);
    QRadialGradient glow(QPointF(oval.center().x(), oval.top() + oval.height() * 0.35),
                         std::max(oval.width(), oval.height()) * 0.65);
    glow.setColorAt(0.0, kNavyLight);
    glow.setColorAt(0.6, kNavy);
    glow.setColorAt(1.0, kNavyDark);
    p.setBrush(glow);
    QLinearGradient rimGold(oval.topLeft(), oval.bottomRight());
    rimGold.setColorAt(0.0, kGoldLight);
    rimGold.setColorAt(0.5, kGold);
    rimGold.setColorAt(1.0, kGoldDark);
    p.setPen(QPen(QBrush(rimGold), rim));
    p.drawEllipse(oval);

    const QRectF gloss(oval.left() + oval.width() * 0.14, oval.top() + rim * 0.8,
                       oval.width() * 0.72, oval.height() * 0.46);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(gloss);

    return oval.adjusted(oval.width() * 0.17, oval.height() * 0.17, -oval.width() * 0.17,
                         -oval.height() * 0.17);
}

qreal edgeFor(const QRectF &r)
{
    return std::max<qreal>(0.8, std::min(r.width(), r.height()) * 0.035);
}

// The largest square centred in r, to draw symbols that must not stretch.
QRectF centredSquare(const QRectF &r)
{
    const qreal side = std::min(r.width(), r.height());
    return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
}

QPainterPath textPath(const QString &text, QFont font, const QRectF &box)
{
    // Largest pixel size that fits the box, found from a reference size.
    font.setPixelSize(100);
    const QRectF ref = QFontMetricsF(font).tightBoundingRect(text);
    const qreal scale = std::min(box.width() / ref.width(), box.height() / ref.height());
    font.setPixelSize(std::max(1, int(100 * scale)));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

// The round emblem of the icon and the certificate: a gold-rimmed navy disc
// holding a gold Q drawn from strokes, so it looks the same with any fonts.
void drawEmblem(QPainter &p, const QRectF &area, bool detailed)
{
    const qreal s = area.width();
    const qreal rim = std::max<qreal>(1.5, s * (detailed ? 0.055 : 0.08));
    const QRectF disc = area.adjusted(rim / 2 + 0.5, rim / 2 + 0.5, -rim / 2 - 0.5, -rim / 2 - 0.5);
    QRadialGradient glow(QPointF(disc.center().x(), disc.top() + disc.height() * 0.35),
                         disc.width() * 0.7);
    glow.setColorAt(0.0, kNavyLight);
    glow.setColorAt(0.6, kNavy);
    glow.setColorAt(1.0, kNavyDark);
    QLinearGradient rimGold(disc.topLeft(), disc.bottomRight());
    rimGold.setColorAt(0.0, kGoldLight);
    rimGold.setColorAt(0.5, kGold);
    rimGold.setColorAt(1.0, kGoldDark);
    p.setBrush(glow);
    p.setPen(QPen(QBrush(rimGold), rim));
    p.drawEllipse(disc);

    const QPointF c = disc.center();
    if (detailed) {
        // A thin silver ring inside the rim and fifteen gold studs on it,
        // one for each step of the ladder.
        const qreal ring = disc.width() * 0.43;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(196, 204, 224, 150), std::max<qreal>(0.8, s * 0.01)));
        p.drawEllipse(c, ring, ring);
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        for (int i = 0; i < 15; ++i) {
            const qreal angle = qDegreesToRadians(90.0 + i * 24.0);
            p.drawEllipse(QPointF(c.x() + ring * std::cos(angle), c.y() - ring * std::sin(angle)),
                          s * 0.014 + 0.3, s * 0.014 + 0.3);
        }
    }

    const qreal radius = disc.width() * (detailed ? 0.22 : 0.25);
    const qreal thick = disc.width() * (detailed ? 0.085 : 0.11);
    const QPointF qc(c.x(), c.y() - disc.height() * 0.02);
    QPainterPath ring;
    ring.addEllipse(qc, radius, radius * 1.05);
    QPainterPath tail;
    tail.moveTo(qc.x() + radius * 0.25, qc.y() + radius * 0.45);
    tail.lineTo(qc.x() + radius * 1.05, qc.y() + radius * 1.3);
    QPainterPathStroker stroker;
    stroker.setWidth(thick);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath letter = stroker.createStroke(ring).united(stroker.createStroke(tail));
    fillSymbol(p, letter, gold(letter.boundingRect()), std::max<qreal>(0.6, s * 0.012));

    if (detailed) {
        const QRectF gloss(disc.left() + disc.width() * 0.16, disc.top() + rim,
                           disc.width() * 0.68, disc.height() * 0.42);
        QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
        shine.setColorAt(0.0, QColor(255, 255, 255, 60));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(gloss);
    }
}

QPainterPath handset(const QRectF &box)
{
    // A receiver lying with its cups down: a curved handle and two cups.
    const qreal s = box.width();
    auto at = [&](qreal x, qreal y) { return QPointF(box.left() + x * s, box.top() + y * s); };
    QPainterPath handle;
    const QPointF centre = at(0.5, 0.95);
    const qreal r = 0.56 * s;
    handle.arcMoveTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 145);
    handle.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 145, -110);
    QPainterPathStroker stroker;
    stroker.setWidth(0.2 * s);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath shape = stroker.createStroke(handle);

    for (int side : {-1, 1}) {
        const QPointF end(centre.x() + side * r * std::cos(qDegreesToRadians(35.0)),
                          centre.y() - r * std::sin(qDegreesToRadians(35.0)));
        QPainterPath cup;
        cup.addRoundedRect(QRectF(-0.17 * s, -0.05 * s, 0.34 * s, 0.22 * s), 0.08 * s, 0.08 * s);
        QTransform turn;
        turn.translate(end.x(), end.y());
        turn.rotate(side * 25);
        shape = shape.united(turn.map(cup));
    }
    return shape.simplified();
}

} // namespace

namespace Artwork {

void paintLifelineFifty(QPainter &p, const QRectF &area)
{
    p.save();
    prepare(p);
    const QRectF inner = drawBadge(p, area);
    const QRectF box(inner.left() - inner.width() * 0.12, inner.top() + inner.height() * 0.1,
                     inner.width() * 1.24, inner.height() * 0.8);
    const QPainterPath text = textPath(QStringLiteral("50:50"), Fonts::sans(10, true), box);
    fillSymbol(p, text, silver(text.boundingRect()), edgeFor(inner));
    p.restore();
}

void paintLifelineAsk(QPainter &p, const QRectF &area)
{
    p.save();
    prepare(p);
    const QRectF inner = drawBadge(p, area);
    // A poll of four bars, the favourite in gold, standing on a silver base.
    const QRectF chart(inner.left() + inner.width() * 0.04, inner.top() - inner.height() * 0.04,
                       inner.width() * 0.92, inner.height() * 1.04);
    const qreal heights[] = {0.45, 0.95, 0.62, 0.3};
    const qreal slot = chart.width() / 4;
    const qreal base = chart.bottom() - chart.height() * 0.08;
    const qreal edge = edgeFor(inner);
    for (int i = 0; i < 4; ++i) {
        const qreal h = (base - chart.top()) * heights[i];
        const QRectF bar(chart.left() + slot * i + slot * 0.16, base - h, slot * 0.68, h);
        QPainterPath path;
        path.addRoundedRect(bar, slot * 0.12, slot * 0.12);
        fillSymbol(p, path, i == 1 ? gold(bar) : silver(bar), edge);
    }
    QPainterPath floor;
    floor.addRoundedRect(QRectF(chart.left(), base, chart.width(), chart.height() * 0.1),
                         chart.height() * 0.04, chart.height() * 0.04);
    fillSymbol(p, floor, silver(floor.boundingRect()), edge);
    p.restore();
}

void paintLifelineRing(QPainter &p, const QRectF &area)
{
    p.save();
    prepare(p);
    const QRectF inner = drawBadge(p, area);
    const QRectF square = centredSquare(inner.adjusted(0, inner.height() * 0.05, 0,
                                                       inner.height() * 0.12));
    const QPainterPath receiver = handset(square);
    fillSymbol(p, receiver, silver(receiver.boundingRect()), edgeFor(inner));

    // Two gold rings of sound rising from the handset.
    const QPointF source(square.center().x(), square.top() + square.height() * 0.62);
    p.setBrush(Qt::NoBrush);
    const qreal s = square.width();
    for (qreal r : {0.44, 0.62}) {
        const QRectF arc(source.x() - r * s, source.y() - r * s, 2 * r * s, 2 * r * s);
        QPainterPath wave;
        wave.arcMoveTo(arc, 62);
        wave.arcTo(arc, 62, 56);
        QPainterPathStroker stroker;
        stroker.setWidth(std::max<qreal>(1.2, s * 0.09));
        stroker.setCapStyle(Qt::RoundCap);
        const QPainterPath band = stroker.createStroke(wave);
        fillSymbol(p, band, gold(band.boundingRect()), edgeFor(inner) * 0.7);
    }
    p.restore();
}

void paintUsedCross(QPainter &p, const QRectF &area)
{
    p.save();
    prepare(p);
    const qreal side = std::min(area.width(), area.height());
    const qreal thick = std::max<qreal>(2.5, side * 0.15);
    const QRectF box = area.adjusted(thick * 0.9, thick * 0.9, -thick * 0.9, -thick * 0.9);
    QPainterPath strokes;
    strokes.moveTo(box.topLeft());
    strokes.lineTo(box.bottomRight());
    strokes.moveTo(box.topRight());
    strokes.lineTo(box.bottomLeft());
    QPainterPathStroker stroker;
    stroker.setWidth(thick);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath cross = stroker.createStroke(strokes).simplified();
    QLinearGradient red(box.topLeft(), box.bottomLeft());
    red.setColorAt(0.0, QColor(255, 90, 70));
    red.setColorAt(1.0, QColor(185, 0, 0));
    p.setPen(QPen(QColor(70, 0, 0), std::max<qreal>(1.0, thick * 0.14), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(red);
    p.drawPath(cross);
    p.restore();
}

void paintCertificateLogo(QPainter &p, const QRectF &area)
{
    p.save();
    prepare(p);
    // Drawn in the logo's own units and scaled to the area as one picture.
    p.translate(area.topLeft());
    p.scale(area.width() / LOGO_WIDTH, area.height() / LOGO_HEIGHT);
    // Printed on white paper, so the logo has no transparency of its own.
    const QRectF whole(0, 0, LOGO_WIDTH, LOGO_HEIGHT);
    p.fillRect(whole, Qt::white);
    const QRectF plate = whole.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient navy(plate.topLeft(), plate.bottomLeft());
    navy.setColorAt(0.0, kNavy);
    navy.setColorAt(1.0, kNavyDark);
    p.setBrush(navy);
    p.setPen(QPen(kGold, 2.5));
    p.drawRoundedRect(plate, 10, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 232, 140, 110), 1));
    p.drawRoundedRect(plate.adjusted(4, 4, -4, -4), 7, 7);

    drawEmblem(p, QRectF(9, 11, 69, 69), true);

    // The name above a small money ladder: its guaranteed steps in white, its
    // top step in gold.
    const qreal left = 84;
    const qreal right = 167;
    const QRectF nameBox(left, 14, right - left, 30);
    const QPainterPath name = textPath(QStringLiteral("Quorvane"), Fonts::sans(10, true), nameBox);
    fillSymbol(p, name, gold(name.boundingRect()), 0.9);
    p.setPen(QPen(QColor(255, 232, 140, 160), 1));
    p.drawLine(QPointF(left, 47.5), QPointF(right, 47.5));
    const qreal stepWidth = (right - left) / 15;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 15; ++i) {
        const qreal h = 4 + i * 1.6;
        const QRectF step(left + i * stepWidth + 0.6, 78 - h, stepWidth - 1.2, h);
        p.setBrush(i == 14                 ? QBrush(gold(step))
                   : (i == 4 || i == 9) ? QBrush(kSilverLight)
                                        : QBrush(kSilverDark));
        p.drawRect(step);
    }
    p.restore();
}

QPixmap appIcon(int size)
{
    QPixmap pixmap(QSize(size, size).expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    prepare(p);
    const qreal margin = size * 0.02;
    drawEmblem(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size >= 48);
    return pixmap;
}

} // namespace Artwork

#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

// The program's pictures, drawn in code in one style made for the dark-blue
// game screen: navy badges with a gold rim and silver-white symbols. Each
// paints itself into the area it is given, at any size, so that it stays
// sharp on a zoomed screen and on paper.
namespace Artwork {

// The three lifeline pictures, each an oval badge filling the area.
void paintLifelineFifty(QPainter &p, const QRectF &area);
void paintLifelineAsk(QPainter &p, const QRectF &area);
void paintLifelineRing(QPainter &p, const QRectF &area);
// A red cross on a clear ground, laid over a used lifeline's picture.
void paintUsedCross(QPainter &p, const QRectF &area);

// The name with its emblem for the certificate: opaque, on white paper,
// designed at LOGO_WIDTH x LOGO_HEIGHT and scaled to the area.
constexpr int LOGO_WIDTH = 175;
constexpr int LOGO_HEIGHT = 91;
void paintCertificateLogo(QPainter &p, const QRectF &area);

// The program's square icon; small sizes drop the finer detail.
QPixmap appIcon(int size);

} // namespace Artwork

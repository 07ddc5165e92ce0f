#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

// The game's logo on the certificate, drawn in code. Restyle it here alone.
namespace CertificateLogo {

// The size the certificate shows it at, in pixels.
constexpr QSize SIZE{175, 91};

// Paints the logo to fill the given rectangle.
void paint(QPainter &painter, const QRectF &area);
// The logo at SIZE.
QPixmap pixmap();

} // namespace CertificateLogo

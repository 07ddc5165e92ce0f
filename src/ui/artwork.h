#pragma once

#include <QPixmap>
#include <QSize>

// The program's pictures, drawn in code in one style made for the dark-blue
// game screen: navy badges with a gold rim and silver-white symbols.
namespace Artwork {

// The three lifeline pictures, each an oval badge filling the size given.
QPixmap lifelineFifty(const QSize &size);
QPixmap lifelineAsk(const QSize &size);
QPixmap lifelineRing(const QSize &size);
// A red cross on a transparent ground, laid over a used lifeline's picture.
QPixmap usedCross(const QSize &size);

// The name with its emblem for the certificate: opaque, on white paper.
constexpr int LOGO_WIDTH = 175;
constexpr int LOGO_HEIGHT = 91;
QPixmap certificateLogo();

// The program's square icon; small sizes drop the finer detail.
QPixmap appIcon(int size);

} // namespace Artwork

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

// How large a window may be and where it opens: never larger than the room
// its screen has for it, and centred there. Every window follows these rules
// through its Zoom.
namespace ScreenFit {

constexpr qreal SMALLEST = 0.5;
constexpr qreal LARGEST = 4.0;

// The largest zoom from wanted down, step by step, at which the window's
// size (framed, as sizeAt answers it) fits room; SMALLEST when none does.
qreal largestZoom(qreal wanted, qreal step, QSize room,
                  const std::function<QSize(qreal)> &sizeAt);

// Where a window standing at framed (its frame included) moves to lie on
// area: as little as it must. One larger than area keeps its top-left corner
// on it, so its title bar and first controls stay in reach.
QPoint within(const QRect &framed, const QRect &area);
// The top-left corner of a window of the given framed size centred on area.
QPoint centred(QSize framed, const QRect &area);

} // namespace ScreenFit

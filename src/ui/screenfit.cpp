#include "screenfit.h"

#include <algorithm>

namespace ScreenFit {

qreal largestZoom(qreal wanted, qreal step, QSize room,
                  const std::function<QSize(qreal)> &sizeAt)
{
    // A little slack, so that rounding never skips the smallest step.
    for (qreal zoom = std::min(wanted, LARGEST); zoom > SMALLEST - step / 100; zoom -= step) {
        const QSize size = sizeAt(zoom);
        if (size.width() <= room.width() && size.height() <= room.height())
            return zoom;
    }
    return SMALLEST;
}

QPoint within(const QRect &framed, const QRect &area)
{
    const auto along = [](int at, int length, int start, int room) {
        return std::max(start, std::min(at, start + room - length));
    };
    return QPoint(along(framed.x(), framed.width(), area.x(), area.width()),
                  along(framed.y(), framed.height(), area.y(), area.height()));
}

QPoint centred(QSize framed, const QRect &area)
{
    const QPoint spare((area.width() - framed.width()) / 2, (area.height() - framed.height()) / 2);
    return within(QRect(area.topLeft() + spare, framed), area);
}

} // namespace ScreenFit

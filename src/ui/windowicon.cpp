#include "windowicon.h"

#include "artwork.h"

#include <QWidget>

namespace WindowIcon {

QIcon icon()
{
    QIcon result;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(Artwork::appIcon(size));
    return result;
}

void apply(QWidget *window)
{
    static const QIcon cached = icon();
    window->setWindowIcon(cached);
}

} // namespace WindowIcon

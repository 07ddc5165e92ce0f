#include "windowicon.h"

#include "artwork.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QWidget>

namespace {

// Draws the icon only at the sizes actually asked for, when they are asked
// for: drawing every size up front would slow the program's start.
class ArtworkIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMax(1, qMin(size.width(), size.height()));
        auto found = m_drawn.constFind(side);
        if (found == m_drawn.constEnd())
            found = m_drawn.insert(side, Artwork::appIcon(side));
        return *found;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine *clone() const override { return new ArtworkIconEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

namespace WindowIcon {

QIcon icon()
{
    return QIcon(new ArtworkIconEngine);
}

void apply(QWidget *window)
{
    static const QIcon shared = icon();
    window->setWindowIcon(shared);
}

} // namespace WindowIcon

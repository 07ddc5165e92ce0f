#include "zoom.h"

#include <QEvent>
#include <QKeySequence>
#include <QLayout>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

QRect scaled(const QRect &r, qreal f, QPoint offset = {})
{
    // Edges are scaled, not sizes, so neighbours that touch keep touching.
    const int left = int(std::lround(r.left() * f));
    const int top = int(std::lround(r.top() * f));
    const int right = int(std::lround((r.right() + 1) * f));
    const int bottom = int(std::lround((r.bottom() + 1) * f));
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

QFont scaled(QFont font, qreal f)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * f);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * f))));
    return font;
}

} // namespace

Zoom::Zoom(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_base(window->size())
{
}

Zoom *Zoom::attach(QWidget *window)
{
    auto *zoom = new Zoom(window);
    const bool laidOut = window->layout() != nullptr;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->isWindow())
            zoom->record(child, !laidOut && !child->parentWidget()->layout());
    }
    // A fixed size would stop the window from growing.
    window->setMinimumSize(zoom->m_base / 2);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->installEventFilter(zoom);

    auto shortcut = [&](const QKeySequence &keys, auto action) {
        auto *s = new QShortcut(keys, window);
        s->setContext(Qt::WindowShortcut);
        QObject::connect(s, &QShortcut::activated, zoom, action);
    };
    shortcut(QKeySequence::ZoomIn, [zoom] { zoom->zoomTo(zoom->m_factor + STEP); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [zoom] { zoom->zoomTo(zoom->m_factor + STEP); });
    shortcut(QKeySequence::ZoomOut, [zoom] { zoom->zoomTo(zoom->m_factor - STEP); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [zoom] { zoom->zoomTo(1.0); });
    return zoom;
}

void Zoom::record(QWidget *widget, bool placed)
{
    m_items.append({widget, widget->geometry(), placed, widget->font()});
}

void Zoom::zoomTo(qreal factor)
{
    factor = std::clamp(factor, 0.5, 4.0);
    if (m_window->isMaximized() || m_window->isFullScreen())
        m_window->showNormal();
    m_window->resize(scaled(QRect(QPoint(), m_base), factor).size());
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && !m_applying)
        apply();
    return QObject::eventFilter(watched, event);
}

void Zoom::apply()
{
    const QSize now = m_window->size();
    m_factor = std::min(qreal(now.width()) / m_base.width(), qreal(now.height()) / m_base.height());
    const QRect area = scaled(QRect(QPoint(), m_base), m_factor);
    const QPoint offset((now.width() - area.width()) / 2, (now.height() - area.height()) / 2);
    m_applying = true;
    for (const Item &item : std::as_const(m_items)) {
        if (!item.widget)
            continue;
        item.widget->setFont(scaled(item.font, m_factor));
        if (item.placed) {
            const bool top = item.widget->parentWidget() == m_window;
            item.widget->setGeometry(scaled(item.rect, m_factor, top ? offset : QPoint()));
        }
    }
    m_applying = false;
}

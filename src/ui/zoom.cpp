#include "zoom.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
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

// Children of a plain panel or a frame of controls are the window's; those of
// a list, a text box or a drop-down are their own business.
bool holdsControls(const QWidget *w)
{
    const QMetaObject *kind = w->metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject
           || qobject_cast<const QGroupBox *>(w);
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
    zoom->m_menuBar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (zoom->m_menuBar) {
        zoom->m_menuHeight = zoom->m_menuBar->height();
        zoom->m_base.rheight() -= zoom->m_menuHeight;
    }
    const bool laidOut = window->layout() != nullptr;
    zoom->recordTree(window, laidOut);
    // A fixed size would stop the window from growing; a layout knows best
    // how small its window may get.
    if (!laidOut)
        window->setMinimumSize(zoom->m_base / 2 + QSize(0, zoom->m_menuHeight));
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Dialogs get no maximise button unless asked for; other windows have one.
    if (window->windowType() == Qt::Dialog)
        window->setWindowFlags(window->windowFlags() | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                               | Qt::WindowMaximizeButtonHint);
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

Zoom *Zoom::of(const QWidget *window)
{
    return window ? window->findChild<Zoom *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

qreal Zoom::factorOf(const QWidget *widget)
{
    const Zoom *zoom = widget ? of(widget->window()) : nullptr;
    return zoom ? zoom->m_factor : 1.0;
}

void Zoom::unzoomed(QWidget *window, const std::function<void()> &action)
{
    Zoom *zoom = of(window);
    if (!zoom) {
        action();
        return;
    }
    zoom->layOut(1.0, QPoint(0, zoom->m_menuHeight));
    action();
    zoom->apply();
}

void Zoom::recordTree(QWidget *parent, bool laidOut)
{
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child == m_menuBar)
            continue;
        QRect rect = child->geometry();
        if (parent == m_window)
            rect.translate(0, -m_menuHeight);
        QPoint spacing;
        if (auto *label = qobject_cast<QLabel *>(child))
            spacing = QPoint(label->indent(), label->margin());
        m_items.append({child, rect, !laidOut && !parent->layout(), child->font(), spacing});
        if (holdsControls(child))
            recordTree(child, laidOut);
    }
}

void Zoom::zoomTo(qreal factor)
{
    factor = std::clamp(factor, 0.5, 4.0);
    if (m_window->isMaximized() || m_window->isFullScreen())
        m_window->showNormal();
    // A layout's smallest size follows its fonts, so they change first.
    if (QLayout *layout = m_window->layout()) {
        layOut(factor, QPoint());
        layout->activate();
    }
    m_window->resize(scaled(QRect(QPoint(), m_base), factor).size() + QSize(0, m_menuHeight));
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && !m_applying)
        apply();
    return QObject::eventFilter(watched, event);
}

void Zoom::apply()
{
    const QSize now = m_window->size() - QSize(0, m_menuHeight);
    const qreal factor =
        std::min(qreal(now.width()) / m_base.width(), qreal(now.height()) / m_base.height());
    const QRect area = scaled(QRect(QPoint(), m_base), factor);
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, m_window->width(), m_menuHeight);
    layOut(factor, QPoint((now.width() - area.width()) / 2,
                          m_menuHeight + (now.height() - area.height()) / 2));
}

void Zoom::layOut(qreal factor, QPoint offset)
{
    m_factor = factor;
    m_applying = true;
    for (const Item &item : std::as_const(m_items)) {
        if (!item.widget)
            continue;
        // A font that is already right is left alone: setting it again would
        // make every label measure its text anew, as the window first shows.
        if (const QFont font = scaled(item.font, factor); item.widget->font() != font)
            item.widget->setFont(font);
        if (auto *label = qobject_cast<QLabel *>(item.widget)) {
            if (item.labelSpacing.x() > 0)
                label->setIndent(int(std::lround(item.labelSpacing.x() * factor)));
            label->setMargin(int(std::lround(item.labelSpacing.y() * factor)));
        }
        if (item.placed) {
            const bool top = item.widget->parentWidget() == m_window;
            item.widget->setGeometry(scaled(item.rect, factor, top ? offset : QPoint()));
        }
    }
    m_applying = false;
    emit zoomed(factor);
}

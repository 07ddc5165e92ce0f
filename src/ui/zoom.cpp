#include "zoom.h"

#include "screenfit.h"
#include "storage/settings.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

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

// Until a window manager has framed a window, its frame is a guess: a title
// bar and thin edges, on the large side.
const QMargins kGuessedFrame(4, 32, 4, 4);

QMargins frameOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

} // namespace

Zoom::Zoom(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_base(window->size())
{
}

Zoom *Zoom::attach(QWidget *window, Settings *settings)
{
    auto *zoom = new Zoom(window);
    const Zoom *below = window->parentWidget() ? of(window->parentWidget()->window()) : nullptr;
    zoom->m_settings = settings ? settings : below ? below->m_settings : nullptr;
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
    if (m_window->isMaximized() || m_window->isFullScreen())
        m_window->showNormal();
    const QSize room = screen()->availableGeometry().marginsRemoved(frame()).size();
    factor = ScreenFit::largestZoom(factor, STEP, room, [this](qreal f) { return sizeAt(f); });
    // A layout's smallest size follows its fonts, so they change first.
    const QSize size = sizeAt(factor);
    m_window->resize(size);
    // Grown, a window may reach past its screen's edge: it moves back.
    if (m_window->isVisible())
        m_window->move(ScreenFit::within(QRect(m_window->pos(), m_window->size().grownBy(frame())),
                                         screen()->availableGeometry()));
}

QSize Zoom::sizeAt(qreal factor)
{
    const QSize picture = scaled(QRect(QPoint(), m_base), factor).size() + QSize(0, m_menuHeight);
    QLayout *layout = m_window->layout();
    if (!layout)
        return picture;
    // The layout's smallest size at those fonts; the window follows it only
    // once a factor is chosen.
    const bool applying = std::exchange(m_applying, true);
    layOut(factor, QPoint());
    layout->activate();
    m_applying = applying;
    QSize size = picture.expandedTo(layout->totalMinimumSize());
    // Wrapped text needs more lines in a narrower window.
    if (layout->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
    return size;
}

// A dialog opens over its parent's screen, a new window over the one in use.
QScreen *Zoom::screen() const
{
    if (!m_placed) {
        if (const QWidget *parent = m_window->parentWidget())
            return parent->window()->screen();
        if (const QWidget *active = QApplication::activeWindow())
            return active->screen();
    }
    return m_window->screen();
}

QMargins Zoom::frame() const
{
    if (!frameOf(m_window).isNull())
        return frameOf(m_window);
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && !frameOf(other).isNull())
            return frameOf(other);
    }
    return kGuessedFrame;
}

void Zoom::place()
{
    const QString name = m_window->objectName();
    // A place was saved with its frame on the screen, where the window
    // manager keeps it; its inside is what must still be on a screen.
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    if (const auto last = m_settings ? m_settings->windowPlace(name, areas) : std::nullopt) {
        m_window->setGeometry(*last);
    } else {
        const std::optional<qreal> zoom = m_settings ? m_settings->windowZoom(name) : std::nullopt;
        zoomTo(zoom.value_or(1.0));
        m_window->move(ScreenFit::centred(m_window->size().grownBy(frame()),
                                          screen()->availableGeometry()));
    }
    m_placed = true;
}

void Zoom::remember()
{
    // As it stands when neither maximised nor full screen.
    const QRect normal = m_window->normalGeometry();
    if (m_settings && m_placed && normal.isValid())
        m_settings->setWindow(m_window->objectName(), factorFor(normal.size()), normal);
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Resize && !m_applying)
        apply();
    // Minimising a window hides it spontaneously; that is not closing it.
    else if (event->type() == QEvent::Show && !m_placed && !event->spontaneous())
        place();
    else if (event->type() == QEvent::Hide && !event->spontaneous())
        remember();
    return QObject::eventFilter(watched, event);
}

qreal Zoom::factorFor(QSize windowSize) const
{
    const QSize now = windowSize - QSize(0, m_menuHeight);
    return std::min(qreal(now.width()) / m_base.width(), qreal(now.height()) / m_base.height());
}

void Zoom::apply()
{
    const QSize now = m_window->size() - QSize(0, m_menuHeight);
    const qreal factor = factorFor(m_window->size());
    const QRect area = scaled(QRect(QPoint(), m_base), factor);
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, m_window->width(), m_menuHeight);
    layOut(factor, QPoint((now.width() - area.width()) / 2,
                          m_menuHeight + (now.height() - area.height()) / 2));
}

void Zoom::layOut(qreal factor, QPoint offset)
{
    m_factor = factor;
    const bool applying = std::exchange(m_applying, true);
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
    m_applying = applying;
    emit zoomed(factor);
}

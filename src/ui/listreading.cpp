#include "listreading.h"

#include "textdisplay.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

namespace {

void sayCurrent(QAbstractItemView *view)
{
    const QModelIndex current = view->currentIndex();
    if (!view->hasFocus() || !current.isValid())
        return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface *item = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!item)
        return;
    QAccessibleEvent focus(item, QAccessible::Focus);
    TextDisplay::tellReaders(&focus);
}

class CurrentOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Qt tells readers of the list's focus after this event: the item
        // follows once that is done.
        if (event->type() == QEvent::FocusIn) {
            auto *view = static_cast<QAbstractItemView *>(watched);
            QTimer::singleShot(0, view, [view] { sayCurrent(view); });
        }
        return false;
    }
};

} // namespace

namespace ListReading {

void sayCurrentOnFocus(QAbstractItemView *view)
{
    view->installEventFilter(new CurrentOnFocus(view));
}

} // namespace ListReading

#include "answerlabel.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class AccessibleAnswer : public QAccessibleWidget
{
public:
    explicit AccessibleAnswer(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<AnswerLabel *>(widget())->chosen();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleAnswer(const QString &className, QObject *object)
{
    if (className == QLatin1String("AnswerLabel") && object && object->isWidgetType())
        return new AccessibleAnswer(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

AnswerLabel::AnswerLabel(QWidget *parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAnswer), true);
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

bool AnswerLabel::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    // Focus counts when the player moves it; focus coming back as a message
    // box closes must not repaint the boxes the game has coloured meanwhile.
    const bool tabbedTo = type == QEvent::FocusIn
                          && (static_cast<QFocusEvent *>(event)->reason() == Qt::TabFocusReason
                              || static_cast<QFocusEvent *>(event)->reason() == Qt::BacktabFocusReason);
    if (type == QEvent::Enter || type == QEvent::MouseMove || tabbedTo)
        emit pointedAt();
    return QLabel::event(event);
}

void AnswerLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        emit chosen();
    else
        QLabel::keyPressEvent(event);
}

void AnswerLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit chosen();
    QLabel::mouseReleaseEvent(event);
}

#include "textdisplay.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace {

const char kNotice[] = "quorvaneNotice";

// A reader hears a changed text only on the control with the focus, and Qt
// sends it no changed name it can use; a notification that shows is spoken
// wherever it is.
class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    return label && label->property(kNotice).toBool() ? new NoticeAccessible(label) : nullptr;
}

} // namespace

namespace TextDisplay {

void makeNotice(QLabel *label)
{
    static const bool installed = (QAccessible::installFactory(noticeFactory), true);
    Q_UNUSED(installed);
    label->setProperty(kNotice, true);
}

void announce(QLabel *notice)
{
    if (notice->text().isEmpty())
        return;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    tellReaders(&shown);
}

void plainLabels(QWidget *root)
{
    for (QLabel *label : root->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

void maskWithStars(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    // The style's own mask is a dot on most desktops.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

void setSpokenName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() == name)
        return;
    widget->setAccessibleName(name);
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    tellReaders(&event);
}

void tellReaders(QAccessibleEvent *event)
{
    if (QAccessible::isActive()) {
        QAccessible::updateAccessibility(event);
        return;
    }
    // With no reader listening Qt drops the event, even before a recorder
    // installed as the update handler; such a recorder still hears it.
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    if (handler)
        handler(event);
}

} // namespace TextDisplay

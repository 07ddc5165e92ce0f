#include "textdisplay.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

namespace TextDisplay {

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

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
    QAccessible::updateAccessibility(&event);
}

} // namespace TextDisplay

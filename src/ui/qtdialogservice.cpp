#include "qtdialogservice.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

void QtDialogService::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogService::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogService::prompt(QWidget *parent, const QString &text, const QString &title,
                                const PromptOptions &options)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(options.masked ? QLineEdit::Password : QLineEdit::Normal);
    if (options.position) {
        dialog.adjustSize();
        dialog.move(*options.position);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

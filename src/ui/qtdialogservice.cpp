#include "qtdialogservice.h"

#include "textdisplay.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

void QtDialogService::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // Messages quote set texts and names, shown as they stand.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtDialogService::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
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
    TextDisplay::plainLabels(&dialog);
    if (options.masked) {
        if (auto *box = dialog.findChild<QLineEdit *>())
            TextDisplay::maskWithStars(box);
    }
    if (options.position) {
        dialog.adjustSize();
        dialog.move(*options.position);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtDialogService::chooseOpenFile(QWidget *parent, const QString &title,
                                        const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, documentsFolder(), filter);
}

QString QtDialogService::chooseSaveFile(QWidget *parent, const QString &title,
                                        const QString &filter, const QString &suggestedName)
{
    return QFileDialog::getSaveFileName(parent, title,
                                        QDir(documentsFolder()).filePath(suggestedName), filter);
}

#include "qtdialogservice.h"

#include "modalscreen.h"
#include "textdisplay.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// A screen reader may announce a box by its focused button alone, when the
// box opens as another window closes: the button then says the box's text.
void sayTextWithButton(QMessageBox *box)
{
    if (QPushButton *button = box->defaultButton())
        button->setAccessibleDescription(box->text());
}

QString chosenFile(ModalScreen<QFileDialog> &dialog)
{
    if (!dialog.run() || dialog.result() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles().value(0);
}

} // namespace

void QtDialogService::message(QWidget *parent, const QString &text, const QString &title)
{
    ModalScreen box(new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent));
    // Messages quote set texts and names, shown as they stand.
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    sayTextWithButton(box.get());
    box.run();
}

bool QtDialogService::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    ModalScreen box(new QMessageBox(QMessageBox::NoIcon, title, text,
                                    QMessageBox::Yes | QMessageBox::No, parent));
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Yes);
    sayTextWithButton(box.get());
    return box.run() && box.result() == QMessageBox::Yes;
}

int QtDialogService::choose(QWidget *parent, const QString &text, const QString &title,
                            const QStringList &choices)
{
    ModalScreen box(new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Cancel, parent));
    box->setTextFormat(Qt::PlainText);
    QList<QAbstractButton *> buttons;
    for (const QString &choice : choices)
        buttons << box->addButton(choice, QMessageBox::AcceptRole);
    if (!buttons.isEmpty())
        box->setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
    sayTextWithButton(box.get());
    box->setEscapeButton(QMessageBox::Cancel);
    if (!box.run())
        return -1;
    return int(buttons.indexOf(box->clickedButton()));
}

QString QtDialogService::prompt(QWidget *parent, const QString &text, const QString &title,
                                const PromptOptions &options)
{
    ModalScreen dialog(new QInputDialog(parent));
    dialog->setWindowTitle(title);
    dialog->setLabelText(text);
    dialog->setInputMode(QInputDialog::TextInput);
    TextDisplay::plainLabels(dialog.get());
    if (auto *box = dialog->findChild<QLineEdit *>()) {
        if (options.masked)
            TextDisplay::maskWithStars(box);
        if (options.maxLength > 0)
            box->setMaxLength(options.maxLength);
        box->setText(options.text);
        box->selectAll();
    }
    if (options.position) {
        dialog->adjustSize();
        dialog->move(*options.position);
    }
    if (!dialog.run() || dialog.result() != QDialog::Accepted)
        return {};
    return dialog->textValue();
}

QString QtDialogService::chooseOpenFile(QWidget *parent, const QString &title,
                                        const QString &filter)
{
    ModalScreen dialog(new QFileDialog(parent, title, documentsFolder(), filter));
    dialog->setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString QtDialogService::chooseSaveFile(QWidget *parent, const QString &title,
                                        const QString &filter, const QString &suggestedName)
{
    return askSavePath(parent, title, filter, QDir(documentsFolder()).filePath(suggestedName));
}

QString QtDialogService::askSavePath(QWidget *parent, const QString &title,
                                     const QString &filter, const QString &path)
{
    ModalScreen dialog(new QFileDialog(parent, title, path, filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    return chosenFile(dialog);
}

#pragma once

#include "dialogservice.h"

class QtDialogService final : public DialogService
{
public:
    void message(QWidget *parent, const QString &text, const QString &title) override;
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    int choose(QWidget *parent, const QString &text, const QString &title,
               const QStringList &choices) override;
    using DialogService::prompt;
    QString prompt(QWidget *parent, const QString &text, const QString &title,
                   const PromptOptions &options) override;
    // Both start in the user's documents folder.
    QString chooseOpenFile(QWidget *parent, const QString &title, const QString &filter) override;
    QString chooseSaveFile(QWidget *parent, const QString &title, const QString &filter,
                           const QString &suggestedName) override;

    // A file to write, asked in a file dialog that offers path; an empty
    // text when cancelled.
    static QString askSavePath(QWidget *parent, const QString &title, const QString &filter,
                               const QString &path);
};

#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every message box, text prompt and file chooser of the program goes through
// here, so that tests can script the answers.
class DialogService
{
public:
    virtual ~DialogService() = default;

    // A message box with an OK button and no icon.
    virtual void message(QWidget *parent, const QString &text, const QString &title) = 0;
    // A Yes/No box with no icon; true on Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;
    // A box with a button for each of choices (texts with their mnemonics,
    // the first Enter's) and Cancel, no icon; the index of the button
    // pressed, or -1 for Cancel, Escape or the close box.
    virtual int choose(QWidget *parent, const QString &text, const QString &title,
                       const QStringList &choices) = 0;

    struct PromptOptions
    {
        bool masked = false;
        // The most characters the box takes; 0 for no limit.
        int maxLength = 0;
        // Offered in the box, picked so that typing replaces it.
        QString text;
        // Top-left corner of the prompt in global coordinates, when given.
        std::optional<QPoint> position;
    };
    // A text prompt; Cancel answers an empty text.
    virtual QString prompt(QWidget *parent, const QString &text, const QString &title,
                           const PromptOptions &options) = 0;
    QString prompt(QWidget *parent, const QString &text, const QString &title)
    {
        return prompt(parent, text, title, PromptOptions{});
    }

    // A file to read or to write, chosen by the user; an empty text when
    // cancelled. filter as QFileDialog takes it ("CSV files (*.csv)");
    // suggestedName is the file name offered for saving.
    virtual QString chooseOpenFile(QWidget *parent, const QString &title,
                                   const QString &filter) = 0;
    virtual QString chooseSaveFile(QWidget *parent, const QString &title, const QString &filter,
                                   const QString &suggestedName) = 0;
};

#pragma once

#include "ui/dialogservice.h"

#include <QList>
#include <functional>
#include <QQueue>
#include <QString>

// Records every message box, prompt and file chooser and answers from queues
// (file choosers from texts, the title and filter recorded as title and text).
// A question asked with an empty queue fails the running test.
class ScriptedDialogs final : public DialogService
{
public:
    enum class Kind { Message, YesNo, Choice, Prompt, OpenFile, SaveFile };
    struct Shown
    {
        Kind kind;
        QString text;
        QString title;
        PromptOptions options;
    };

    void message(QWidget *parent, const QString &text, const QString &title) override;
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    // Answered from the texts: the index of the choice queued, -1 for any
    // other text (Cancel).
    int choose(QWidget *, const QString &text, const QString &title, const QStringList &choices) override
    {
        return int(choices.indexOf(answer({Kind::Choice, text, title, {}})));
    }
    using DialogService::prompt;
    QString prompt(QWidget *, const QString &text, const QString &title, const PromptOptions &options) override
    {
        return answer({Kind::Prompt, text, title, options});
    }
    QString chooseOpenFile(QWidget *, const QString &title, const QString &filter) override
    {
        return answer({Kind::OpenFile, filter, title, {}});
    }
    QString chooseSaveFile(QWidget *, const QString &title, const QString &filter, const QString &) override
    {
        return answer({Kind::SaveFile, filter, title, {}});
    }

    void answerYes(int times = 1) { yesNo.append(QList<bool>(times, true)); }
    void answerNo(int times = 1) { yesNo.append(QList<bool>(times, false)); }
    void answerText(const QString &text) { texts.enqueue(text); }

    // Called after each box is recorded, while it would be on screen.
    std::function<void(const Shown &)> onShown;
    // Message and Yes/No boxes with this text are recorded, then shown for
    // real; whatever closes the box answers it.
    QString realBox;

    QList<Shown> shown;
    QQueue<bool> yesNo;
    QQueue<QString> texts;

    // "text|title" of every box shown, in order, for compact comparisons.
    QStringList log() const;
    void clear() { shown.clear(); }
    bool queuesEmpty() const { return yesNo.isEmpty() && texts.isEmpty(); }

private:
    // Records a question answered with text and answers the next one queued.
    QString answer(const Shown &asked);
};

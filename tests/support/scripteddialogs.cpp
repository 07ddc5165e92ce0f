#include "scripteddialogs.h"

#include "ui/qtdialogservice.h"

#include <QTest>

void ScriptedDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    shown.append({Kind::Message, text, title, {}});
    if (onShown)
        onShown(shown.last());
    if (text == realBox)
        QtDialogService().message(parent, text, title);
}

bool ScriptedDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    shown.append({Kind::YesNo, text, title, {}});
    if (onShown)
        onShown(shown.last());
    if (text == realBox)
        return QtDialogService().askYesNo(parent, text, title);
    if (yesNo.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted Yes/No box: %1 | %2").arg(text, title)),
                     __FILE__, __LINE__);
        return false;
    }
    return yesNo.dequeue();
}

QString ScriptedDialogs::answer(const Shown &asked)
{
    shown.append(asked);
    if (onShown)
        onShown(shown.last());
    if (texts.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: %1 | %2").arg(asked.text, asked.title)),
                     __FILE__, __LINE__);
        return {};
    }
    return texts.dequeue();
}

QStringList ScriptedDialogs::log() const
{
    QStringList out;
    for (const Shown &s : shown)
        out << s.text + QLatin1Char('|') + s.title;
    return out;
}

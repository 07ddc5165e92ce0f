#pragma once

#include "fakesound.h"
#include "game/systemrandomsource.h"
#include "recordingprinter.h"
#include "scripteddialogs.h"
#include "storage/appstate.h"
#include "storage/questionrecord.h"
#include "storage/settings.h"
#include "ui/services.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

// A fresh program folder with a Questions folder, the shared state pointing at
// it, scripted dialogs, fake sound, a recording printer and a generator with
// a fixed seed; one per test.
class TestProgram
{
    // First, so that it is made before the settings that live in it.
    QTemporaryDir m_dir;

public:
    TestProgram();
    ~TestProgram();

    QString dir() const { return m_dir.path(); }
    QString questionsDir() const { return state.folders.questionsDir(); }
    QString setPath(const QString &fileName) const { return questionsDir() + u'/' + fileName; }

    // Writes a set file made of the given records, in order.
    QString writeSet(const QString &fileName, const QList<QuestionRecord> &records) const
    {
        return writeFile(fileName, bytesOf(records));
    }
    // Writes a set file holding exactly the given bytes.
    QString writeFile(const QString &fileName, const QByteArray &bytes) const;
    QByteArray readFile(const QString &path) const;
    // The bytes of records one after another, as a set file holds them.
    static QByteArray bytesOf(const QList<QuestionRecord> &records);

    // Closes and deletes every top-level window, for a test that starts its
    // screens afresh.
    static void closeAllWindows();
    // The top-level windows still there, by class and name: after a test,
    // and once its program has closed what it left open, none may be.
    static QStringList windowsLeft();
    // The shown top-level window with the given object name, if any.
    static QWidget *visibleWindow(const QString &objectName);

    AppState state;
    ScriptedDialogs dialogs;
    FakeSoundService sound;
    RecordingPrinter printer;
    SystemRandomSource random{20240611};
    Services services;
    // Kept in the test's own folder, never the user's.
    Settings settings{m_dir.filePath(QStringLiteral("quorvane.conf"))};
};

// Handy record builders.
QuestionRecord makeQuestion(int round, int number, const QString &question,
                            const QString &right = QStringLiteral("a"));
inline QuestionRecord makeHeader(const QString &message, const QString &creator, const QString &password)
{
    return QuestionRecord::header(message, creator, password);
}

// A control of a window, found by its object name; a missing one ends the run.
template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

#pragma once

#include "testprogram.h"

#include <QAbstractButton>
#include <QList>
#include <QString>
#include <QStringList>

class QuestionManager;

// Shortcuts for driving the main window and the question manager in tests.
namespace ManagerHelpers {

// Writes the set, makes it the current one and shows a manager over it.
QuestionManager *openManager(TestProgram &program, const QList<QuestionRecord> &records,
                             const QString &fileName = QStringLiteral("set.dat"));

// Clicks a row of the question list, as a user picking a question would.
void pickRow(QWidget *manager, int row);

// The texts of one column of the question list, top to bottom.
QStringList column(const QWidget *manager, int column);

// Clicks the button of a window with the given object name.
inline void click(const QWidget *window, const QString &button) { control<QAbstractButton>(window, button)->click(); }

// Fills the main window's add frame: answers "answer a" to "answer d", the
// right one given as 0 to 3 (-1 none), the round as its list position (-1 none).
void typeQuestion(const QWidget *mainWindow, const QString &question, int right, int round,
                  const QString &password);

// Every whole record of a set file, in file order.
QList<QuestionRecord> readRecords(const QString &path);

// The file names in a folder, sorted.
QStringList filesIn(const QString &dir);

} // namespace ManagerHelpers

#pragma once

#include "testprogram.h"

#include <QList>
#include <QString>
#include <QStringList>

class QuestionManager;

// Shortcuts for driving the question manager in tests.
namespace ManagerHelpers {

// Writes the set, makes it the current one and shows a manager over it.
QuestionManager *openManager(TestProgram &program, const QList<QuestionRecord> &records,
                   const QString &fileName = QStringLiteral("set.dat"));

// Clicks a row of the question list, as a user picking a question would.
void pickRow(QuestionManager *form, int row);

// The texts of one column of the question list, top to bottom.
QStringList column(const QuestionManager *form, int column);

// Every whole record of a set file, in file order.
QList<QuestionRecord> readRecords(const QString &path);

// The file names in a folder, sorted.
QStringList filesIn(const QString &dir);

} // namespace ManagerHelpers

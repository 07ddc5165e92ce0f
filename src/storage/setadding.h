#pragma once

#include <QString>

// A set file from anywhere (a friend's, say) copied into the folder the
// program keeps its sets in: which files may come in, and the copy itself.
// The name a copy takes is QuestionSet::freeName()'s.
namespace SetAdding {

// Why the file at source may not be added, as one message that names it:
// its name is not a set's (it must end in ".dat" and not be hidden, as the
// start screen lists them, and pass QuestionSet::nameProblem()), or the
// check of quorvane-sets cannot read it or finds problems (shown as check
// shows them: the findings, the first ten, then its verdict). Empty when the
// file checks clean.
QString refusal(const QString &source);

enum class Way {
    AsNew,     // the name must still be free; a file that took it meanwhile stays
    Replacing, // over the set that has the name, held against other writers
};

// Copies the file at source to path in one step: the copy takes the name
// whole or not at all, never leaving half a file. Replacing is refused when
// the set there may not be written or another program keeps it busy. On
// failure error says why and path is as it was.
bool copy(const QString &source, const QString &path, Way way, QString *error);

} // namespace SetAdding

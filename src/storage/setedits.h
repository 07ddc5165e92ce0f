#pragma once

#include "setstore.h"

#include <QString>

#include <optional>

// The changes question management makes to a set file, each opening the file,
// doing its work and closing it again.
namespace SetEdits {

// The first record whose number is the given one.
std::optional<SetStore::Found> findNumber(const QString &path, int number,
                                          QString *error = nullptr);

// Record n becomes record, written in one piece (SetFile::putRecord).
bool rewrite(const QString &path, int n, const QuestionRecord &record, QString *error = nullptr);

struct Removal
{
    int removed = 0;   // records dropped
    int remaining = 0; // records left in the file
};

// Drops record n; all others keep their contents and order. The file is
// replaced as a whole and atomically, and only when record n exists; on
// failure it is left exactly as it was.
std::optional<Removal> removeRecord(const QString &path, int n, QString *error = nullptr);

} // namespace SetEdits

#pragma once

#include "questionrecord.h"

#include <QString>

#include <array>
#include <optional>

// The operations every screen performs on a set file, each opening the file,
// doing its work and closing it again.
namespace SetStore {

using RoundCounts = std::array<int, 15>; // index i holds round i + 1

struct Found
{
    int n = 0; // record number
    QuestionRecord record;
};

// The first record whose number is 9999, wherever it stands.
std::optional<Found> findHeader(const QString &path, QString *error = nullptr);

// Questions per round; records outside rounds 1 to 15 count nowhere.
RoundCounts countRounds(const QString &path, QString *error = nullptr);

// Writes record at record_count + 1 and raises record_count only when the
// write succeeded. Refuses past the record limit.
bool append(const QString &path, int &record_count, const QuestionRecord &record,
            QString *error = nullptr);

} // namespace SetStore

#pragma once

#include "questionrecord.h"

#include <QString>

#include <optional>

// Reading one record of a set file by its position, as picking a row of the
// question list does.
namespace SetRead {

// Record n (from 1). Nothing when the file has no whole record n; a file
// that cannot be opened gives nothing too and sets error.
std::optional<QuestionRecord> recordAt(const QString &path, int n, QString *error = nullptr);
// The same record's bytes as they stand in the file.
std::optional<QByteArray> bytesAt(const QString &path, int n, QString *error = nullptr);

} // namespace SetRead

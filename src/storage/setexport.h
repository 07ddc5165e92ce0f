#pragma once

#include "csv.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A set's questions as comma-separated values that the import reads back.
namespace SetExport {

// The header row, in column order.
const QStringList &columns();

struct Result
{
    QString error; // the set could not be read; csv is then empty
    QByteArray csv; // CRLF line ends, header row first
    int rows = 0;
    // Records left out or exported in a form the import will refuse.
    QStringList warnings;
};

// Every record counted in a round, in file order: round as 1 to 15, the
// right letter in upper case, texts as stored. The default format, UTF-8
// behind a byte order mark, is what spreadsheet programs open as UTF-8;
// without the mark some take it for their local code page.
Result toCsv(const QString &path, const Csv::Format &format = {});

// The same, written to csvPath in one crash-safe replace; error says why
// nothing was written, the set file itself being refused as csvPath.
Result toFile(const QString &path, const QString &csvPath, const Csv::Format &format = {});

} // namespace SetExport

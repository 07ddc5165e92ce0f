#pragma once

#include "csv.h"
#include "questionrecord.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Questions from comma-separated values into a set file, stored exactly as
// the main window stores the questions it adds. Nothing is written unless
// every row and every detail is valid.
namespace SetImport {

struct Problem
{
    int line = 0; // physical line of the CSV where the row starts
    QString reason;
};

// Questions packed as a set stores them, one record after another: the rows
// of a large file are kept as one block rather than as tens of thousands of
// strings, and written as they are.
class Records
{
public:
    Records() = default;
    // Each packed as it is; writing numbers them anew.
    Records(const QList<QuestionRecord> &questions);

    qsizetype size() const { return m_bytes.size() / QuestionRecord::LENGTH; }
    bool isEmpty() const { return m_bytes.isEmpty(); }
    QuestionRecord at(qsizetype k) const;
    const QByteArray &bytes() const { return m_bytes; }
    // raw holds one whole record.
    void append(QByteArrayView raw) { m_bytes.append(raw); }
    void clear() { m_bytes.clear(); }
    void reserve(qsizetype records) { m_bytes.reserve(records * QuestionRecord::LENGTH); }

    friend bool operator==(const Records &, const Records &) = default;

private:
    QByteArray m_bytes;
};

struct Rows
{
    // Ready to store, except number, which is given when they are written.
    Records questions;
    QList<Problem> problems;
    Csv::Format format; // as found in the file
    bool ok() const { return problems.isEmpty(); }
};

// Text as Csv::read takes it: a header row naming the columns (any letter
// case, separated by commas, semicolons or tabs), then one question per row.
Rows readCsv(const QByteArray &bytes);
// The most bytes a CSV to import may have. A set holds at most 32767
// records, and a record's row takes under 2 KB however it is written (400
// characters of up to three bytes each, quotes, marks and separators), so no
// set's questions come to more; a larger file (or a device that never ends)
// is refused before it is read.
constexpr qint64 MAX_CSV_BYTES = qint64(64) << 20;
// The same, read from a plain file (through a link too); nothing, with error
// set, when it cannot be read, is no plain file or is larger than MAX_CSV_BYTES.
std::optional<Rows> readCsvFile(const QString &path, QString *error);
// The same from a device open for reading, such as standard input; name says
// where from in error.
std::optional<Rows> readCsv(QIODevice &in, const QString &name, QString *error);

// The first limit lines, the rest counted as "and 4 more"; all of them when
// limit is negative. A message box names no more than fit on a screen.
QStringList firstLines(const QStringList &lines, int limit);
// One line per problem, "quiz.csv, line 3: round ...", the file named by
// csvName, cut as firstLines() cuts.
QStringList problemLines(const QString &csvName, const QList<Problem> &problems, int limit = -1);

struct Details
{
    QString creator;
    QString message;
    QString password;
};

// The header of a new set, trimmed, a blank creator or message each filled
// with its default as a new set gets them.
QuestionRecord headerFor(const Details &details);
// What keeps the details from fitting the header, one line each.
QStringList detailProblems(const Details &details);

struct Result
{
    enum Status {
        Written,
        Refused, // the data or the password was not accepted; nothing written
        Failed,  // a file could not be used; nothing written
    };
    Status status = Failed;
    QStringList messages;
    int firstNumber = 0; // number given to the first question written
    int records = 0;      // records in the file afterwards
};

// A new set file: header as record 1, then question k as record k + 1 with
// number k + 1. Refuses a path that exists.
Result create(const QString &path, const Details &details, const Records &questions);

// Adds the questions behind the records of an existing set in one crash-safe
// write, numbered as QuestionSet::Numbering gives them.
Result append(const QString &path, const Records &questions);
// The same once password matches a header as the adding screen checks it.
Result append(const QString &path, const QString &password, const Records &questions);

} // namespace SetImport

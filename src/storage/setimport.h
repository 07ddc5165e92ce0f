#pragma once

#include "csv.h"
#include "questionrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Questions from comma-separated values into a set file, stored exactly as
// the main window stores the questions it adds. Nothing is written unless
// every row and every detail is valid.
namespace SetImport {

// Question numbers from here on are refused: they come close to the
// header's 9999 and the check reports them.
constexpr int FIRST_BAD_NUMBER = 9000;

struct Problem
{
    int line = 0; // physical line of the CSV where the row starts
    QString reason;
};

struct Rows
{
    // Ready to store, except number, which is given when they are written.
    QList<QuestionRecord> questions;
    QList<Problem> problems;
    Csv::Format format; // as found in the file
    bool ok() const { return problems.isEmpty(); }
};

// Text as Csv::read takes it: a header row naming the columns (any letter
// case, separated by commas, semicolons or tabs), then one question per row.
Rows readCsv(const QByteArray &bytes);

// A question or answer as the main window stores it: upper-cased as every
// stored text is, then stripped of leading and trailing spaces.
QString storedText(const QString &typed);

struct Details
{
    QString creator;
    QString message;
    QString password;
};

// The header of a new set, with the start screen's defaults for a blank
// creator or message.
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
    int first_number = 0; // number given to the first question written
    int records = 0;      // records in the file afterwards
};

// A new set file: header as record 1, then question k as record k + 1 with
// number k + 1. Refuses a path that exists.
Result create(const QString &path, const Details &details, const QList<QuestionRecord> &questions);

// Adds the questions behind the records of an existing set once password
// matches its header as the adding screen checks it. Numbers run on from the
// larger of the record count + 1 and the highest number below 9000 + 1.
Result append(const QString &path, const QString &password, const QList<QuestionRecord> &questions);

} // namespace SetImport

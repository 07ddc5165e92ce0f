#pragma once

#include "questionset.h"

#include <QList>
#include <QString>

// Everything that makes a set file damaged or unplayable, found in one pass.
namespace SetCheck {

struct Finding
{
    int record = 0; // the record concerned, or 0 for the file or a round
    QString text;   // one line, naming the record when there is one
};

struct Report
{
    QString error; // set when the file could not be read; nothing else is
    int records = 0; // whole records in the file
    int questions = 0; // records that are questions (QuestionSet::isQuestion)
    QuestionSet::RoundCounts counts{};
    QList<Finding> findings;

    bool readable() const { return error.isEmpty(); }
    // As QuestionSet::playable() says of the counts.
    bool playable() const;
    QString verdict() const;
};

Report check(const QString &path);

} // namespace SetCheck

#include "setcheck.h"

#include "ladder.h"
#include "plainfile.h"
#include "questionrecord.h"
#include "questionset.h"
#include "setfile.h"

#include <QFileInfo>
#include <QHash>

namespace {

bool allZero(QByteArrayView raw)
{
    for (const char b : raw) {
        if (b != 0)
            return false;
    }
    return true;
}

QString recordText(int n, const QString &what)
{
    return QStringLiteral("record %1: %2").arg(n).arg(what);
}

} // namespace

namespace SetCheck {

bool Report::playable() const
{
    return QuestionSet::playable(counts);
}

QString Report::verdict() const
{
    const QString summary = QStringLiteral("%1 record(s), %2 question(s)").arg(records).arg(questions);
    if (findings.isEmpty())
        return QStringLiteral("OK: %1; the set can be played.").arg(summary);
    return QStringLiteral("%1 problem(s): %2; the set %3.")
        .arg(findings.size())
        .arg(summary,
             playable() ? QStringLiteral("can be played") : QStringLiteral("cannot be played"));
}

Report check(const QString &path)
{
    Report report;
    QFileInfo info(path);
    if (const QString why = PlainFile::whyNoFile(path); !why.isEmpty()) {
        report.error = QStringLiteral("\"%1\" %2").arg(path, why);
        return report;
    }
    // Memory and time go by what a set can hold, never by the file's length.
    if (!SetFile::lengthProblem(path, info.size()).isEmpty()) {
        report.findings << Finding{0, QStringLiteral("length %1 bytes is more than the %2 records "
                                                     "a set can hold; the file is not read")
                                          .arg(info.size())
                                          .arg(SetFile::MAX_RECORDS)};
        return report;
    }

    int headerAt = 0;
    QHash<qint16, int> firstWithNumber;
    QList<Finding> &out = report.findings;
    const bool read = SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            ++report.records;
            const QuestionRecord rec = QuestionRecord::fromBytes(raw);
            if (QuestionSet::isQuestion(raw)) {
                ++report.counts[rec.round - 1];
                ++report.questions;
            }
            if (allZero(raw)) {
                out << Finding{n, recordText(n, QStringLiteral("zero-filled record (round 0, "
                                                               "number 0); it belongs to no round"))};
                return true;
            }
            if (rec.isHeader()) {
                if (headerAt != 0) {
                    out << Finding{n, recordText(n, QStringLiteral("a second header (number 9999); "
                                                                   "only record %1 is used")
                                                        .arg(headerAt))};
                } else {
                    headerAt = n;
                }
                if (rec.round != QuestionRecord::HEADER_ROUND) {
                    out << Finding{n, recordText(n, QStringLiteral("header has round %1 instead of 99")
                                                        .arg(rec.round))};
                }
                return true;
            }
            if (rec.number >= QuestionSet::FIRST_RESERVED_NUMBER) {
                out << Finding{n, recordText(n, QStringLiteral("number %1 is %2 or above; the "
                                                               "record is no question and never "
                                                               "asked")
                                                    .arg(rec.number)
                                                    .arg(QuestionSet::FIRST_RESERVED_NUMBER))};
            }
            const auto seen = firstWithNumber.constFind(rec.number);
            if (seen != firstWithNumber.constEnd()) {
                out << Finding{n, recordText(n, QStringLiteral("duplicate number %1, also used by record %2")
                                                    .arg(rec.number)
                                                    .arg(seen.value()))};
            } else {
                firstWithNumber.insert(rec.number, n);
            }
            if (!rec.inRound()) {
                out << Finding{n, recordText(n, QStringLiteral("round %1 is outside 1 to 15; the "
                                                               "question is never asked")
                                                    .arg(rec.round))};
            }
            static const QStringList letters = {QStringLiteral("a"), QStringLiteral("b"),
                                                QStringLiteral("c"), QStringLiteral("d")};
            if (!letters.contains(rec.right_answer)) {
                out << Finding{n, recordText(n, QStringLiteral("right answer \"%1\" is not a, b, c or d")
                                                    .arg(rec.right_answer))};
            }
            return true;
        },
        &report.error);
    if (!read)
        return report;

    // File-level findings go first: they explain the record-level ones.
    QList<Finding> head;
    const qint64 rest = info.size() % QuestionRecord::LENGTH;
    if (rest != 0) {
        head << Finding{0, QStringLiteral("length %1 bytes is not a multiple of 405; the last %2 "
                                          "byte(s) are not a whole record")
                               .arg(info.size())
                               .arg(rest)};
    }
    if (headerAt == 0)
        head << Finding{0, QStringLiteral("no header (no record has number 9999)")};
    out = head + out;
    for (int r = 1; r <= Ladder::STEPS; ++r) {
        if (report.counts[r - 1] == 0)
            out << Finding{0, QStringLiteral("round %1 (%2) has no question")
                                  .arg(r)
                                  .arg(Ladder::amount(r))};
    }
    return report;
}

} // namespace SetCheck

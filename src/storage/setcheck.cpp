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

// What one pass over the records finds, record by record.
class RecordChecker
{
public:
    explicit RecordChecker(SetCheck::Report &report)
        : m_report(report)
    {
    }
    bool visit(int n, QByteArrayView raw);
    int headerAt() const { return m_headerAt; }

private:
    void add(int n, const QString &what)
    {
        m_report.findings << SetCheck::Finding{n, recordText(n, what)};
    }
    void checkHeader(int n, const QuestionRecord &rec);
    void checkQuestion(int n, const QuestionRecord &rec);

    SetCheck::Report &m_report;
    int m_headerAt = 0;
    QHash<qint16, int> m_firstWithNumber;
};

bool RecordChecker::visit(int n, QByteArrayView raw)
{
    ++m_report.records;
    const QuestionRecord rec = QuestionRecord::fromBytes(raw);
    if (QuestionSet::isQuestion(raw)) {
        ++m_report.counts[rec.round - 1];
        ++m_report.questions;
    }
    if (allZero(raw))
        add(n, QStringLiteral("zero-filled record (round 0, number 0); it belongs to no round"));
    else if (rec.isHeader())
        checkHeader(n, rec);
    else
        checkQuestion(n, rec);
    return true;
}

void RecordChecker::checkHeader(int n, const QuestionRecord &rec)
{
    if (m_headerAt != 0)
        add(n, QStringLiteral("a second header (number 9999); only record %1 is used")
                   .arg(m_headerAt));
    else
        m_headerAt = n;
    if (rec.round != QuestionRecord::HEADER_ROUND)
        add(n, QStringLiteral("header has round %1 instead of 99").arg(rec.round));
}

void RecordChecker::checkQuestion(int n, const QuestionRecord &rec)
{
    if (rec.number >= QuestionSet::FIRST_RESERVED_NUMBER) {
        add(n, QStringLiteral("number %1 is %2 or above; the record is no question and never "
                              "asked")
                   .arg(rec.number)
                   .arg(QuestionSet::FIRST_RESERVED_NUMBER));
    }
    if (const auto seen = m_firstWithNumber.constFind(rec.number);
        seen != m_firstWithNumber.constEnd())
        add(n, QStringLiteral("duplicate number %1, also used by record %2")
                   .arg(rec.number)
                   .arg(*seen));
    else
        m_firstWithNumber.insert(rec.number, n);
    if (!rec.inRound())
        add(n, QStringLiteral("round %1 is outside 1 to 15; the question is never asked")
                   .arg(rec.round));
    static const QStringList letters = {QStringLiteral("a"), QStringLiteral("b"),
                                        QStringLiteral("c"), QStringLiteral("d")};
    if (!letters.contains(rec.right_answer))
        add(n, QStringLiteral("right answer \"%1\" is not a, b, c or d").arg(rec.right_answer));
}

QList<SetCheck::Finding> fileFindings(qint64 size, int headerAt)
{
    QList<SetCheck::Finding> found;
    if (const qint64 rest = size % QuestionRecord::LENGTH; rest != 0) {
        found << SetCheck::Finding{0, QStringLiteral("length %1 bytes is not a multiple of 405; the "
                                                     "last %2 byte(s) are not a whole record")
                                          .arg(size)
                                          .arg(rest)};
    }
    if (headerAt == 0)
        found << SetCheck::Finding{0, QStringLiteral("no header (no record has number 9999)")};
    return found;
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
    RecordChecker records(report);
    if (!SetFile::scan(
            path, [&](int n, QByteArrayView raw) { return records.visit(n, raw); }, &report.error))
        return report;
    // File-level findings go first: they explain the record-level ones.
    report.findings = fileFindings(info.size(), records.headerAt()) + report.findings;
    for (int r = 1; r <= Ladder::STEPS; ++r) {
        if (report.counts[r - 1] == 0)
            report.findings << Finding{0, QStringLiteral("round %1 (%2) has no question")
                                              .arg(r)
                                              .arg(Ladder::amount(r))};
    }
    return report;
}

} // namespace SetCheck

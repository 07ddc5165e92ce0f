#include "storage/setcheck.h"
#include "storage/setfile.h"
#include "storage/setimport.h"

#include <QSet>
#include <QtTest>

#include <algorithm>

#ifndef QUORVANE_BUNDLED_CSV
#define QUORVANE_BUNDLED_CSV ""
#endif

// The question set that ships with the program, as the build made it from
// its CSV: clean, playable, and written the way the program writes sets.
class TestBundledSet : public QObject
{
    Q_OBJECT

private slots:
    void cleanAndBuiltFromTheCsv()
    {
        const QString build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
        if (build.isEmpty())
            QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
        const QString set = build + QStringLiteral("/quorvane/Questions/General Knowledge.dat");
        const SetCheck::Report report = SetCheck::check(set);
        QVERIFY2(report.readable() && report.findings.isEmpty() && report.playable(),
                 qPrintable(report.error + report.findings.value(0).text));
        QVERIFY(*std::min_element(report.counts.begin(), report.counts.end()) >= 5); // five a round at least

        QString error;
        const std::optional<SetImport::Rows> csv = SetImport::readCsvFile(QStringLiteral(QUORVANE_BUNDLED_CSV), &error);
        QVERIFY2(csv && csv->ok() && !csv->questions.isEmpty(), qPrintable(error));
        // The header first, then the CSV's rows in order, numbered as the main
        // window numbers the questions it adds.
        QList<QuestionRecord> records;
        QVERIFY(SetFile::scan(set, [&](int, QByteArrayView raw) {
            records << QuestionRecord::fromBytes(raw);
            return true;
        }));
        QCOMPARE(records.size(), csv->questions.size() + 1);
        const QuestionRecord &header = records.first();
        QVERIFY(header.isHeader() && header.answer_a == QLatin1String("Quorvane"));
        QCOMPARE(header.answer_b, QString()); // no password: newcomers may edit it
        QVERIFY(!header.question.isEmpty() && header.question.size() <= 150); // what the start screen takes

        // No question twice (letter case and runs of spaces do not count), four
        // different answers each; each letter right for between a sixth and a
        // third of the questions, and for at most three questions of a round.
        QSet<QString> seen;
        QMap<QString, int> overall;
        QMap<QPair<int, QString>, int> perRound;
        for (qsizetype k = 0; k < csv->questions.size(); ++k) {
            QuestionRecord q = csv->questions.at(k);
            q.number = qint16(k + 2);
            QCOMPARE(records.at(k + 1), q);
            const QString key = q.question.simplified().toUpper();
            const QSet<QString> answers{q.answer_a, q.answer_b, q.answer_c, q.answer_d};
            QVERIFY2(!seen.contains(key) && answers.size() == 4, qPrintable(q.question));
            seen.insert(key);
            ++overall[q.right_answer];
            QVERIFY2(++perRound[qMakePair(int(q.round), q.right_answer)] <= 3, qPrintable(q.question));
        }
        for (const QString letter : {"a", "b", "c", "d"}) {
            const qsizetype n = overall.value(letter);
            QVERIFY2(n * 6 >= seen.size() && n * 3 <= seen.size(), qPrintable(QStringLiteral("%1: %2").arg(letter).arg(n)));
        }
    }
};

QTEST_GUILESS_MAIN(TestBundledSet)
#include "tst_bundledset.moc"

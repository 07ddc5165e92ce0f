#include "storage/setcheck.h"
#include "testprogram.h"

#include <QtTest>

class TestSetCheck : public QObject
{
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<QByteArray>("file");
        // "record|words" for each finding, in the order reported; record 0 for
        // the file or a round.
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("playable");

        // A playable set as the program makes it: header, then one question a round.
        QList<QuestionRecord> good{makeHeader("HELLO", "ANN", "pw")};
        for (int round = 1; round <= 15; ++round)
            good << makeQuestion(round, round + 1, QStringLiteral("Q%1").arg(round));
        QTest::newRow("program-made set, header last")
            << TestProgram::bytesOf(good.mid(1) + good.mid(0, 1)) << QStringList{} << true;
        QTest::newRow("no header") << TestProgram::bytesOf(good.mid(1)) << QStringList{"0|no header"} << true;
        QuestionRecord headerInRound = good.first();
        headerInRound.round = 5;
        QTest::newRow("second header, in a round") << TestProgram::bytesOf(good + QList{headerInRound})
            << QStringList{"17|a second header (number 9999); only record 1 is used", "17|header has round 5"}
            << true;
        QTest::newRow("length not a multiple of 405") << TestProgram::bytesOf(good) + QByteArray(100, 'x')
            << QStringList{"0|length 6580 bytes is not a multiple of 405; the last 100"} << true;
        QTest::newRow("record problems")
            << TestProgram::bytesOf(good + QList{makeQuestion(4, 2, "AGAIN"), makeQuestion(3, 9000, "X"),
                                    makeQuestion(3, 8999, "Y"), makeQuestion(16, 20, "X"),
                                    makeQuestion(-1, 21, "Z"), makeQuestion(1, 22, "X", "A"),
                                    makeQuestion(1, 23, "Z", "")})
                   + QByteArray(405, '\0') << QStringList{"17|duplicate number 2, also used by record 2",
                           "18|number 9000 is 9000 or above", "20|round 16 is outside 1 to 15",
                           "21|round -1 is outside 1 to 15", "22|right answer \"A\" is not a, b, c or d",
                           "23|right answer \"\" is not a, b, c or d", "24|zero-filled record"} << true;

        QList<QuestionRecord> gaps = good;
        gaps.removeAt(15); // round 15
        gaps.removeAt(7);  // round 7
        gaps << makeQuestion(7, 9000, "NO QUESTION");
        QTest::newRow("rounds without a question") << TestProgram::bytesOf(gaps)
            << QStringList{"15|number 9000 is 9000 or above; the record is no question",
                           "0|round 7 (\u00A34000) has no question",
                           "0|round 15 (\u00A31000000) has no question"} << false;

        QStringList allRounds{"0|no header"};
        for (int round = 1; round <= 15; ++round)
            allRounds << QStringLiteral("0|round %1 (").arg(round);
        QTest::newRow("empty file") << QByteArray() << allRounds << false;
    }

    void findings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QFETCH(bool, playable);
        TestProgram program;
        const SetCheck::Report report = SetCheck::check(program.writeFile(QStringLiteral("hand.dat"), file));
        QVERIFY2(report.readable(), qPrintable(report.error));
        QCOMPARE(report.records, int(file.size() / 405));
        QCOMPARE(report.findings.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const SetCheck::Finding &f = report.findings[i];
            const QString record = expected[i].section(u'|', 0, 0);
            const QString prefix = f.record == 0 ? QString() : QStringLiteral("record %1: ").arg(f.record);
            QVERIFY2(QString::number(f.record) == record && f.text.startsWith(prefix)
                         && f.text.contains(expected[i].section(u'|', 1)) && !f.text.contains(u'\n'),
                     qPrintable(QStringLiteral("%1 does not match %2").arg(f.text, expected[i])));
        }
        QCOMPARE(report.playable(), playable);
        const QString verdict = report.verdict();
        QVERIFY2(verdict.startsWith(expected.isEmpty() ? QStringLiteral("OK:")
                                                       : QStringLiteral("%1 problem(s)").arg(expected.size()))
                     && verdict.endsWith(playable ? "can be played." : "cannot be played."),
                 qPrintable(verdict));
    }
};

QTEST_GUILESS_MAIN(TestSetCheck)
#include "tst_setcheck.moc"

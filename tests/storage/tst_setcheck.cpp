#include "storage/setcheck.h"
#include "testprogram.h"

#include <QtTest>

namespace {

// A playable set as the program makes it: header, then one question a round.
QList<QuestionRecord> playableSet()
{
    QList<QuestionRecord> records{makeHeader(QStringLiteral("HELLO"), QStringLiteral("ANN"),
                                             QStringLiteral("pw"))};
    for (int round = 1; round <= 15; ++round)
        records << makeQuestion(round, round + 1, QStringLiteral("Q%1").arg(round));
    return records;
}

QByteArray bytesOf(const QList<QuestionRecord> &records)
{
    QByteArray out;
    for (const QuestionRecord &r : records)
        out += r.toBytes();
    return out;
}

} // namespace

class TestSetCheck : public QObject
{
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void unreadableFile();
};

void TestSetCheck::findings_data()
{
    QTest::addColumn<QByteArray>("file");
    // "record|words" for each finding, in the order reported; record 0 for
    // the file or a round.
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("playable");

    const QList<QuestionRecord> good = playableSet();
    QTest::newRow("program-made set is clean") << bytesOf(good) << QStringList{} << true;

    QList<QuestionRecord> headerLast = good.mid(1);
    headerLast << good.first();
    QTest::newRow("header need not come first") << bytesOf(headerLast) << QStringList{} << true;

    QTest::newRow("no header") << bytesOf(good.mid(1)) << QStringList{"0|no header"} << true;

    QTest::newRow("second header") << bytesOf(good + QList{good.first()})
                                   << QStringList{"17|a second header (number 9999); only record 1"}
                                   << true;

    QList<QuestionRecord> headerInRound = good;
    headerInRound[0].round = 5;
    QTest::newRow("header inside a round") << bytesOf(headerInRound)
                                           << QStringList{"1|header has round 5"} << true;

    QTest::newRow("length not a multiple of 405")
        << bytesOf(good) + QByteArray(100, 'x')
        << QStringList{"0|length 6580 bytes is not a multiple of 405; the last 100"} << true;

    QList<QuestionRecord> dup = good;
    dup[3].number = 2;
    dup << makeQuestion(4, 2, QStringLiteral("AGAIN"));
    QTest::newRow("duplicate numbers")
        << bytesOf(dup)
        << QStringList{"4|duplicate number 2, also used by record 2",
                       "17|duplicate number 2, also used by record 2"}
        << true;

    QTest::newRow("numbers from 9000")
        << bytesOf(good + QList{makeQuestion(3, 9000, QStringLiteral("X")),
                                makeQuestion(3, 8999, QStringLiteral("Y")),
                                makeQuestion(3, 12000, QStringLiteral("Z"))})
        << QStringList{"17|number 9000 is 9000 or above", "19|number 12000 is 9000 or above"}
        << true;

    QTest::newRow("rounds outside 1 to 15")
        << bytesOf(good + QList{makeQuestion(16, 17, QStringLiteral("X")),
                                makeQuestion(0, 18, QStringLiteral("Y")),
                                makeQuestion(-1, 19, QStringLiteral("Z"))})
        << QStringList{"17|round 16 is outside 1 to 15", "18|round 0 is outside 1 to 15",
                       "19|round -1 is outside 1 to 15"}
        << true;

    QTest::newRow("zero-filled records")
        << bytesOf(good) + QByteArray(2 * 405, '\0') + makeQuestion(1, 19, QStringLiteral("L")).toBytes()
        << QStringList{"17|zero-filled record", "18|zero-filled record"} << true;

    QTest::newRow("right letters")
        << bytesOf(good + QList{makeQuestion(1, 17, QStringLiteral("X"), QStringLiteral("A")),
                                makeQuestion(1, 18, QStringLiteral("Y"), QStringLiteral("e")),
                                makeQuestion(1, 19, QStringLiteral("Z"), QString())})
        << QStringList{"17|right answer \"A\" is not a, b, c or d",
                       "18|right answer \"e\" is not a, b, c or d",
                       "19|right answer \"\" is not a, b, c or d"}
        << true;

    QList<QuestionRecord> gaps = good;
    gaps.removeAt(15); // round 15
    gaps.removeAt(7);  // round 7
    QTest::newRow("rounds without a question")
        << bytesOf(gaps)
        << QStringList{"0|round 7 (\u00A34000) has no question",
                       "0|round 15 (\u00A31000000) has no question"}
        << false;

    QStringList allRounds{"0|no header"};
    for (const char *amount : {"100", "200", "300", "500", "1000", "2000", "4000", "8000", "16000",
                               "32000", "64000", "125000", "250000", "500000", "1000000"}) {
        allRounds << QStringLiteral("0|round %1 (\u00A3%2) has no question")
                         .arg(allRounds.size())
                         .arg(QLatin1String(amount));
    }
    QTest::newRow("empty file") << QByteArray() << allRounds << false;
}

void TestSetCheck::findings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(bool, playable);
    TestProgram program;
    const QString path = program.setPath(QStringLiteral("hand.dat"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    const SetCheck::Report report = SetCheck::check(path);
    QVERIFY2(report.readable(), qPrintable(report.error));
    QCOMPARE(report.records, int(file.size() / 405));
    QStringList got;
    for (const SetCheck::Finding &f : report.findings) {
        QVERIFY2(!f.text.contains(QLatin1Char('\n')), qPrintable(f.text));
        if (f.record != 0)
            QVERIFY2(f.text.startsWith(QStringLiteral("record %1: ").arg(f.record)), qPrintable(f.text));
        got << QStringLiteral("%1|%2").arg(f.record).arg(f.text);
    }
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString record = expected[i].section(QLatin1Char('|'), 0, 0);
        const QString words = expected[i].section(QLatin1Char('|'), 1);
        QVERIFY2(got[i].startsWith(record + QLatin1Char('|')) && got[i].contains(words),
                 qPrintable(QStringLiteral("%1 does not match %2").arg(got[i], expected[i])));
    }
    QCOMPARE(report.playable(), playable);
    const QString verdict = report.verdict();
    QVERIFY(!verdict.contains(QLatin1Char('\n')));
    if (expected.isEmpty())
        QVERIFY2(verdict.startsWith(QLatin1String("OK:")), qPrintable(verdict));
    else
        QVERIFY2(verdict.startsWith(QStringLiteral("%1 problem(s)").arg(expected.size())),
                 qPrintable(verdict));
    QCOMPARE(verdict.endsWith(QLatin1String("cannot be played.")), !playable);
}

void TestSetCheck::unreadableFile()
{
    TestProgram program;
    const SetCheck::Report missing = SetCheck::check(program.setPath(QStringLiteral("none.dat")));
    QVERIFY(!missing.readable());
    QVERIFY(missing.error.contains(QLatin1String("none.dat")));
    QVERIFY(missing.findings.isEmpty());

    const SetCheck::Report folder = SetCheck::check(program.questionsDir());
    QVERIFY(!folder.readable());
}

QTEST_GUILESS_MAIN(TestSetCheck)
#include "tst_setcheck.moc"

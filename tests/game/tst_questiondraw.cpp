#include "game/drawrecord.h"
#include "game/questiondraw.h"
#include "game/systemrandomsource.h"
#include "scriptedrandom.h"
#include "testprogram.h"

#include <QtEndian>
#include <QtTest>

namespace {

QuestionRecord question(int round, int number, const QString &text, const QString &right = "a")
{
    QuestionRecord r = makeQuestion(round, number, text, right);
    r.answer_a = text + " A";
    r.answer_d = text + " D";
    return r;
}

// A set mixing rounds 3 and 4 around the header, with a zero-filled record
// and a record of a round outside the ladder.
QList<QuestionRecord> mixedSet()
{
    QuestionRecord zero; // round 0, number 0, all empty
    QuestionRecord beyond = question(16, 9, "ROUND SIXTEEN");
    return {question(3, 1, "THREE ONE", "b"), makeHeader("Msg", "Ann", "pw"),
            question(4, 3, "FOUR ONE"),       zero,
            question(3, 5, "THREE TWO", "c"), beyond,
            question(3, 7, "THREE THREE", "d")};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestQuestionDraw : public QObject
{
    Q_OBJECT

private slots:
    void drawsOnlyTheRoundsQuestions_data();
    void drawsOnlyTheRoundsQuestions();
    void drawRecordLayout();
    void roundWithoutQuestions();
    void leftoverScratchFile_data();
    void leftoverScratchFile();
    void pickStaysInRange_data();
    void pickStaysInRange();
    void everyQuestionIsReachable();
};

void TestQuestionDraw::drawsOnlyTheRoundsQuestions_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("count");

    QTest::newRow("round 3, first") << 3 << 1 << "THREE ONE" << "b" << 3;
    QTest::newRow("round 3, second") << 3 << 2 << "THREE TWO" << "c" << 3;
    QTest::newRow("round 3, third") << 3 << 3 << "THREE THREE" << "d" << 3;
    QTest::newRow("round 4, the only one") << 4 << 1 << "FOUR ONE" << "a" << 1;
}

void TestQuestionDraw::drawsOnlyTheRoundsQuestions()
{
    QFETCH(int, round);
    QFETCH(int, r);
    QFETCH(QString, text);
    QFETCH(QString, right);
    QFETCH(int, count);

    TestProgram program;
    program.state.set_path = program.writeSet("quiz.dat", mixedSet());
    ScriptedRandom random;
    random.pushPick(r, count);

    const QuestionDraw::Result result = QuestionDraw::run(program.state, round, random);
    QVERIFY(result.ok);
    QCOMPARE(result.count, count);
    QCOMPARE(result.drawn, r);
    QVERIFY(result.record);
    QCOMPARE(result.record->question, text);
    QCOMPARE(result.record->answer_a, text + " A");
    QCOMPARE(result.record->answer_b, QString("ANSWER B"));
    QCOMPARE(result.record->answer_d, text + " D");
    QCOMPARE(result.record->right_answer, right);
    QCOMPARE(program.state.draw_count, count);
    QCOMPARE(program.state.DRAW_RECORD_LEN, qint16(403));
    QCOMPARE(program.state.draw_path, program.questionsDir() + "/q_rand.tmp");
    QVERIFY(!QFile::exists(program.state.draw_path));
}

void TestQuestionDraw::drawRecordLayout()
{
    QuestionRecord source = question(7, 12, "WHAT IS £5?", "c");
    source.answer_b = "  PADDED  ";
    const QByteArray set = source.toBytes();
    const QByteArray raw = DrawRecord::pack(513, set);

    QCOMPARE(raw.size(), 403);
    QCOMPARE(qFromLittleEndian<qint16>(raw.constData()), qint16(513));
    QCOMPARE(raw.mid(0, 2), QByteArray("\x01\x02", 2));
    // The six texts are the set record's bytes 4..404, unchanged.
    QCOMPARE(raw.mid(2), set.mid(4));
    QCOMPARE(raw.at(2 + 8), '\xA3'); // the pound sign of Windows-1252

    const DrawRecord back = DrawRecord::fromBytes(raw);
    QCOMPARE(back.seq, qint16(513));
    QCOMPARE(back.question, QString("WHAT IS £5?"));
    QCOMPARE(back.answer_b, QString("PADDED"));
    QCOMPARE(back.right_answer, QString("c"));

    // A right-answer letter is used exactly as stored, even upper case.
    QByteArray upper = raw;
    upper[402] = 'B';
    QCOMPARE(DrawRecord::fromBytes(upper).right_answer, QString("B"));
}

void TestQuestionDraw::roundWithoutQuestions()
{
    TestProgram program;
    program.state.set_path = program.writeSet("quiz.dat", mixedSet());
    ScriptedRandom random;
    const QuestionDraw::Result result = QuestionDraw::run(program.state, 9, random);
    QVERIFY(result.ok);
    QCOMPARE(result.count, 0);
    QVERIFY(!result.record);
    QVERIFY(!QFile::exists(program.state.draw_path));
}

void TestQuestionDraw::leftoverScratchFile_data()
{
    QTest::addColumn<int>("staleRecords");
    QTest::addColumn<int>("extraBytes");
    QTest::addColumn<int>("countedBefore");

    QTest::newRow("two whole records") << 2 << 0 << 2;
    QTest::newRow("partial record under half") << 2 << 100 << 2;
    QTest::newRow("partial record over half") << 2 << 300 << 3;
}

void TestQuestionDraw::leftoverScratchFile()
{
    QFETCH(int, staleRecords);
    QFETCH(int, extraBytes);
    QFETCH(int, countedBefore);

    TestProgram program;
    program.state.set_path = program.writeSet("quiz.dat", mixedSet());
    // An interrupted run left stale records, every one with sequence 2.
    QByteArray stale;
    for (int i = 0; i < staleRecords; ++i)
        stale += DrawRecord::pack(2, question(1, 2, "STALE").toBytes());
    stale += QByteArray(extraBytes, 'x');
    writeBytes(QuestionDraw::scratchPath(program.state), stale);

    ScriptedRandom random;
    random.pushPick(2, 3);
    const QuestionDraw::Result result = QuestionDraw::run(program.state, 3, random);
    QVERIFY(result.record);
    QCOMPARE(result.record->question, QString("THREE TWO"));
    QCOMPARE(program.state.draw_count, countedBefore + 3);
    QVERIFY(!QFile::exists(program.state.draw_path));

    // The next draw starts from an empty scratch file again.
    random.pushPick(1, 1);
    QuestionDraw::run(program.state, 4, random);
    QCOMPARE(program.state.draw_count, 1);
}

void TestQuestionDraw::pickStaysInRange_data()
{
    QTest::addColumn<double>("u");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("r");

    QTest::newRow("0 gives 1") << 0.0 << 3 << 1;
    QTest::newRow("just below a third") << 0.3333 << 3 << 1;
    QTest::newRow("a third") << 1.0 / 3 + 1e-12 << 3 << 2;
    QTest::newRow("largest double below 1") << std::nextafter(1.0, 0.0) << 7 << 7;
    QTest::newRow("1 itself is held at k") << 1.0 << 8 << 8;
}

void TestQuestionDraw::pickStaysInRange()
{
    QFETCH(double, u);
    QFETCH(int, k);
    QFETCH(int, r);
    ScriptedRandom random;
    random.push(u);
    QCOMPARE(random.pick(k), r);
}

void TestQuestionDraw::everyQuestionIsReachable()
{
    TestProgram program;
    program.state.set_path = program.writeSet("quiz.dat", mixedSet());
    SystemRandomSource random;
    QMap<QString, int> seen;
    const int draws = 900;
    for (int i = 0; i < draws; ++i) {
        const QuestionDraw::Result result = QuestionDraw::run(program.state, 3, random);
        QVERIFY(result.record);
        ++seen[result.record->question];
    }
    // 300 expected each; the bounds are over eleven standard deviations away.
    QCOMPARE(seen.size(), 3);
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        QVERIFY2(it.value() > 150 && it.value() < 450, qPrintable(it.key()));
    QVERIFY(!QFile::exists(program.state.draw_path));
}

QTEST_MAIN(TestQuestionDraw)
#include "tst_questiondraw.moc"

#include "game/questiondraw.h"
#include "game/systemrandomsource.h"
#include "scriptedrandom.h"
#include "testprogram.h"

#include <QtTest>

namespace {

// A set mixing rounds 3 and 4 around the header, with a zero-filled record
// and records that are no questions: a round outside the ladder, a reserved number.
QString writeMixedSet(TestProgram &program)
{
    QuestionRecord pound = makeQuestion(4, 3, "WHAT IS £5?");
    pound.answer_b = "  PADDED  ";
    return program.writeSet("quiz.dat", {makeQuestion(3, 1, "THREE ONE", "b"),
                                         makeHeader("Msg", "Ann", "pw"), pound, QuestionRecord(),
                                         makeQuestion(3, 5, "THREE TWO", "c"),
                                         makeQuestion(16, 9, "ROUND SIXTEEN"),
                                         makeQuestion(3, 9000, "RESERVED"),
                                         makeQuestion(3, 7, "THREE THREE", "D")});
}

} // namespace

class TestQuestionDraw : public QObject
{
    Q_OBJECT

private slots:
    // The set is read once; whatever happens to the file afterwards, each
    // round is drawn from the questions it had then.
    void drawsOnlyTheRoundsQuestions_data()
    {
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("after"); // what happens to the file after reading

        QTest::newRow("round 3, first") << 3 << 1 << "THREE ONE" << "b" << 3 << "";
        QTest::newRow("round 3, second, set deleted") << 3 << 2 << "THREE TWO" << "c" << 3
                                                      << "deleted";
        QTest::newRow("round 3, third, right letter as stored, round emptied")
            << 3 << 3 << "THREE THREE" << "D" << 3 << "emptied";
        QTest::newRow("round 4, the only one, texts decoded and trimmed")
            << 4 << 1 << "WHAT IS £5?" << "a" << 1 << "";
        QTest::newRow("round 4, a torn record behind the last")
            << 4 << 1 << "WHAT IS £5?" << "a" << 1 << "torn";
        QTest::newRow("round 9 has none") << 9 << 0 << "" << "" << 0 << "";
        QTest::newRow("round 16 is no round") << 16 << 0 << "" << "" << 0 << "";
    }

    void drawsOnlyTheRoundsQuestions()
    {
        QFETCH(int, round);
        QFETCH(int, r);
        QFETCH(QString, text);
        QFETCH(QString, right);
        QFETCH(int, count);
        QFETCH(QString, after);

        TestProgram program;
        const QString path = writeMixedSet(program);
        QFile torn(path);
        if (after == "torn")
            QVERIFY(torn.open(QIODevice::Append) && torn.write(QByteArray("\4\0\5\0", 4) + QByteArray(400, 'X')) == 404);
        torn.close();
        QuestionDraw draw;
        QVERIFY(draw.read(path));
        if (after == "deleted")
            QVERIFY(QFile::remove(path));
        else if (after == "emptied")
            program.writeSet("quiz.dat", {makeHeader("Msg", "Ann", "pw")});
        ScriptedRandom random;
        if (count > 0)
            random.pushPick(r, count);

        QCOMPARE(draw.count(round), count);
        const std::optional<QuestionRecord> drawn = draw.draw(round, random);
        QCOMPARE(drawn.has_value(), count > 0);
        QCOMPARE(random.taken, count > 0 ? 1 : 0);
        if (drawn) {
            QCOMPARE(drawn->question, text);
            QCOMPARE(drawn->answer_b, round == 4 ? QString("PADDED") : QString("ANSWER B"));
            QCOMPARE(drawn->right_answer, right);
        }
        QVERIFY(!draw.everyRoundHasAQuestion());
        // Reading leaves nothing behind in the questions folder.
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files | QDir::Hidden),
                 after == "deleted" ? QStringList{} : QStringList{"quiz.dat"});
    }

    // Over many draws each question of a round comes up about equally often.
    void drawIsUniform()
    {
        TestProgram program;
        const QString path = writeMixedSet(program);
        QuestionDraw draw;
        QVERIFY(draw.read(path));
        QVERIFY(QFile::remove(path));
        // 3000 draws from three questions: each count has a standard
        // deviation near 26; 200 off is more than seven of them.
        SystemRandomSource random(7);
        QMap<QString, int> seen;
        for (int i = 0; i < 3000; ++i)
            ++seen[draw.draw(3, random)->question];
        QCOMPARE(seen.keys(), (QStringList{"THREE ONE", "THREE THREE", "THREE TWO"}));
        for (int n : seen)
            QVERIFY2(qAbs(n - 1000) < 200, qPrintable(QString::number(n)));
    }

    void pickStaysInRange_data()
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

    void pickStaysInRange()
    {
        QFETCH(double, u);
        QFETCH(int, k);
        QFETCH(int, r);
        ScriptedRandom random;
        random.push(u);
        QCOMPARE(random.pick(k), r);
    }
};

QTEST_MAIN(TestQuestionDraw)
#include "tst_questiondraw.moc"

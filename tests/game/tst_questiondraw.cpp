#include "game/drawrecord.h"
#include "game/questiondraw.h"
#include "scriptedrandom.h"
#include "testprogram.h"

#include <QtEndian>
#include <QtTest>

namespace {

// A set mixing rounds 3 and 4 around the header, with a zero-filled record
// and records that are no questions: a round outside the ladder, a reserved number.
QString writeMixedSet(TestProgram &program)
{
    return program.writeSet("quiz.dat", {makeQuestion(3, 1, "THREE ONE", "b"),
                                         makeHeader("Msg", "Ann", "pw"),
                                         makeQuestion(4, 3, "FOUR ONE"), QuestionRecord(),
                                         makeQuestion(3, 5, "THREE TWO", "c"),
                                         makeQuestion(16, 9, "ROUND SIXTEEN"),
                                         makeQuestion(3, 9000, "RESERVED"),
                                         makeQuestion(3, 7, "THREE THREE", "d")});
}

} // namespace

class TestQuestionDraw : public QObject
{
    Q_OBJECT

private slots:
    void drawsOnlyTheRoundsQuestions_data()
    {
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("right");
        QTest::addColumn<int>("count");
        // What has the scratch file's name before the draw: records an
        // interrupted run left (and part of one), or a link to another file.
        QTest::addColumn<QString>("before");

        QTest::newRow("round 3, first") << 3 << 1 << "THREE ONE" << "b" << 3 << "";
        QTest::newRow("round 3, third") << 3 << 3 << "THREE THREE" << "d" << 3 << "";
        QTest::newRow("round 4, the only one") << 4 << 1 << "FOUR ONE" << "a" << 1 << "";
        QTest::newRow("round 9 has none") << 9 << 0 << "" << "" << 0 << "";
        QTest::newRow("stale records dropped") << 3 << 2 << "THREE TWO" << "c" << 3 << "stale";
        QTest::newRow("link removed, not written through") << 3 << 2 << "THREE TWO" << "c" << 3
                                                           << "link";
    }

    void drawsOnlyTheRoundsQuestions()
    {
        QFETCH(int, round);
        QFETCH(int, r);
        QFETCH(QString, text);
        QFETCH(QString, right);
        QFETCH(int, count);
        QFETCH(QString, before);

        TestProgram program;
        program.state.set_path = writeMixedSet(program);
        const QString scratch = QuestionDraw::scratchPath(program.state);
        const QByteArray record = DrawRecord::pack(2, makeQuestion(1, 2, "STALE").toBytes());
        const QString elsewhere = program.writeFile("../elsewhere", record + record + "part");
        if (before == QLatin1String("stale"))
            QVERIFY(QFile::copy(elsewhere, scratch));
        else if (before == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, scratch));
        ScriptedRandom random;
        if (count > 0)
            random.pushPick(r, count);

        const QuestionDraw::Result result = QuestionDraw::run(program.state, round, random);
        QVERIFY(result.ok);
        QCOMPARE(result.count, count);
        QCOMPARE(result.record.has_value(), count > 0);
        if (result.record) {
            QCOMPARE(result.drawn, r);
            QCOMPARE(result.record->question, text);
            QCOMPARE(result.record->answer_b, QString("ANSWER B"));
            QCOMPARE(result.record->right_answer, right);
        }
        QCOMPARE(program.state.draw_count, count);
        QCOMPARE(program.state.DRAW_RECORD_LEN, qint16(403));
        QCOMPARE(program.state.draw_path, program.questionsDir() + "/q_rand.tmp");
        QVERIFY(!QFileInfo(program.state.draw_path).exists() && !QFileInfo(scratch).isSymLink());
        QCOMPARE(program.readFile(elsewhere), record + record + "part");
    }

    void drawRecordLayout()
    {
        QuestionRecord source = makeQuestion(7, 12, "WHAT IS £5?", "c");
        source.answer_b = "  PADDED  ";
        const QByteArray set = source.toBytes();
        const QByteArray raw = DrawRecord::pack(513, set);

        QCOMPARE(raw.size(), 403);
        QCOMPARE(raw.mid(0, 2), QByteArray("\x01\x02", 2)); // 513, little-endian
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

#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ManagerHelpers;

// "Edit" on the question manager: its checks and what it stores.
class TestEditQuestion : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void refusals_data();
    void refusals();
    void storesRoundAndLetter_data();
    void storesRoundAndLetter();
    void storesTextsLikeAnAddedQuestion();
    void editsThePickedOneOfASharedNumber_data();
    void editsThePickedOneOfASharedNumber();
    void changedElsewhereIsNotOverwritten();
    void deletedMeanwhileChangesNothing();

private:
    static QList<QuestionRecord> sampleSet();
};

QList<QuestionRecord> TestEditQuestion::sampleSet()
{
    return {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "ONE?", "a"),
            makeQuestion(2, 3, "TWO?", "b"), makeQuestion(3, 4, "THREE?", "c")};
}

void TestEditQuestion::refusals_data()
{
    QTest::addColumn<bool>("picked");
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("shown");

    const QString list = QStringLiteral("Choose A Question From The List|List");
    const QString round = QStringLiteral("Round Must Be Between 1 And 15|Round");
    const QString answer = QStringLiteral("Right Answer Must Be Between 'A' And 'D'|Answer");
    QTest::newRow("nothing picked") << false << "3" << "A" << list;
    QTest::newRow("nothing picked beats bad round") << false << "99" << "Z" << list;
    QTest::newRow("round 0") << true << "0" << "A" << round;
    QTest::newRow("round 16") << true << "16" << "A" << round;
    QTest::newRow("round -3") << true << "-3" << "A" << round;
    QTest::newRow("round 0.5 rounds to 0") << true << "0.5" << "A" << round;
    QTest::newRow("round 15.5 rounds to 16") << true << "15.5" << "A" << round;
    QTest::newRow("round letters") << true << "ab" << "A" << round;
    QTest::newRow("round empty") << true << "" << "A" << round;
    QTest::newRow("round with inner space") << true << "1 2" << "A" << round;
    QTest::newRow("round exponent") << true << "1e1" << "A" << round;
    QTest::newRow("bad round beats bad letter") << true << "16" << "E" << round;
    QTest::newRow("right empty") << true << "5" << "" << answer;
    QTest::newRow("right E") << true << "5" << "E" << answer;
    QTest::newRow("right DA") << true << "5" << "DA" << answer;
    QTest::newRow("right @") << true << "5" << "@" << answer;
}

void TestEditQuestion::refusals()
{
    QFETCH(bool, picked);
    QFETCH(QString, round);
    QFETCH(QString, right);
    QFETCH(QString, shown);

    TestProgram program;
    QuestionManager *form = openManager(program, sampleSet());
    const QByteArray before = program.readFile(program.state.set_path);
    if (picked)
        pickRow(form, 1);
    form->txt_q->setText(QStringLiteral("changed?"));
    form->txt_round->setText(round);
    form->txt_right->setText(right);
    form->cmd_edit->click();

    QCOMPARE(program.dialogs.log(), QStringList{shown});
    QCOMPARE(program.readFile(program.state.set_path), before);
    QCOMPARE(form->txt_q->text(), QStringLiteral("changed?"));
}

void TestEditQuestion::storesRoundAndLetter_data()
{
    QTest::addColumn<QString>("round");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("storedRound");
    QTest::addColumn<QString>("storedRight");

    QTest::newRow("15 and b") << "15" << "b" << 15 << "b";
    QTest::newRow("spaces around") << "  7  " << "  B  " << 7 << "b";
    QTest::newRow("2.5 to even") << "2.5" << "A" << 2 << "a";
    QTest::newRow("1.5 to even") << "1.5" << "A" << 2 << "a";
    QTest::newRow("15.4") << "15.4" << "D" << 15 << "d";
    QTest::newRow("0.6 rounds up to 1") << "0.6" << "a" << 1 << "a";
    QTest::newRow("leading plus and zero") << "+07" << "c" << 7 << "c";
    QTest::newRow("C9 sorts inside") << "4" << "C9" << 4 << "c";
    QTest::newRow("AB sorts inside") << "4" << "AB" << 4 << "a";
}

void TestEditQuestion::storesRoundAndLetter()
{
    QFETCH(QString, round);
    QFETCH(QString, right);
    QFETCH(int, storedRound);
    QFETCH(QString, storedRight);

    TestProgram program;
    const QList<QuestionRecord> set = sampleSet();
    QuestionManager *form = openManager(program, set);
    pickRow(form, 1);
    form->txt_round->setText(round);
    form->txt_right->setText(right);
    form->cmd_edit->click();

    QCOMPARE(program.dialogs.log(), QStringList{"Question Edited|Edited"});
    const QList<QuestionRecord> records = readRecords(program.state.set_path);
    QCOMPARE(records.size(), set.size());
    QCOMPARE(records[2].round, qint16(storedRound));
    QCOMPARE(records[2].right_answer, storedRight);
    QCOMPARE(records[2].number, qint16(3));
    QCOMPARE(records[2].question, QStringLiteral("TWO?"));
    QCOMPARE(records[0], set[0]);
    QCOMPARE(records[1], set[1]);
    QCOMPARE(records[3], set[3]);
    // The boxes keep what was typed.
    QCOMPARE(form->txt_round->text(), round);
    QCOMPARE(form->txt_right->text(), right);
}

void TestEditQuestion::storesTextsLikeAnAddedQuestion()
{
    TestProgram program;
    QuestionManager *form = openManager(program, sampleSet());
    pickRow(form, 2);
    const QString longText = QStringLiteral("abcdefghij").repeated(25); // 250 characters
    form->txt_q->setText(QStringLiteral("  ") + longText);
    form->txt_a->setText(QStringLiteral(" paris "));
    form->txt_b->setText(QStringLiteral("Rome"));
    form->txt_c->setText(QString());
    form->txt_d->setText(QStringLiteral("x").repeated(60));
    form->cmd_edit->click();

    const QList<QuestionRecord> records = readRecords(program.state.set_path);
    QCOMPARE(records.size(), 4);
    const QuestionRecord &edited = records[3];
    QCOMPARE(edited.number, qint16(4));
    QCOMPARE(edited.round, qint16(3));
    QCOMPARE(edited.question, longText.toUpper().left(200));
    QCOMPARE(edited.answer_a, QStringLiteral("PARIS"));
    QCOMPARE(edited.answer_b, QStringLiteral("ROME"));
    QCOMPARE(edited.answer_c, QString());
    QCOMPARE(edited.answer_d, QStringLiteral("X").repeated(50));
    QCOMPARE(edited.right_answer, QStringLiteral("c"));

    // The list is refilled with the stored text; the boxes keep the typed one.
    QCOMPARE(column(form, 1).at(2), longText.toUpper().left(200));
    QCOMPARE(form->txt_a->text(), QStringLiteral(" paris "));
}

void TestEditQuestion::editsThePickedOneOfASharedNumber_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first twin") << 0;
    QTest::newRow("second twin") << 1;
}

// Sets merged from several sources can hold two questions with one number.
void TestEditQuestion::editsThePickedOneOfASharedNumber()
{
    QFETCH(int, row);
    TestProgram program;
    const QList<QuestionRecord> set{makeHeader("Hi", "Ann", ""), makeQuestion(1, 5, "FIRST?"),
                                    makeQuestion(2, 5, "SECOND?")};
    QuestionManager *form = openManager(program, set);
    pickRow(form, row);
    form->txt_q->setText(QStringLiteral("edited"));
    form->cmd_edit->click();
    QList<QuestionRecord> expected = set;
    expected[row + 1].question = QStringLiteral("EDITED");
    QCOMPARE(readRecords(program.state.set_path), expected);
}

void TestEditQuestion::changedElsewhereIsNotOverwritten()
{
    TestProgram program;
    QuestionManager *form = openManager(program, sampleSet());
    pickRow(form, 1);
    // Another program puts a new question where the picked one stood.
    QList<QuestionRecord> meanwhile = sampleSet();
    meanwhile[2] = makeQuestion(9, 3, "NEWCOMER?", "d");
    program.writeSet(QStringLiteral("set.dat"), meanwhile);
    const QByteArray before = program.readFile(program.state.set_path);

    form->txt_q->setText(QStringLiteral("mine"));
    form->cmd_edit->click();
    QCOMPARE(program.readFile(program.state.set_path), before);
    QCOMPARE(program.dialogs.messageTexts().size(), 1);
    QVERIFY(program.dialogs.messageTexts().first().contains("changed by another program"));
    QCOMPARE(column(form, 1).at(1).trimmed(), QStringLiteral("NEWCOMER?")); // refilled
}

void TestEditQuestion::deletedMeanwhileChangesNothing()
{
    TestProgram program;
    QuestionManager *form = openManager(program, sampleSet());
    pickRow(form, 0);
    form->cmd_delete->click();
    const QByteArray afterDelete = program.readFile(program.state.set_path);
    program.dialogs.clear();

    form->txt_q->setText(QStringLiteral("too late"));
    form->cmd_edit->click();
    QVERIFY(program.dialogs.shown.isEmpty());
    QCOMPARE(program.readFile(program.state.set_path), afterDelete);
}

QTEST_MAIN(TestEditQuestion)
#include "tst_editquestion.moc"

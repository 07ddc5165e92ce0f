#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "storage/iofaults.h"
#include "storage/setadding.h"
#include "storage/setedits.h"
#include "storage/setstore.h"
#include "testprogram.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ManagerHelpers;

// "Delete" on the question manager and the set it leaves behind.
class TestDeleteQuestion : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void deletesOneQuestionAndKeepsTheRest();
    void deletingTwiceDeletesOnce();
    void removesOnlyThePickedOneOfASharedNumber();
    void nothingPickedIsRefused();
    void failedRewriteLeavesSetUntouched_data();
    void failedRewriteLeavesSetUntouched();
    void nextQuestionGoesStraightAfterTheLast();
};

void TestDeleteQuestion::deletesOneQuestionAndKeepsTheRest()
{
    TestProgram program;
    const QList<QuestionRecord> set{makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "TWO?", "a"),
                                    makeQuestion(2, 3, "THREE?", "b"),
                                    makeQuestion(3, 4, "FOUR?", "c")};
    QuestionManager *form = openManager(program, set);
    pickRow(form, 1);
    form->cmd_delete->click();

    QCOMPARE(program.dialogs.log(), QStringList{"Question Deleted|Deleted"});
    QCOMPARE(readRecords(program.state.set_path), QList<QuestionRecord>({set[0], set[1], set[3]}));
    QCOMPARE(program.readFile(program.state.set_path).size(), 3 * QuestionRecord::LENGTH);
    QCOMPARE(program.state.record_count, 3);
    QCOMPARE(column(form, 1).size(), 2);
    QCOMPARE(column(form, 1).at(1).trimmed(), QStringLiteral("FOUR?"));
    // The boxes still show the deleted question.
    QCOMPARE(form->txt_q->text(), QStringLiteral("THREE?"));
    QCOMPARE(form->txt_id->text(), QStringLiteral("3"));
    // No scratch file is left anywhere.
    QCOMPARE(filesIn(program.questionsDir()), QStringList{"set.dat"});
    QCOMPARE(filesIn(program.dir()), QStringList());
}

void TestDeleteQuestion::deletingTwiceDeletesOnce()
{
    TestProgram program;
    QList<QuestionRecord> set{makeHeader("Hi", "Ann", "")};
    for (int n = 2; n <= 6; ++n)
        set << makeQuestion(n, n, QStringLiteral("Q%1?").arg(n), "d");
    QuestionManager *form = openManager(program, set);
    pickRow(form, 2); // number 4
    form->cmd_delete->click();
    const QByteArray once = program.readFile(program.state.set_path);
    form->cmd_delete->click();
    QCOMPARE(program.dialogs.log(), QStringList{"Question Deleted|Deleted"});
    QCOMPARE(program.readFile(program.state.set_path), once);
    QCOMPARE(program.state.record_count, 5);
    QCOMPARE(filesIn(program.questionsDir()), QStringList{"set.dat"});

    pickRow(form, 0); // number 2
    form->cmd_delete->click();
    QCOMPARE(readRecords(program.state.set_path),
             QList<QuestionRecord>({set[0], set[2], set[4], set[5]}));
    QCOMPARE(program.state.record_count, 4);
}

void TestDeleteQuestion::removesOnlyThePickedOneOfASharedNumber()
{
    TestProgram program;
    QuestionRecord zero; // a zero-filled gap is a record of its own and stays
    const QList<QuestionRecord> set{makeQuestion(1, 7, "A?"), makeHeader("Hi", "Ann", ""), zero,
                                    makeQuestion(2, 7, "B?"), makeQuestion(3, 8, "C?")};
    QuestionManager *form = openManager(program, set);
    pickRow(form, 1); // the second question numbered 7
    form->cmd_delete->click();
    QCOMPARE(readRecords(program.state.set_path),
             QList<QuestionRecord>({set[0], set[1], zero, set[4]}));
    QCOMPARE(program.state.record_count, 4);
    QCOMPARE(column(form, 2).size(), 2);
}

void TestDeleteQuestion::nothingPickedIsRefused()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "Q?")});
    const QByteArray before = program.readFile(program.state.set_path);
    form->cmd_delete->click();
    QCOMPARE(program.dialogs.log(), QStringList{"Choose A Question From The List|List"});
    QCOMPARE(program.readFile(program.state.set_path), before);
}

void TestDeleteQuestion::failedRewriteLeavesSetUntouched_data()
{
    QTest::addColumn<IoFaults::Op>("op");
    QTest::newRow("write fails") << IoFaults::Op::Write;
    QTest::newRow("replacing fails") << IoFaults::Op::Rename;
}

void TestDeleteQuestion::failedRewriteLeavesSetUntouched()
{
    QFETCH(IoFaults::Op, op);
    TestProgram program;
    QList<QuestionRecord> set{makeHeader("Hi", "Ann", "")};
    for (int n = 2; n <= 40; ++n)
        set << makeQuestion(1 + n % 15, n, QStringLiteral("Q%1?").arg(n));
    QuestionManager *form = openManager(program, set);
    const QByteArray before = program.readFile(program.state.set_path);
    pickRow(form, 5);
    {
        IoFaults::Plan fault(op, 1);
        form->cmd_delete->click();
        QVERIFY(fault.fired());
    }
    QCOMPARE(program.readFile(program.state.set_path), before);
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown[0].text.contains(QStringLiteral("could not be deleted")));
    QCOMPARE(program.dialogs.shown[0].title, QStringLiteral("Question Set"));
    QCOMPARE(program.state.record_count, 40);
    QCOMPARE(column(form, 1).size(), 39);
    QCOMPARE(filesIn(program.questionsDir()), QStringList{"set.dat"});
    QCOMPARE(filesIn(program.dir()), QStringList());

    // Once the fault is gone the same deletion goes through.
    program.dialogs.clear();
    form->cmd_delete->click();
    QCOMPARE(program.dialogs.log(), QStringList{"Question Deleted|Deleted"});
    QCOMPARE(readRecords(program.state.set_path).size(), 39);
}

void TestDeleteQuestion::nextQuestionGoesStraightAfterTheLast()
{
    TestProgram program;
    const QList<QuestionRecord> set{makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "TWO?"),
                                    makeQuestion(2, 3, "THREE?"), makeQuestion(3, 4, "FOUR?")};
    QuestionManager *form = openManager(program, set);
    pickRow(form, 1);
    form->cmd_delete->click();

    // What adding on the main window does with the count and a fresh number.
    const auto slot = SetAdding::nextSlot(program.state.set_path, program.state.record_count);
    QVERIFY(slot);
    QCOMPARE(slot->record, 4); // straight after the last record
    const int number = slot->number;
    QVERIFY(SetStore::append(program.state.set_path, program.state.record_count,
                             makeQuestion(5, number, "NEW?")));
    const QList<QuestionRecord> records = readRecords(program.state.set_path);
    QCOMPARE(records.size(), 4);
    QCOMPARE(program.readFile(program.state.set_path).size(), 4 * QuestionRecord::LENGTH);
    QCOMPARE(records[3].question, QStringLiteral("NEW?"));
    QCOMPARE(number, 5); // 4 is still taken by "FOUR?"
}

QTEST_MAIN(TestDeleteQuestion)
#include "tst_deletequestion.moc"

#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "storage/ladder.h"
#include "testprogram.h"
#include "ui/geometry.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

using namespace ManagerHelpers;

// The manager's screen, its question list and picking a question from it.
class TestQuestionList : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void controlsArePlacedAndNamed_data();
    void controlsArePlacedAndNamed();
    void screenTextsAndColumns();
    void listsOnlyQuestionRecordsInFileOrder();
    void headerOnlySetShowsItsDetails();
    void setWithoutHeaderStillListsItsQuestions();
    void pickShowsThatRowsOwnRecord();
    void clickWithoutRowDoesNothing();
    void largestSetFillsQuickly();
};

void TestQuestionList::controlsArePlacedAndNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // left, top, width, height

    QTest::newRow("ListView1") << "ListView1" << QRect(120, 600, 8655, 2175);
    QTest::newRow("txt_q") << "txt_q" << QRect(1080, 2880, 3135, 285);
    QTest::newRow("txt_d") << "txt_d" << QRect(1080, 4320, 3135, 285);
    QTest::newRow("txt_right") << "txt_right" << QRect(1080, 4800, 2295, 285);
    QTest::newRow("txt_round") << "txt_round" << QRect(1080, 5160, 2295, 285);
    QTest::newRow("cmd_edit") << "cmd_edit" << QRect(1080, 5520, 1095, 375);
    QTest::newRow("cmd_delete") << "cmd_delete" << QRect(2280, 5520, 1095, 375);
    QTest::newRow("Label4") << "Label4" << QRect(4440, 2880, 4335, 1335);
    QTest::newRow("txt_name") << "txt_name" << QRect(6000, 4320, 2775, 285);
    QTest::newRow("cmd_ok") << "cmd_ok" << QRect(4440, 5520, 1335, 375);
    QTest::newRow("cmd_back") << "cmd_back" << QRect(7440, 5520, 1335, 375);
    QTest::newRow("txt_id") << "txt_id" << QRect(840, 5520, 150, 285);
    QTest::newRow("txt_id2") << "txt_id2" << QRect(6000, 5520, 150, 285);
}

void TestQuestionList::controlsArePlacedAndNamed()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    TestProgram program;
    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", "")});
    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect expected = Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(widget->pos(), expected.topLeft());
    QCOMPARE(widget->width(), expected.width());
    QVERIFY(QRect(QPoint(0, 0), form->size()).contains(widget->geometry()));
}

void TestQuestionList::screenTextsAndColumns()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", "")});
    QCOMPARE(form->windowTitle(), QStringLiteral("Manage Questions"));
    QCOMPARE(form->Label1->text(), QStringLiteral("Manage Questions"));
    QCOMPARE(form->Label4->text(),
             QStringLiteral("If you want to change your question set details, then change the "
                            "contents of the boxes below and press OK. NOTE: Remember that "
                            "other people may have possibly an older version of your "
                            "questions, so therefore the password for those questions would "
                            "still be your old one. Keep a note of all your passwords so that "
                            "no-one can take the credit for your work!"));
    QCOMPARE(form->palette().color(QPalette::Window), QColor(192, 192, 255));

    const QList<std::pair<QLabel *, QString>> labels = {
        {form->Label5, "Question"}, {form->Label6, "A"},        {form->Label7, "B"},
        {form->Label8, "C"},        {form->Label9, "D"},        {form->Label10, "Right"},
        {form->Label11, "Round"},   {form->Label15, "Your Name"}, {form->Label16, "Message"},
        {form->Label2, "Type Password"}};
    for (const auto &[label, text] : labels) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(128, 128, 255));
        QVERIFY2(label->buddy(), qPrintable(text));
    }
    QCOMPARE(form->txt_name->maxLength(), 30);
    QCOMPARE(form->txt_message->maxLength(), 150);
    QCOMPARE(form->txt_p1->maxLength(), 6);
    QVERIFY(form->txt_id->isHidden());
    QVERIFY(form->txt_id2->isHidden());

    QHeaderView *header = form->ListView1->header();
    const QAbstractItemModel *model = form->ListView1->model();
    QCOMPARE(model->columnCount(), 3);
    const QStringList titles{"Round", "Question", "Right"};
    const QList<int> widths{900, 6700, 700};
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), titles[c]);
        QCOMPARE(header->sectionSize(c), Twips::px(widths[c]));
    }
    QCOMPARE(form->ListView1->selectionBehavior(), QAbstractItemView::SelectRows);
}

void TestQuestionList::listsOnlyQuestionRecordsInFileOrder()
{
    TestProgram program;
    const QString padded = QStringLiteral("ROUND TWELVE?").leftJustified(200, u' ');
    QuestionRecord zero; // a zero-filled record left by writing past the end
    QuestionManager *form = openManager(
        program, {makeQuestion(12, 2, "ROUND TWELVE?", "c"), makeHeader("Hi", "Ann", ""),
                  makeQuestion(1, 3, "FIRST?", "a"), zero, makeQuestion(3, 9000, "NUMBER 9000?"),
                  makeQuestion(5, 9999, "LOOKS LIKE A HEADER?"), makeQuestion(16, 5, "TOO HIGH?"),
                  makeQuestion(-3, 6, "NEGATIVE?"), makeQuestion(15, 8999, "TOP?", "d"),
                  makeQuestion(7, 7, "BLANK RIGHT?", "")});

    QCOMPARE(column(form, 0),
             QStringList({"£125000", "£100", "£1000000", "£4000"}));
    QCOMPARE(column(form, 1).first(), padded); // as stored, trailing spaces kept
    QCOMPARE(column(form, 1).at(2).trimmed(), QStringLiteral("TOP?"));
    QCOMPARE(column(form, 2), QStringList({"C", "A", "D", ""}));
    QVERIFY(program.dialogs.shown.isEmpty());
}

void TestQuestionList::headerOnlySetShowsItsDetails()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeHeader("Have fun", "Ann Smith", "pw")});
    QCOMPARE(form->ListView1->model()->rowCount(), 0);
    QCOMPARE(form->txt_name->text(), QStringLiteral("Ann Smith"));
    QCOMPARE(form->txt_message->text(), QStringLiteral("Have fun"));
    QCOMPARE(form->txt_id2->text(), QStringLiteral("9999"));
    QCOMPARE(form->txt_p1->text(), QString()); // the password is never shown
    QCOMPARE(form->txt_id->text(), QString());
    QVERIFY(program.dialogs.shown.isEmpty());
}

void TestQuestionList::setWithoutHeaderStillListsItsQuestions()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeQuestion(2, 2, "Q?"), makeQuestion(4, 3, "R?")});
    QCOMPARE(program.dialogs.log(), QStringList{"Question Data Could Not Be Found|Found"});
    QCOMPARE(column(form, 0), QStringList({"£200", "£500"}));
    QCOMPARE(form->txt_name->text(), QString());
    QCOMPARE(form->txt_message->text(), QString());
    QCOMPARE(form->txt_id2->text(), QString());
}

void TestQuestionList::pickShowsThatRowsOwnRecord()
{
    TestProgram program;
    QuestionRecord first = makeQuestion(4, 2, "SAME TEXT?", "b");
    first.answer_a = QStringLiteral("FIRST A");
    QuestionRecord second = makeQuestion(9, 3, "SAME TEXT?", "d");
    second.answer_a = QStringLiteral("SECOND A");
    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", ""), first, second});
    form->txt_name->setText(QStringLiteral("typed name"));

    pickRow(form, 0);
    QCOMPARE(form->txt_id->text(), QStringLiteral("2"));
    QCOMPARE(form->txt_a->text(), QStringLiteral("FIRST A"));
    QCOMPARE(form->txt_round->text(), QStringLiteral("4"));
    QCOMPARE(form->txt_right->text(), QStringLiteral("B"));
    QCOMPARE(form->txt_q->text(), QStringLiteral("SAME TEXT?"));

    pickRow(form, 1);
    QCOMPARE(form->txt_id->text(), QStringLiteral("3"));
    QCOMPARE(form->txt_a->text(), QStringLiteral("SECOND A"));
    QCOMPARE(form->txt_b->text(), QStringLiteral("ANSWER B"));
    QCOMPARE(form->txt_c->text(), QStringLiteral("ANSWER C"));
    QCOMPARE(form->txt_d->text(), QStringLiteral("ANSWER D"));
    QCOMPARE(form->txt_round->text(), QStringLiteral("9"));
    QCOMPARE(form->txt_right->text(), QStringLiteral("D"));

    // Picking back the first and editing it changes the first, not its twin.
    pickRow(form, 0);
    form->txt_a->setText(QStringLiteral("changed"));
    form->cmd_edit->click();
    const QList<QuestionRecord> records = readRecords(program.state.set_path);
    QCOMPARE(records[1].answer_a, QStringLiteral("CHANGED"));
    QCOMPARE(records[2], second);
    QCOMPARE(form->txt_name->text(), QStringLiteral("typed name")); // picking leaves it alone
}

void TestQuestionList::clickWithoutRowDoesNothing()
{
    TestProgram program;
    QuestionManager *empty = openManager(program, {makeHeader("Hi", "Ann", "")});
    QTest::mouseClick(empty->ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(empty->txt_id->text(), QString());
    QCOMPARE(empty->txt_q->text(), QString());
    empty->close();

    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "Q?")});
    pickRow(form, 0);
    form->txt_q->setText(QStringLiteral("being typed"));
    const QPoint belowRows(20, form->ListView1->viewport()->height() - 5);
    QVERIFY(!form->ListView1->indexAt(belowRows).isValid());
    QTest::mouseClick(form->ListView1->viewport(), Qt::LeftButton, {}, belowRows);
    QCOMPARE(form->txt_q->text(), QStringLiteral("being typed"));
    QVERIFY(program.dialogs.shown.isEmpty());
}

void TestQuestionList::largestSetFillsQuickly()
{
    TestProgram program;
    QList<QuestionRecord> records{makeHeader("Big", "Ann", "")};
    for (int n = 2; n <= 32767; ++n)
        records << makeQuestion(1 + n % 15, 2 + n % 8000, QStringLiteral("QUESTION %1?").arg(n));
    QuestionManager *form = openManager(program, records);
    QCOMPARE(form->ListView1->model()->rowCount(), 32766);

    QElapsedTimer timer;
    timer.start();
    form->updatelist();
    QCoreApplication::processEvents(); // includes the repaint
    const qint64 ms = timer.elapsed();
    QVERIFY2(ms < 1000, qPrintable(QStringLiteral("refill took %1 ms").arg(ms)));
    QCOMPARE(form->ListView1->model()->rowCount(), 32766);

    pickRow(form, 32765);
    QCOMPARE(form->txt_q->text(), QStringLiteral("QUESTION 32767?"));
}

QTEST_MAIN(TestQuestionList)
#include "tst_questionlist.moc"

#include "manage/questionmanager.h"
#include "storage/questionset.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest>

using namespace ManagerHelpers;

namespace {

QLineEdit *box(const QWidget *manager, const char *name)
{
    return control<QLineEdit>(manager, QLatin1String(name));
}

// A header, twins sharing number 5, and the records the list leaves out.
QList<QuestionRecord> mixedSet()
{
    return {makeQuestion(12, 2, "ROUND TWELVE?", "c"), makeHeader("Hi", "Ann", "Secret"),
            makeQuestion(1, 5, "FIRST?", "b"), makeQuestion(9, 5, "SECOND?", "d"),
            QuestionRecord{}, makeQuestion(3, 9000, "NUMBER 9000?"),
            makeQuestion(5, 9999, "LOOKS LIKE A HEADER?"), makeQuestion(16, 6, "TOO HIGH?"),
            makeQuestion(15, 8999, "TOP?", "")};
}

const QString kImportAsked = "CSV files (*.csv);;All files (*)|Import Questions from CSV";
const QString kExportAsked = "CSV files (*.csv);;All files (*)|Export Questions to CSV";
const QByteArray kHeaderRow = "round,question,answer_a,answer_b,answer_c,answer_d,right\r\n";

} // namespace

// The question manager, one flow per button.
class TestQuestionManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void listAndPick()
    {
        TestProgram program;
        QWidget *form = openManager(program, mixedSet());
        QCOMPARE(column(form, 0), QStringList({"£125000", "£100", "£16000", "£1000000"}));
        QCOMPARE(column(form, 1).first(), QStringLiteral("ROUND TWELVE?").leftJustified(200));
        // A screen reader hears the question, not the padding behind it.
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(control<QTreeView>(form, "ListView1"));
        QCOMPARE(list->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("ROUND TWELVE?"));
        QCOMPARE(column(form, 2), QStringList({"C", "B", "D", ""}));
        QCOMPARE(box(form, "txt_name")->text(), QStringLiteral("Ann"));
        QCOMPARE(box(form, "txt_message")->text(), QStringLiteral("Hi"));
        QCOMPARE(box(form, "txt_p1")->text(), QString()); // the password is never shown
        QVERIFY(program.dialogs.shown.isEmpty());

        box(form, "txt_name")->setText(QStringLiteral("typed name"));
        for (int row : {2, 1}) { // each twin shows its own record
            pickRow(form, row);
            const QuestionRecord shown = mixedSet()[row + 1];
            QCOMPARE(box(form, "txt_q")->text(), shown.question);
            QCOMPARE(box(form, "txt_right")->text(), shown.right_answer.toUpper());
            QCOMPARE(box(form, "txt_round")->text(), QString::number(shown.round));
            QCOMPARE(box(form, "txt_d")->text(), QStringLiteral("ANSWER D"));
        }
        QCOMPARE(box(form, "txt_name")->text(), QStringLiteral("typed name"));
        // A click below the rows picks nothing and keeps what is being typed.
        box(form, "txt_q")->setText(QStringLiteral("being typed"));
        QWidget *rows = control<QTreeView>(form, "ListView1")->viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(20, rows->height() - 5));
        QCOMPARE(box(form, "txt_q")->text(), QStringLiteral("being typed"));

        // A set without a header is still listed.
        form = openManager(program, {makeQuestion(2, 2, "Q?"), makeQuestion(4, 3, "R?")});
        QCOMPARE(program.dialogs.log(), QStringList{"Question Data Could Not Be Found|Found"});
        QCOMPARE(column(form, 0), QStringList({"£200", "£500"}));
    }

    void edit_data()
    {
        QTest::addColumn<int>("row"); // -1: nothing picked
        QTest::addColumn<QString>("round");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("changedElsewhere"); // "before" or "after" the pick
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("focus"); // after the messages

        const QString changed = "This question was changed by another program. Pick it again from the list.|Question Set";
        const QString choose = "Choose A Question From The List|List";
        QTest::newRow("nothing picked") << -1 << "99" << "Z" << "" << QStringList{choose} << "ListView1";
        QTest::newRow("letter outside A to D") << 1 << "3" << "E" << ""
                                               << QStringList{"Right Answer Must Be Between 'A' And 'D'|Answer"} << "txt_right";
        QTest::newRow("round outside 1 to 15") << 1 << "16" << "a" << "" << QStringList{"Round Must Be Between 1 And 15|Round"}
                                               << "txt_round";
        QTest::newRow("changed by another program") << 1 << "3" << "a" << "after" << QStringList{changed} << "cmd_edit";
        // The list still shows the old row: it picks nothing.
        QTest::newRow("changed before the pick") << 1 << "3" << "a" << "before" << QStringList{changed, choose} << "ListView1";
        QTest::newRow("the second twin") << 2 << "2.5" << " b " << "" << QStringList{"Question Edited|Edited"} << "cmd_edit";
    }

    void edit()
    {
        QFETCH(int, row);
        QFETCH(QString, round);
        QFETCH(QString, right);
        QFETCH(QString, changedElsewhere);
        QFETCH(QStringList, shown);
        QFETCH(QString, focus);
        TestProgram program;
        QWidget *form = openManager(program, mixedSet());
        QList<QuestionRecord> expected = mixedSet();
        for (const QLatin1String when : {QLatin1String("before"), QLatin1String("after")}) {
            if (changedElsewhere == when) { // a new question where the picked one stood
                expected[2] = makeQuestion(7, 3, "NEWCOMER?", "d");
                program.writeSet("set.dat", expected);
            }
            if (row >= 0 && when == QLatin1String("before"))
                pickRow(form, row);
        }
        const QString typed = QStringLiteral("  changed?  ");
        box(form, "txt_q")->setText(typed);
        box(form, "txt_round")->setText(round);
        box(form, "txt_right")->setText(right);
        control(form, "cmd_edit")->setFocus();
        click(form, "cmd_edit");

        QCOMPARE(program.dialogs.log(), shown);
        QCOMPARE(form->focusWidget()->objectName(), focus);
        if (shown.last().endsWith(QLatin1String("Edited")))
            expected[3] = makeQuestion(2, 5, "CHANGED?", "b");
        QCOMPARE(readRecords(program.state.set.path), expected);
        // The list is refilled from the file; the boxes keep what was typed.
        QCOMPARE(column(form, 1).at(row < 0 ? 0 : row).trimmed(), expected[row + 1].question);
        QCOMPARE(box(form, "txt_q")->text(), typed);
        QCOMPARE(box(form, "txt_round")->text(), round);
    }

    void deleteQuestion()
    {
        TestProgram program;
        QWidget *form = openManager(program, mixedSet());
        click(form, "cmd_delete");
        QCOMPARE(program.dialogs.log(), QStringList{"Choose A Question From The List|List"});

        program.dialogs.clear();
        pickRow(form, 2);
        click(form, "cmd_delete");
        click(form, "cmd_delete"); // again: deletes nothing more, and says why
        QCOMPARE(program.dialogs.log(), (QStringList{"Question Deleted|Deleted", "Choose A Question From The List|List"}));
        QList<QuestionRecord> expected = mixedSet();
        expected.removeAt(3);
        QCOMPARE(readRecords(program.state.set.path), expected);
        QCOMPARE(column(form, 1).size(), 3);
        QCOMPARE(box(form, "txt_q")->text(), QStringLiteral("SECOND?")); // still shown
    }

    // Another program deletes questions while the manager is open: the list
    // follows, and the question picked stays picked, wherever it moves to.
    void followsAnotherProgram()
    {
        TestProgram program;
        QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
        for (int i = 1; i <= 8; ++i)
            records << makeQuestion(i, i + 1, QStringLiteral("QUESTION NUMBER %1").arg(i));
        QWidget *form = openManager(program, records);
        pickRow(form, 4);
        box(form, "txt_a")->setText(QStringLiteral("being typed"));
        auto picked = [form] {
            const QModelIndexList rows = control<QTreeView>(form, "ListView1")->selectionModel()->selectedRows(1);
            return rows.size() == 1 ? rows.first().data().toString().trimmed() : QString();
        };

        // Question 3 goes by a renamed copy, then question 8 by a write in place.
        const QString set = program.state.set.path;
        QVERIFY(QuestionSet(set).removeRecord(4));
        QTRY_COMPARE(column(form, 1).size(), 7);
        records.removeAt(3);
        records.removeAt(7);
        program.writeSet("set.dat", records);
        QTRY_COMPARE(column(form, 1).size(), 6);
        QCOMPARE(picked(), QStringLiteral("QUESTION NUMBER 5"));
        QCOMPARE(box(form, "txt_a")->text(), QStringLiteral("being typed"));

        click(form, "cmd_delete");
        QCOMPARE(program.dialogs.log(), QStringList{"Question Deleted|Deleted"});
        records.removeAt(4);
        QCOMPARE(readRecords(set), records);
    }

    void details()
    {
        TestProgram program;
        const QString message = QStringLiteral("M").repeated(200);
        const QString creator = QStringLiteral("C").repeated(45);
        QWidget *form = openManager(program, {makeQuestion(1, 2, "Q?"), makeHeader(message, creator, "old")});
        // Stored texts longer than the boxes allow are shown whole, from their start.
        QCOMPARE(box(form, "txt_message")->text(), message);
        QCOMPARE(box(form, "txt_message")->cursorPosition(), 0);
        QCOMPARE(box(form, "txt_name")->text(), creator);

        box(form, "txt_p1")->setText(QStringLiteral(" NeW "));
        click(form, "cmd_ok");
        QCOMPARE(program.dialogs.log(), QStringList{"Details Changed|Changed"});
        QCOMPARE(readRecords(program.state.set.path).at(1), makeHeader(message, creator, "NeW"));

        // Another copy changes the message: this one's OK keeps that change
        // and shows the details as they are now.
        const QList<QuestionRecord> elsewhere{makeQuestion(1, 2, "Q?"), makeHeader("Theirs", creator, "NeW")};
        program.writeSet("set.dat", elsewhere);
        program.dialogs.clear();
        box(form, "txt_name")->setText(QStringLiteral("Mine"));
        click(form, "cmd_ok");
        QCOMPARE(program.dialogs.log(),
                 QStringList{"The details were changed by another program. They are shown again "
                             "as they are now; make your change again.|Question Set"});
        QCOMPARE(readRecords(program.state.set.path), elsewhere);
        QCOMPARE(box(form, "txt_message")->text(), QStringLiteral("Theirs"));
        click(form, "cmd_back");
        QVERIFY(!form->isVisible());
    }

    // Find filters as the user types, a header click sorts, and a row picked
    // in the filtered, sorted list edits its own record.
    void findAndSort()
    {
        TestProgram program;
        QList<QuestionRecord> set{makeHeader("Hi", "Ann", ""), makeQuestion(3, 2, "CAFE NOIR?", "c"),
                                  makeQuestion(1, 3, "TEA?", "a"), makeQuestion(2, 4, "CAF\u00C9 AU LAIT?", "b")};
        QWidget *form = openManager(program, set);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F, Qt::ControlModifier);
        QLineEdit *find = box(form, "txt_find");
        QVERIFY(find->isVisible());
        // A screen reader hears the count as it changes, as a notification.
        static QStringList notices;
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::ObjectShow
                && event->accessibleInterface()->role() == QAccessible::Notification)
                notices << event->accessibleInterface()->text(QAccessible::Name);
        });
        QTest::keyClicks(find, QStringLiteral("cafe"));
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(column(form, 1).size(), 2);
        QCOMPARE(notices.value(notices.size() - 1), QStringLiteral("2 of 3"));

        auto *header = control<QTreeView>(form, QStringLiteral("ListView1"))->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(column(form, 1).first().trimmed(), QStringLiteral("CAF\u00C9 AU LAIT?"));
        pickRow(form, 0);
        box(form, "txt_q")->setText(QStringLiteral("latte?"));
        click(form, QStringLiteral("cmd_edit"));
        set[3].question = QStringLiteral("LATTE?");
        QCOMPARE(readRecords(program.state.set.path), set);

        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QCOMPARE(column(form, 1).size(), 3);
        // The only question found, current but not yet picked, is picked as
        // the keyboard enters the list.
        QTest::keyClick(form, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(find, QStringLiteral("tea"));
        QTest::keyClick(find, Qt::Key_Tab);
        QTRY_COMPARE(box(form, "txt_q")->text(), QStringLiteral("TEA?"));
    }

    // File ▸ Import and Export, one flow each; what a row may hold is the CSV
    // layer's to test.
    void importAndExport_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("csv"); // written to the file chosen
        QTest::addColumn<QString>("chosen"); // in the Questions folder; empty: cancelled
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("listed");

        QByteArray bad = kHeaderRow + "1,,A,B,C,D,A\r\n";
        QString refused = "Nothing was imported: in.csv has 12 problem(s).\n\nin.csv, line 2: question is missing";
        for (int line = 3; line <= 13; ++line) {
            bad += "16,Q?,A,B,C,D,A\n";
            if (line <= 11)
                refused += QString("\nin.csv, line %1: round \"16\" is not 1 to 15 or a prize amount such as "
                                   "\u00A31000").arg(line);
        }
        QTest::newRow("import refused whole") << "importCsv" << bad << "in.csv"
                                              << QStringList{kImportAsked, refused + "\nand 2 more|Import"} << 2;
        QTest::newRow("import") << "importCsv" << kHeaderRow + "3,new?,a,b,c,d,D\r\n\u00A3100,two?,a,b,c,d,a\r\n" << "in.csv"
                                << QStringList{kImportAsked, "2 questions added from in.csv.|Import"} << 4;
        QTest::newRow("import cancelled") << "importCsv" << QByteArray() << "" << QStringList{kImportAsked} << 2;
        QTest::newRow("export, then import into an empty set") << "exportCsv" << QByteArray() << "out.csv"
            << QStringList{kExportAsked, "2 questions written to out.csv.|Export", kImportAsked,
                           "2 questions added from out.csv.|Import"} << 2;
        QTest::newRow("export to a folder that is missing") << "exportCsv" << QByteArray() << "missing/out.csv"
            << QStringList{kExportAsked, "Nothing was exported: Could not create a new copy of "
                                         "\"out.csv\": No such file or directory|Export"} << 2;
    }

    void importAndExport()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, csv);
        QFETCH(QString, chosen);
        QFETCH(QStringList, shown);
        QFETCH(int, listed);
        TestProgram program;
        // Numbered as import numbers them, so that a round trip gives the same bytes.
        const QList<QuestionRecord> set{makeHeader("Hi", "Ann", "pw"), makeQuestion(12, 2, "CAF\u00C9, \"NOIR\"?", "c"),
                                        makeQuestion(1, 3, "TEA?", "b")};
        QWidget *form = openManager(program, set);
        const QByteArray before = program.readFile(program.state.set.path);
        const QString path = chosen.isEmpty() ? chosen : program.setPath(chosen);
        if (!csv.isEmpty())
            program.writeFile(chosen, csv);
        program.dialogs.answerText(path);
        control<QAction>(form, action)->trigger();
        if (action == QLatin1String("exportCsv") && shown.size() > 2) {
            form = openManager(program, {set.first()}, QStringLiteral("copy.dat"));
            program.dialogs.answerText(path);
            control<QAction>(form, QStringLiteral("importCsv"))->trigger();
        }
        QCOMPARE(program.dialogs.log(), shown);
        QCOMPARE(column(form, 1).size(), listed); // refreshed
        if (listed == 2)
            QCOMPARE(program.readFile(program.state.set.path), before);
    }

    void largestSetFillsQuickly()
    {
        TestProgram program;
        QList<QuestionRecord> records{makeHeader("Big", "Ann", "")};
        for (int n = 2; n <= 32767; ++n)
            records << makeQuestion(1 + n % 15, 2 + n % 8000, QString("QUESTION %1?").arg(n));
        auto *form = openManager(program, records);
        QElapsedTimer timer;
        timer.start();
        form->updateList();
        QCoreApplication::processEvents(); // includes the repaint
        const qint64 ms = timer.elapsed();
        QVERIFY2(ms < 1000, qPrintable(QStringLiteral("refill took %1 ms").arg(ms)));
        QCOMPARE(column(form, 0).size(), 32766);
        pickRow(form, 32765);
        QCOMPARE(box(form, "txt_q")->text(), QStringLiteral("QUESTION 32767?"));
    }
};

QTEST_MAIN(TestQuestionManager)
#include "tst_questionmanager.moc"

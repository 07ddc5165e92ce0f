#include "app/mainwindow.h"
#include "app/navigator.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace ManagerHelpers;

namespace {

const QString kFile = QStringLiteral("bad.dat");

QList<QuestionRecord> fewQuestions()
{
    return {makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "ONE?"),
            makeQuestion(2, 3, "TWO?", "c"), makeQuestion(15, 4, "LAST?", "d")};
}

// The main window over a set file holding the given bytes.
MainWindow *openMainWindow(TestProgram &program, const QByteArray &bytes)
{
    program.writeFile(kFile, bytes);
    program.state.set.name = kFile;
    return Navigator::openMainWindow(program.state, program.services);
}

} // namespace

// Damaged, hostile and vanishing inputs: no crash, no lost data, a clear word
// to the user. docs/reliability.md lists each case with the test that shows it.
class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    // Each place a text is typed into a set refuses one the code page cannot
    // hold, with a message naming the characters, and leaves the set as it
    // was: nothing silently becomes '?'. What is stored is the set layer's rule.
    void textsTheCodePageCannotHold_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("add: snowman") << "cmd_add" << QStringLiteral("Snow \u2603?");
        QTest::newRow("edit: CJK") << "cmd_edit" << QStringLiteral("\u65E5\u672C?");
        QTest::newRow("details: omega") << "cmd_ok" << QStringLiteral("\u03A9 team");
    }

    void textsTheCodePageCannotHold()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        TestProgram program;
        const QByteArray before = TestProgram::bytesOf(fewQuestions());
        QWidget *window = nullptr;
        if (button == QLatin1String("cmd_add")) {
            window = openMainWindow(program, before);
            typeQuestion(window, text, 1, 2, QStringLiteral("pw"));
        } else {
            window = openManager(program, fewQuestions(), kFile);
            pickRow(window, 0);
            const bool edit = button == QLatin1String("cmd_edit");
            control<QLineEdit>(window, edit ? QStringLiteral("txt_q") : QStringLiteral("txt_name"))
                ->setText(text);
        }
        program.dialogs.clear();
        click(window, button);
        QCOMPARE(program.dialogs.shown.size(), 1);
        QVERIFY(program.dialogs.shown[0].text.contains(QStringLiteral("cannot store")));
        QCOMPARE(program.readFile(program.setPath(kFile)), before);
    }

    void setChangedBehindTheMainWindow()
    {
        TestProgram program;
        MainWindow *main = openMainWindow(program, TestProgram::bytesOf(fewQuestions()));
        auto *total = control<QLabel>(main, QStringLiteral("lbl_total"));
        QCOMPARE(total->text(), QStringLiteral("3"));

        // Another copy of the program (or the set tool) adds two questions:
        // the question added here goes behind them and overwrites neither.
        const QByteArray grown = TestProgram::bytesOf(
            fewQuestions() << makeQuestion(4, 5, "FIVE?") << makeQuestion(5, 6, "SIX?"));
        const QString path = program.writeFile(kFile, grown);
        program.dialogs.clear();
        typeQuestion(main, "Seven?", 1, 2, QStringLiteral("pw"));
        click(main, QStringLiteral("cmd_add"));
        QCOMPARE(program.dialogs.log(), QStringList{"Question Added|Added"});
        QCOMPARE(program.readFile(path).chopped(QuestionRecord::LENGTH), grown);
        QCOMPARE(readRecords(path).last().number, 7);
        QCOMPARE(total->text(), QStringLiteral("6"));

        // The file deleted: reported, never quietly made again, and adding is
        // refused because the set is gone, not for a wrong password.
        QVERIFY(QFile::remove(path));
        program.dialogs.clear();
        main->activate();
        QCOMPARE(total->text(), QStringLiteral("0"));
        typeQuestion(main, "Eight?", 1, 2, QStringLiteral("pw"));
        click(main, QStringLiteral("cmd_add"));
        QCOMPARE(program.dialogs.log(),
                 (QStringList{"Question creator not found|Creator",
                              "The question was not added.\nThe question set \"bad.dat\" no "
                              "longer exists.|Question Set"}));
        QVERIFY(!QFile::exists(path));
    }

    void setChangedBehindTheManager()
    {
        TestProgram program;
        QList<QuestionRecord> records{makeHeader("Hi", "Ann", "pw")};
        for (int n = 2; n <= 8; ++n)
            records << makeQuestion(n % 15, n, QStringLiteral("Q%1?").arg(n));
        QuestionManager *manager = openManager(program, records, kFile);
        const QString path = program.state.set.path;
        auto *id = control<QLineEdit>(manager, QStringLiteral("txt_id"));

        // Shortened: a row whose record is gone picks nothing and says so; a
        // question still there is deleted and the others are kept.
        QVERIFY(QFile::resize(path, 4 * QuestionRecord::LENGTH));
        pickRow(manager, 6);
        QVERIFY(id->text().isEmpty());
        pickRow(manager, 1);
        QCOMPARE(id->text(), QStringLiteral("3"));
        click(manager, QStringLiteral("cmd_delete"));
        QCOMPARE(program.dialogs.log(),
                 QStringList({"This question was changed by another program. Pick it again from "
                              "the list.|Question Set",
                              "Question Deleted|Deleted"}));
        QCOMPARE(readRecords(path), (QList<QuestionRecord>{records[0], records[1], records[3]}));
        QCOMPARE(column(manager, 1).size(), 2);

        // Deleted: the pick and the new details, which must open the file,
        // say so; edit and delete find no pick and ask for one. Nothing is
        // written and the file is not made again.
        QVERIFY(QFile::remove(path));
        program.dialogs.clear();
        pickRow(manager, 0);
        control<QLineEdit>(manager, QStringLiteral("txt_q"))->setText("changed");
        for (const char *button : {"cmd_edit", "cmd_delete", "cmd_ok"})
            click(manager, QLatin1String(button));
        const QString gone = QStringLiteral("The question set \"%1\" no longer exists.").arg(kFile);
        QCOMPARE(program.dialogs.log(), (QStringList{gone + "|Question Set",
                                                     "Choose A Question From The List|List",
                                                     "Choose A Question From The List|List",
                                                     gone + "|Question Set"}));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"

#include "app/mainwindow.h"
#include "app/startscreen.h"
#include "filesizelimit.h"
#include "modalwatch.h"
#include "storage/iofaults.h"
#include "storage/ladder.h"
#include "storage/setstore.h"
#include "testprogram.h"
#include "ui/aboutscreen.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kRefusal =
    QStringLiteral("You Must Have At Least One Question For Each Round|Questions");

QStringList shownCounts(const MainWindow *form)
{
    QStringList out;
    for (const QLabel *label : form->t)
        out << label->text();
    return out;
}

const QStringList kGameOpenedAndLeft{"What Is Your Full Name?|Player",
                                     "Lets Play Quorvane!|Play",
                                     "Are You Sure You Want To Quit?|Quit"};

QList<QuestionRecord> everyRound()
{
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "pw")};
    for (int r = 1; r <= 15; ++r)
        records << makeQuestion(r, r + 1, QStringLiteral("Q%1").arg(r));
    return records;
}

QWidget *visibleTopLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void newSetGetsItsHeader_data();
    void newSetGetsItsHeader();
    void setWithoutHeaderIsReportedAndUsable();
    void countsPerRound_data();
    void countsPerRound();
    void modalScreensRefreshOnReturn_data();
    void modalScreensRefreshOnReturn();
    void newQuestionSetDerivesCountAfresh();
    void quitEndsTheProgram_data();
    void quitEndsTheProgram();
    void fileProblemsAreReported();
    void controlsAreNamedAndLaidOut();
};

void TestMainWindow::newSetGetsItsHeader_data()
{
    QTest::addColumn<QString>("set_name");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("message");

    QTest::newRow("named set") << "quiz.dat" << "quiz.dat" << "Ann" << "Good luck";
    QTest::newRow("no name") << ".dat" << "untitled.dat" << "Not Given" << "No Message";
    QTest::newRow("spaces kept in state") << "q.dat" << "q.dat" << " Bo " << " Hi ";
}

void TestMainWindow::newSetGetsItsHeader()
{
    QFETCH(QString, set_name);
    QFETCH(QString, fileName);
    QFETCH(QString, creator);
    QFETCH(QString, message);

    TestProgram program;
    program.state.set_name = set_name;
    program.state.creator = creator;
    program.state.message = message;
    program.state.password = QStringLiteral("pw");
    auto *form = MainWindow::showNew(program.state, program.services);

    const QString path = program.setPath(fileName);
    QCOMPARE(program.state.set_path, path);
    QCOMPARE(program.state.set_name, set_name);
    QCOMPARE(program.state.record_count, 1);
    const QByteArray bytes = program.readFile(path);
    QCOMPARE(bytes.size(), 405);
    QCOMPARE(QuestionRecord::fromBytes(bytes),
             QuestionRecord::header(message, creator, QStringLiteral("pw")));

    QCOMPARE(form->lbl_qset2->text(), fileName);
    QCOMPARE(form->lbl_name->text(), creator.trimmed());
    QCOMPARE(form->lbl_message->text(), message.trimmed());
    QCOMPARE(form->lbl_m->text(), QStringLiteral("Message from ") + creator.trimmed());
    QCOMPARE(shownCounts(form), QStringList(15, QStringLiteral("0")));
    QCOMPARE(form->lbl_total->text(), QStringLiteral("0"));
    QVERIFY(program.dialogs.shown.isEmpty());

    form->cmd_play->click();
    QCOMPARE(program.dialogs.log(), QStringList{kRefusal});
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::setWithoutHeaderIsReportedAndUsable()
{
    TestProgram program;
    program.writeSet(QStringLiteral("q.dat"),
                     {makeQuestion(1, 1, "ONE"), makeQuestion(2, 2, "TWO")});
    program.state.set_name = QStringLiteral("q.dat");
    program.state.creator = QStringLiteral("Not used");
    auto *form = MainWindow::showNew(program.state, program.services);

    const QString notFound = QStringLiteral("Question creator not found|Creator");
    QCOMPARE(program.dialogs.log(), QStringList({notFound, notFound}));
    QCOMPARE(program.state.record_count, 2);
    QCOMPARE(form->lbl_m->text(), QStringLiteral("Message"));
    QCOMPARE(form->lbl_name->text(), QString());
    QCOMPARE(form->t[0]->text(), QStringLiteral("1"));
    QCOMPARE(form->lbl_total->text(), QStringLiteral("2"));
    QCOMPARE(program.readFile(program.setPath("q.dat")).size(), 810); // no header added

    // Without a header no password opens it, and nothing breaks.
    program.dialogs.clear();
    form->txt_pass->setText(QString());
    form->cmd_add->click();
    QCOMPARE(program.dialogs.log(), QStringList{QStringLiteral("Password Incorrect|Password")});
}

void TestMainWindow::countsPerRound_data()
{
    QTest::addColumn<QList<QuestionRecord>>("records");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("total");

    const QuestionRecord header = makeHeader("m", "c", "p");
    QStringList threeInFirst(15, QStringLiteral("0"));
    threeInFirst[0] = QStringLiteral("3");
    QTest::newRow("three in round 1")
        << QList<QuestionRecord>{header, makeQuestion(1, 2, "A"), makeQuestion(1, 3, "B"),
                                 makeQuestion(1, 4, "C")}
        << threeInFirst << "3";

    QStringList oddRounds(15, QStringLiteral("0"));
    oddRounds[14] = QStringLiteral("1");
    oddRounds[4] = QStringLiteral("2");
    QTest::newRow("rounds outside 1 to 15 count nowhere")
        << QList<QuestionRecord>{QuestionRecord{}, makeQuestion(0, 2, "ZERO"),
                                 makeQuestion(16, 3, "SIXTEEN"), makeQuestion(-1, 4, "NEG"),
                                 makeQuestion(5, 5, "FIVE"), header, makeQuestion(15, 6, "TOP"),
                                 makeQuestion(5, 7, "FIVE AGAIN")}
        << oddRounds << "3";

    QStringList all(15, QStringLiteral("1"));
    all[7] = QStringLiteral("2");
    QList<QuestionRecord> records = everyRound();
    records << makeQuestion(8, 17, "EXTRA");
    QTest::newRow("every round") << records << all << "16";
}

void TestMainWindow::countsPerRound()
{
    QFETCH(QList<QuestionRecord>, records);
    QFETCH(QStringList, counts);
    QFETCH(QString, total);

    TestProgram program;
    program.writeSet(QStringLiteral("q.dat"), records);
    program.state.set_name = QStringLiteral("q.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    QCOMPARE(shownCounts(form), counts);
    QCOMPARE(form->lbl_total->text(), total);
    // A screen reader hears each count with what it counts.
    for (int i : {0, 4, 14}) {
        QCOMPARE(QAccessible::queryAccessibleInterface(form->t[i])->text(QAccessible::Name),
                 QStringLiteral("Questions for %1: %2").arg(Ladder::amount(i + 1), counts[i]));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(form->lbl_total)->text(QAccessible::Name),
             QStringLiteral("Total questions: ") + total);
    QCOMPARE(program.state.record_count, int(records.size()));
    QVERIFY(program.dialogs.shown.isEmpty());

    // The game opens only when every round has a question.
    const bool complete = !counts.contains(QStringLiteral("0"));
    if (complete) {
        program.dialogs.answerText(QStringLiteral("Ann"));
        program.dialogs.answerYes(); // leaving the game by its close box
    }
    ModalWatch watch([](QWidget *modal) { modal->close(); });
    form->cmd_play->click();
    QCOMPARE(watch.ran(), complete);
    QCOMPARE(program.dialogs.log(), complete ? kGameOpenedAndLeft : QStringList{kRefusal});
}

// Each screen opened from the main window refreshes it when it closes, and
// only then: while it is open the counts stay as they were.
void TestMainWindow::modalScreensRefreshOnReturn_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("prompts");
    QTest::newRow("Play Game") << "cmd_play" << "Form3" << kGameOpenedAndLeft;
    QTest::newRow("Manage Questions") << "cmd_view" << "Form7"
                                      << QStringList{"Type In Password|Password"};
    QTest::newRow("About Game") << "cmd_about" << "Form2" << QStringList();
}

void TestMainWindow::modalScreensRefreshOnReturn()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QStringList, prompts);

    TestProgram program;
    if (button == QLatin1String("cmd_view"))
        program.dialogs.answerText(QStringLiteral(" PW ")); // the gate ignores case and spaces
    if (button == QLatin1String("cmd_play")) {
        program.dialogs.answerText(QStringLiteral("Ann"));
        program.dialogs.answerYes();
    }
    const QString path = program.writeSet(QStringLiteral("q.dat"), everyRound());
    program.state.set_name = QStringLiteral("q.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    form->txt_q->setText(QStringLiteral("typed"));

    QString seen;
    QString countWhileOpen;
    bool written = false;
    ModalWatch watch([&](QWidget *modal) {
        seen = modal->objectName();
        int count = program.state.record_count;
        written = SetStore::append(path, count, makeQuestion(3, 99, "ADDED ELSEWHERE"));
        countWhileOpen = form->t[2]->text();
        modal->close();
    });
    form->findChild<QPushButton *>(button)->click();

    QVERIFY(watch.ran());
    QVERIFY(written);
    QCOMPARE(seen, screen);
    QCOMPARE(countWhileOpen, QStringLiteral("1"));
    QCOMPARE(form->t[2]->text(), QStringLiteral("2"));
    QCOMPARE(form->lbl_total->text(), QStringLiteral("16"));
    QCOMPARE(form->txt_q->text(), QString());
    QCOMPARE(program.dialogs.log(), prompts);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form->findChild<AboutScreen *>());
    QVERIFY(!form->findChild<QDialog *>());
}

void TestMainWindow::newQuestionSetDerivesCountAfresh()
{
    TestProgram program;
    program.writeSet(QStringLiteral("a.dat"),
                     {makeHeader("m", "Ann", "p"), makeQuestion(1, 2, "A"),
                      makeQuestion(2, 3, "B")});
    QList<QuestionRecord> twenty{makeHeader("m2", "Bo", "p")};
    for (int i = 2; i <= 20; ++i)
        twenty << makeQuestion(i % 15 + 1, i, QStringLiteral("Q%1").arg(i));
    program.writeSet(QStringLiteral("b.dat"), twenty);

    program.state.set_name = QStringLiteral("a.dat");
    QPointer<MainWindow> first = MainWindow::showNew(program.state, program.services);
    QCOMPARE(program.state.record_count, 3);

    first->cmd_new->click();
    QCOMPARE(program.state.record_count, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    auto *start = qobject_cast<StartScreen *>(visibleTopLevel(QStringLiteral("Form4")));
    QVERIFY(start);

    start->Text1->setText(QStringLiteral("b.dat"));
    start->Command1->click();
    QCOMPARE(program.state.record_count, 20);
    auto *second = qobject_cast<MainWindow *>(visibleTopLevel(QStringLiteral("Form1")));
    QVERIFY(second);
    QCOMPARE(second->lbl_name->text(), QStringLiteral("Bo"));
    QCOMPARE(second->lbl_total->text(), QStringLiteral("19"));
}

void TestMainWindow::quitEndsTheProgram_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Quit") << true;
    QTest::newRow("close box") << false;
}

void TestMainWindow::quitEndsTheProgram()
{
    QFETCH(bool, byButton);
    TestProgram program;
    program.state.set_name = QStringLiteral("q.dat");
    QPointer<MainWindow> form = MainWindow::showNew(program.state, program.services);
    QPointer<QWidget> other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();

    QTimer::singleShot(0, form, [&] {
        if (byButton)
            form->cmd_quit->click();
        else
            form->close();
    });
    // Should quitting fail, this ends the loop with a different code.
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
    QVERIFY(other.isNull());
}

void TestMainWindow::fileProblemsAreReported()
{
    TestProgram program;
    // A folder where the set file should be: it can be neither opened nor made.
    QVERIFY(QDir(program.questionsDir()).mkdir(QStringLiteral("dir.dat")));
    program.state.set_name = QStringLiteral("dir.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    QVERIFY(!program.dialogs.shown.isEmpty());
    for (const auto &shown : program.dialogs.shown)
        QCOMPARE(shown.title, QStringLiteral("Question Set"));
    QCOMPARE(form->lbl_total->text(), QStringLiteral("0"));
    form->close();

    // A new set whose header cannot be written is not passed off as created.
    TestProgram full;
    full.state.set_name = QStringLiteral("new.dat");
    full.state.creator = QStringLiteral("Ann");
    {
        FileSizeLimit limit(0);
        form = MainWindow::showNew(full.state, full.services);
    }
    QCOMPARE(full.state.record_count, 0);
    QVERIFY(!full.dialogs.shown.isEmpty());
    QCOMPARE(full.dialogs.shown[0].title, QStringLiteral("Question Set"));
    QCOMPARE(full.readFile(full.setPath("new.dat")).size(), 0);
    QCOMPARE(form->lbl_name->text(), QString());

    // Once the file can grow again, the next activation writes the header.
    full.dialogs.clear();
    form->activate();
    QVERIFY(full.dialogs.shown.isEmpty());
    QCOMPARE(full.state.record_count, 1);
    QCOMPARE(form->lbl_name->text(), QStringLiteral("Ann"));
    form->close();

    // A set that could not be opened at load is never given a header later:
    // its real records may be behind the error.
    TestProgram unopened;
    unopened.state.set_name = QStringLiteral("new.dat");
    {
        IoFaults::Plan failFirstOpen(IoFaults::Op::Create, 1);
        form = MainWindow::showNew(unopened.state, unopened.services);
        form->activate();
    }
    QCOMPARE(unopened.dialogs.shown.size(), 1);
    QVERIFY(!QFile::exists(unopened.setPath("new.dat")));
}

void TestMainWindow::controlsAreNamedAndLaidOut()
{
    TestProgram program;
    program.state.set_name = QStringLiteral("q.dat");
    auto *form = MainWindow::showNew(program.state, program.services);
    QCOMPARE(form->windowTitle(), QStringLiteral("Quorvane?"));

    const QStringList amounts = {"£100",     "£200:",    "£300:",    "£500:",     "£1000:",
                                 "£2000:",   "£4000:",   "£8000:",   "£16000:",   "£32000:",
                                 "£64000:",  "£125000:", "£250000:", "£500000:", "£1000000:"};
    for (int i = 0; i < 15; ++i) {
        auto *amount = form->findChild<QLabel *>(QStringLiteral("Label%1").arg(8 + i));
        QVERIFY(amount);
        QCOMPARE(amount->text(), amounts[i]);
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("t%1").arg(i)), form->t[i]);
        // Each count stands level with its amount, eight to a column.
        QCOMPARE(form->t[i]->mapTo(form, QPoint()).y(), amount->mapTo(form, QPoint()).y());
        QVERIFY(form->t[i]->mapTo(form, QPoint()).x() > amount->mapTo(form, QPoint()).x());
    }
    QCOMPARE(form->t[7]->y(), form->lbl_total->y());
    QVERIFY(form->t[8]->x() > form->t[7]->x());

    QStringList combo;
    for (int i = 0; i < form->cmb_round->count(); ++i)
        combo << form->cmb_round->itemText(i);
    QCOMPARE(combo, QStringList({"£100", "£200", "£300", "£500", "£1000", "£2000", "£4000",
                                 "£8000", "£16000", "£32000", "£64000", "£125000", "£250000",
                                 "£500000", "£1000000"}));
    QCOMPARE(form->txt_q->maxLength(), 200);
    for (QLineEdit *box : {form->txt_a1, form->txt_a2, form->txt_a3, form->txt_a4}) {
        QCOMPARE(box->maxLength(), 50);
        bool hasBuddy = false;
        for (QLabel *label : form->findChildren<QLabel *>())
            hasBuddy = hasBuddy || label->buddy() == box;
        QVERIFY2(hasBuddy, qPrintable(box->objectName()));
    }
    QTest::keyClicks(form->txt_pass, QStringLiteral("pw1"));
    QCOMPARE(form->txt_pass->displayText(), QStringLiteral("***"));

    // Buttons stacked at the left in their order, details beside them, the
    // add frame at the top right.
    const QList<QPushButton *> buttons = {form->cmd_play, form->cmd_view, form->cmd_new,
                                          form->cmd_about, form->cmd_quit};
    for (int i = 1; i < buttons.size(); ++i)
        QVERIFY(buttons[i]->y() > buttons[i - 1]->y());
    QVERIFY(form->Frame1->x() > form->cmd_play->x() + form->cmd_play->width());
    QVERIFY(form->fra_add->x() > form->Frame2->x() + form->Frame2->width());
    QVERIFY(form->Frame1->y() >= form->fra_add->y() + form->fra_add->height());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

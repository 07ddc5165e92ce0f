#include "app/mainwindow.h"
#include "app/navigator.h"
#include "managerhelpers.h"
#include "modalwatch.h"
#include "storage/iofaults.h"
#include "storage/questionset.h"
#include "testprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

using namespace ManagerHelpers;
using Change = QuestionSet::Change;

namespace {

const QStringList kGameOpenedAndLeft{"What Is Your Full Name?|Player", "Lets Play Quorvane!|Play",
                                     "Are You Sure You Want To Quit?|Quit"};
const QString kNoQuestions = QStringLiteral("You Must Have At Least One Question For Each Round|Questions");

QString text(const QWidget *window, const QString &name)
{
    return control<QLabel>(window, name)->text();
}

QList<QuestionRecord> everyRound()
{
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "pw")};
    for (int r = 1; r <= 15; ++r)
        records << makeQuestion(r, r + 1, QStringLiteral("Q%1").arg(r));
    return records;
}

// Presses a control as a screen reader does, through the accessibility bus.
void press(QWidget *control)
{
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

// Scripts the answers to the prompts in order, "yes" to a Yes/No box.
void answer(TestProgram &program, const QStringList &answers)
{
    for (const QString &answer : answers)
        answer == QLatin1String("yes") ? program.dialogs.answerYes() : program.dialogs.answerText(answer);
}

MainWindow *openSet(TestProgram &program, const QList<QuestionRecord> &records)
{
    program.writeSet(QStringLiteral("q.dat"), records);
    program.state.set.name = QStringLiteral("q.dat");
    return Navigator::openMainWindow(program.state, program.services);
}

} // namespace

// The main window, one flow per button.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void newSetGetsItsHeader_data()
    {
        QTest::addColumn<QString>("setName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("named set") << "quiz.dat" << "quiz.dat";
        QTest::newRow("no name") << ".dat" << "untitled.dat";
    }

    void newSetGetsItsHeader()
    {
        QFETCH(QString, setName);
        QFETCH(QString, fileName);
        TestProgram program;
        program.state.set.name = setName;
        program.state.newSet.creator = QStringLiteral(" Bo ");
        program.state.newSet.message = QStringLiteral("Good luck");
        program.state.newSet.password = QStringLiteral("pw");
        auto *form = Navigator::openMainWindow(program.state, program.services);

        const QString path = program.setPath(fileName);
        QCOMPARE(program.state.set.path, path);
        QCOMPARE(program.readFile(path), makeHeader("Good luck", " Bo ", "pw").toBytes());
        QCOMPARE(text(form, "lbl_qset2"), fileName);
        QCOMPARE(text(form, "lbl_name"), QStringLiteral("Bo"));
        QCOMPARE(text(form, "lbl_message"), QStringLiteral("Good luck"));
        QCOMPARE(text(form, "lbl_m"), QStringLiteral("Message from Bo"));
        QCOMPARE(text(form, "lbl_total"), QStringLiteral("0"));
        click(form, "cmd_play"); // the only message shown
        QCOMPARE(program.dialogs.log(), QStringList{kNoQuestions});
    }

    // Each screen opened from the main window refreshes it when it closes, and
    // only then: while it is open the counts stay as they were.
    void modalScreensRefreshOnReturn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("answers"); // to the prompts, in order
        QTest::addColumn<QString>("screen");      // empty: none opens
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Play Game") << "cmd_play" << QStringList{"Ann", "yes"} << "Form3" << kGameOpenedAndLeft;
        QTest::newRow("Manage Questions") << "cmd_view" << QStringList{" PW "} << "Form7"
                                          << QStringList{"Type In Password|Password"};
        QTest::newRow("About Game") << "cmd_about" << QStringList() << "Form2" << QStringList();
        QTest::newRow("Manage Questions, refused") << "cmd_view" << QStringList{"p w"} << ""
            << QStringList{"Type In Password|Password", "Password Incorrect|Password"};
    }

    void modalScreensRefreshOnReturn()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, answers);
        QFETCH(QString, screen);
        QFETCH(QStringList, shown);
        TestProgram program;
        answer(program, answers);
        auto *form = openSet(program, everyRound());
        control<QLineEdit>(form, "txt_q")->setText(QStringLiteral("typed"));

        QString seen, countWhileOpen;
        ModalWatch watch([&](QWidget *modal) {
            seen = modal->objectName();
            int count = 0;
            QCOMPARE(QuestionSet(program.state.set.path).add(makeQuestion(3, 99, "NEW"), count),
                     QuestionSet::Change::Done);
            countWhileOpen = text(form, "t2");
            modal->close();
        });
        click(form, button);

        QCOMPARE(seen, screen);
        QCOMPARE(program.dialogs.log(), shown);
        // The password is typed unseen; the player's name is not.
        for (const ScriptedDialogs::Shown &asked : program.dialogs.shown) {
            if (asked.kind == ScriptedDialogs::Kind::Prompt)
                QCOMPARE(asked.options.masked, asked.title == QLatin1String("Password"));
        }
        if (screen.isEmpty()) { // nothing closed over the main window: no refresh
            QCOMPARE(control<QLineEdit>(form, "txt_q")->text(), QStringLiteral("typed"));
            return;
        }
        QCOMPARE(countWhileOpen, QStringLiteral("1"));
        QCOMPARE(text(form, "t2"), QStringLiteral("2"));
        QCOMPARE(text(form, "lbl_total"), QStringLiteral("16"));
        // A screen reader hears each count with what it counts.
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control(form, "t2"));
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Questions for £300: 2"));
        QCOMPARE(control<QLineEdit>(form, "txt_q")->text(), QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form->findChild<QDialog *>());
    }

    // Another program changes the set while the main window shows it: the
    // details and counts follow without a word, and nothing is written.
    void followsAnotherProgram()
    {
        TestProgram program;
        auto *form = openSet(program, everyRound());
        const QuestionSet set(program.state.set.path);
        QVERIFY(set.removeRecord(2)); // round 1's question, by a renamed copy
        QTRY_COMPARE(text(form, "t0"), QStringLiteral("0"));
        QCOMPARE(text(form, "lbl_total"), QStringLiteral("14"));

        // Then the new file is written in place.
        const QByteArray renamed = program.readFile(set.path());
        const auto header = set.findHeader();
        QuestionSet::Pick loaded{header->n, header->bytes};
        QCOMPARE(set.changeDetails(loaded, {"Bo", "Bye", ""}), Change::Done);
        QTRY_COMPARE(text(form, "lbl_name"), QStringLiteral("Bo"));
        QCOMPARE(text(form, "lbl_message"), QStringLiteral("Bye"));
        QCOMPARE(program.readFile(set.path()).size(), renamed.size());

        QVERIFY(QFile::remove(set.path()));
        QTRY_COMPARE(text(form, "lbl_total"), QStringLiteral("0"));
        QVERIFY(!QFile::exists(set.path()));
        QCOMPARE(program.dialogs.log(), QStringList());
    }

    // Another program changes the set behind the window: Play Game goes by the
    // file as it is now, whatever the counts showed, and shows its counts.
    void playGameGoesByTheFile_data()
    {
        QTest::addColumn<int>("round");   // whose only question comes or goes
        QTest::addColumn<bool>("played");
        QTest::newRow("round 1 emptied") << 1 << false;
        QTest::newRow("round 15 filled") << 15 << true;
    }

    void playGameGoesByTheFile()
    {
        QFETCH(int, round);
        QFETCH(bool, played);
        TestProgram program;
        program.dialogs.answerText(QStringLiteral("Ann"));
        program.dialogs.answerYes();
        QList<QuestionRecord> records = everyRound();
        if (played)
            records.removeAt(round);
        auto *form = openSet(program, records);
        const QString count = QStringLiteral("t%1").arg(round - 1);
        QCOMPARE(text(form, count), QString::number(played ? 0 : 1));
        const QuestionSet set(program.state.set.path);
        int record_count = 0;
        QVERIFY(played ? set.add(makeQuestion(round, 0, "NEW?"), record_count) == Change::Done
                       : set.removeRecord(1 + round).has_value());

        QString seen;
        ModalWatch watch([&](QWidget *modal) {
            seen = modal->objectName();
            modal->close();
        });
        click(form, "cmd_play");
        QCOMPARE(seen, played ? QStringLiteral("Form3") : QString());
        QCOMPARE(program.dialogs.log(), played ? kGameOpenedAndLeft : QStringList{kNoQuestions});
        QCOMPARE(text(form, count), QString::number(played ? 1 : 0));
    }

    // A window under a modal screen does nothing, however its buttons are
    // pressed: a screen reader presses them through the accessibility bus,
    // which modality does not hold back. No modal screen is freed twice, not
    // even when its owner is deleted under it.
    void windowsUnderAModalScreenWait_data()
    {
        QTest::addColumn<QString>("button");       // on the main window; opens the screen
        QTest::addColumn<QStringList>("answers");  // to the prompts and Yes/No boxes
        QTest::addColumn<QString>("realBox");      // a box shown for real
        QTest::addColumn<QStringList>("inGame");   // clicked once the game screen is up
        QTest::addColumn<QString>("screen");       // the modal screen, by name or class
        QTest::addColumn<bool>("deleteOwner");     // instead of pressing buttons

        const QStringList none, winning{"Ann", "yes", "yes"}, toCertificate{"lbl_a", "Command1"};
        for (const bool deleted : {false, true}) {
            const char *under = deleted ? "main window deleted under %s" : "%s";
            QTest::addRow(under, "the manager") << "cmd_view" << QStringList{"pw"} << "" << none << "Form7" << deleted;
            QTest::addRow(under, "a message box") << "cmd_add" << none << "Password Incorrect" << none << "QMessageBox"
                                                  << deleted;
            QTest::addRow(under, "the certificate") << "cmd_play" << winning << "" << toCertificate << "Form5" << deleted;
        }
        QTest::newRow("About") << "cmd_about" << none << "" << none << "Form2" << false;
        QTest::newRow("game's quit box") << "cmd_play" << QStringList{"Ann"} << "Are You Sure You Want To Quit?"
                                         << QStringList{"Command2"} << "QMessageBox" << false;
    }

    void windowsUnderAModalScreenWait()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, answers);
        QFETCH(QString, realBox);
        QFETCH(QStringList, inGame);
        QFETCH(QString, screen);
        QFETCH(bool, deleteOwner);
        TestProgram program;
        answer(program, answers);
        program.dialogs.realBox = realBox;
        QPointer<MainWindow> form = openSet(program, everyRound());
        ModalWatch game([&](QWidget *modal) {
            for (const QString &name : inGame)
                press(control(modal, name));
        }, "Form3");

        QStringList before, after;
        bool closed = true, stillUnder = false;
        const QByteArray screenName = screen.toLatin1();
        ModalWatch underIt([&](QWidget *modal) {
            if (deleteOwner) {
                form->deleteLater();
                return;
            }
            before = program.dialogs.log() + program.sound.calls;
            for (QWidget *w : form->findChildren<QWidget *>()) {
                const QAccessible::Role role = QAccessible::queryAccessibleInterface(w)->role();
                if (w->window() != modal && (role == QAccessible::PushButton || role == QAccessible::Button))
                    press(w);
            }
            closed = form->close();
            QTest::qWait(300); // a pressed button clicks 100 ms later
            after = program.dialogs.log() + program.sound.calls;
            stillUnder = form && !TestProgram::visibleWindow(QStringLiteral("Form4"))
                         && QApplication::activeModalWidget() == modal;
            auto *box = qobject_cast<QMessageBox *>(modal);
            QAbstractButton *yes = box ? box->button(QMessageBox::Yes) : nullptr;
            yes ? yes->click() : void(modal->close());
        }, screenName.constData());
        click(form, button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(underIt.ran());
        if (deleteOwner) {
            QVERIFY(form.isNull());
            QVERIFY(!QApplication::activeModalWidget());
            return;
        }
        QVERIFY(!closed);
        QVERIFY(stillUnder);
        QCOMPARE(after, before);
        QVERIFY(form && form->isVisible());
        QVERIFY(!form->findChild<QDialog *>());
    }

    void addQuestion_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("right"); // 0 to 3, -1 none
        QTest::addColumn<int>("round"); // list position, -1 none
        QTest::addColumn<QString>("roundKeys"); // typed into the round list
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("focus"); // where a refusal takes the player

        const QString fields = QStringLiteral("Fill In All Fields|Fields");
        QTest::newRow("wrong password before empty fields") << "PW" << "" << -1 << -1 << QString()
                                                            << "Password Incorrect|Password" << "txt_pass";
        QTest::newRow("no round, none picked by typing") << "pw" << "Q?" << 1 << -1 << "SIX" << fields << "cmb_round";
        QTest::newRow("empty question before no answer") << "pw" << "" << -1 << 4 << QString() << fields << "txt_q";
        QTest::newRow("no right answer") << "pw" << "Q?" << -1 << 4 << QString() << "Choose Correct Answer Box|Answer"
                                         << "opt_a";
        QTest::newRow("added, the picked round kept") << " pw " << " what is it? " << 1 << 4 << "SIX"
                                                      << "Question Added|Added" << "cmd_add";
    }

    void addQuestion()
    {
        QFETCH(QString, password);
        QFETCH(QString, question);
        QFETCH(int, right);
        QFETCH(int, round);
        QFETCH(QString, roundKeys);
        QFETCH(QString, shown);
        QFETCH(QString, focus);
        TestProgram program;
        auto *form = openSet(program, {makeHeader("m", "c", "pw"), makeQuestion(5, 2, "Q"), makeQuestion(1, 4, "R")});
        typeQuestion(form, question, right, round, password);
        auto *roundBox = control<QComboBox>(form, "cmb_round");
        QTest::keyClicks(roundBox, roundKeys);
        auto *passwordBox = control<QLineEdit>(form, "txt_pass");
        QCOMPARE(passwordBox->displayText(), QString(password.size(), u'*'));
        const QByteArray before = program.readFile(program.state.set.path);
        control(form, "cmd_add")->setFocus();
        click(form, "cmd_add");
        QCOMPARE(program.dialogs.log(), QStringList{shown});
        QCOMPARE(form->focusWidget()->objectName(), focus);

        if (!shown.startsWith(QLatin1String("Question Added"))) { // refused: nothing changes
            QCOMPARE(program.readFile(program.state.set.path), before);
            QCOMPARE(control<QLineEdit>(form, "txt_q")->text(), question);
            QCOMPARE(roundBox->currentIndex(), round);
            return;
        }
        // Written behind the last record, numbered past the highest number.
        const QuestionRecord added = readRecords(program.state.set.path).last();
        QCOMPARE(added, makeQuestion(5, 5, "WHAT IS IT?", "b"));
        QCOMPARE(text(form, "t4"), QStringLiteral("2"));
        QCOMPARE(text(form, "lbl_total"), QStringLiteral("3"));
        // The fields are cleared and the password kept for the next question.
        QCOMPARE(control<QLineEdit>(form, "txt_q")->text(), QString());
        QCOMPARE(roundBox->currentIndex(), -1);
        QCOMPARE(passwordBox->text(), password);
    }

    // A set named after "New Question Set" is new: the record count of the set
    // before does not carry over, so it gets its header.
    void newQuestionSetStartsAfresh()
    {
        TestProgram program;
        QPointer<MainWindow> first = openSet(program, everyRound());
        click(first, "cmd_new");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QWidget *start = TestProgram::visibleWindow(QStringLiteral("Form4"));
        QVERIFY(start);
        control<QLineEdit>(start, "Text1")->setText(QStringLiteral("fresh"));
        click(start, "Command1");
        QVERIFY(TestProgram::visibleWindow(QStringLiteral("Form1")));
        QCOMPARE(program.readFile(program.setPath("fresh.dat")).size(), 405);
    }

    void quitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Quit") << true;
        QTest::newRow("close box") << false;
    }

    void quitEndsTheProgram()
    {
        QFETCH(bool, byButton);
        TestProgram program;
        program.state.set.name = QStringLiteral("q.dat");
        QPointer<MainWindow> form = Navigator::openMainWindow(program.state, program.services);
        QPointer<QWidget> other = new QWidget;
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->show();
        QTimer::singleShot(0, form, [&] { byButton ? click(form, "cmd_quit") : void(form->close()); });
        // Should quitting fail, this ends the loop with a different code.
        QTimer::singleShot(5000, form, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QVERIFY(other.isNull());
    }

    void fileProblemsAreReported()
    {
        // A new set whose header cannot be written is not passed off as created.
        MainWindow *form = nullptr;
        TestProgram full;
        full.state.set.name = QStringLiteral("new.dat");
        full.state.newSet.creator = QStringLiteral("Ann");
        {
            IoFaults::Plan diskFull(IoFaults::Op::Write, 1, true);
            form = Navigator::openMainWindow(full.state, full.services);
        }
        QVERIFY(!full.dialogs.shown.isEmpty());
        QCOMPARE(full.dialogs.shown[0].title, QStringLiteral("Question Set"));
        QCOMPARE(full.readFile(full.setPath("new.dat")).size(), 0);
        QCOMPARE(text(form, "lbl_name"), QString());
        // Once the file can grow again, the next activation writes the header.
        full.dialogs.clear();
        form->activate();
        QVERIFY(full.dialogs.shown.isEmpty());
        QCOMPARE(full.readFile(full.setPath("new.dat")).size(), 405);
        QCOMPARE(text(form, "lbl_name"), QStringLiteral("Ann"));
        form->close();

        // A set that could not be opened at load is never given a header later:
        // its real records may be behind the error.
        TestProgram unopened;
        unopened.state.set.name = QStringLiteral("new.dat");
        {
            IoFaults::Plan failFirstOpen(IoFaults::Op::Create, 1);
            form = Navigator::openMainWindow(unopened.state, unopened.services);
            form->activate();
        }
        QCOMPARE(unopened.dialogs.shown.size(), 1);
        QVERIFY(!QFile::exists(unopened.setPath("new.dat")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

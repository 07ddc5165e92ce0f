#include "app/mainwindow.h"
#include "app/navigator.h"
#include "app/startscreen.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace ManagerHelpers;

namespace {

QStringList listed(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

// The start screen: its list, and "Continue" with what it checks and hands on.
class TestStartScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void continueButton_data()
    {
        QTest::addColumn<QStringList>("typed"); // file name, creator, message, password
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<QStringList>("state"); // set name, creator, message, password
        QTest::addColumn<QString>("refusal");   // the message, when refused

        QTest::newRow("plain name") << QStringList{"quiz", "Ann", "Hi", ""} << "quiz.dat"
                                    << QStringList{"quiz.dat", "Ann", "Hi", ""} << "";
        QTest::newRow("upper-case .DAT, blank name filled")
            << QStringList{"quiz.DAT", "   ", "Hi", " pw "} << "quiz.DAT.dat"
            << QStringList{"quiz.DAT.dat", "Not Given", "Hi", "pw"} << "";
        QTest::newRow("spaces around") << QStringList{"  quiz  ", " Ann", " hello ", ""}
                                       << "  quiz  .dat" << QStringList{"quiz  .dat", " Ann", " hello ", ""} << "";
        // The name rule is the set's; here only that Continue asks it.
        QTest::newRow("name leaving the folder") << QStringList{"../escape"} << "../escape.dat" << QStringList()
                                                 << "The set name must not contain / or \\.";
        // A character Windows-1252 lacks would be stored as '?': a password
        // holding one could never be typed again.
        const QString omega = QStringLiteral("\u03A91");
        const QString cannot = QStringLiteral(" holds characters that a question set cannot store: \u03A9");
        QTest::newRow("creator") << QStringList{"quiz", omega} << "quiz.dat" << QStringList() << "Your Name" + cannot;
        QTest::newRow("message") << QStringList{"quiz", "", omega} << "quiz.dat" << QStringList() << "Message" + cannot;
        QTest::newRow("password") << QStringList{"quiz", "", "", omega} << "quiz.dat" << QStringList() << "Password" + cannot;
        // An existing set keeps its own header: what these boxes hold is not used.
        QTest::newRow("existing set") << QStringList{"old", omega, "", omega} << "old.dat"
                                      << QStringList{"old.dat", omega, "No Message", omega} << "";
    }

    void continueButton()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, shownAfter);
        QFETCH(QStringList, state);
        QFETCH(QString, refusal);
        TestProgram program;
        program.writeSet("old.dat", {makeHeader("Hi", "Ann", "pw")});
        QPointer<StartScreen> form = Navigator::openStartScreen(program.state, program.services);
        const char *boxes[] = {"Text1", "txt_name", "txt_message", "txt_pass"};
        for (int i = 0; i < 4; ++i)
            control<QLineEdit>(form, QLatin1String(boxes[i]))->setText(typed.value(i));
        click(form, "Command1");

        QCOMPARE(control<QLineEdit>(form, "Text1")->text(), shownAfter);
        const AppState &s = program.state;
        const QStringList handedOn{s.set.name, s.newSet.creator, s.newSet.message,
                                   s.newSet.password};
        QCOMPARE(handedOn, state.isEmpty() ? QStringList(4, QString()) : state);
        QCOMPARE(program.dialogs.log(), refusal.isEmpty() ? QStringList() : QStringList{refusal + "|Question Set"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Refused, the start screen stays with what was typed and nothing is made.
        QCOMPARE(form.isNull(), refusal.isEmpty());
        QCOMPARE(bool(TestProgram::visibleWindow(QStringLiteral("Form1"))), refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QCOMPARE(control<QLineEdit>(form, "txt_pass")->text(), typed.value(3));
            QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files), QStringList{"old.dat"});
            QCOMPARE(QDir(program.dir()).entryList(QDir::Files), QStringList());
        }
    }

    void listShowsSetFilesAndPickingReplacesName()
    {
        TestProgram program;
        QVERIFY(QDir(program.questionsDir()).removeRecursively());
        delete Navigator::openStartScreen(program.state, program.services);
        QVERIFY(QDir(program.questionsDir()).exists()); // made again when missing
        // A write's temporary copy is hidden and never listed.
        // Only what opens as a set is listed: a backup is not.
        for (const char *name :
             {"b quiz.dat", "a.dat", "old.dat.bak", "notes.txt", "DATA.DAT", ".a.dat.quorvane-x1Y2z3"})
            program.writeSet(QString::fromLatin1(name), {});
        QDir(program.questionsDir()).mkdir(QStringLiteral("folder.dat"));
        QVERIFY(QFile::link(QStringLiteral("a.dat"), program.setPath(QStringLiteral("link.dat"))));
        // A Latin-1 name ("café") would be listed as another name.
        const QByteArray latin1 = QFile::encodeName(program.questionsDir()) + "/caf\xE9.dat";
        QCOMPARE(::close(::open(latin1.constData(), O_CREAT | O_WRONLY, 0644)), 0);
        // A killed writer's copy goes when the folder is listed.
        const QString left = program.writeFile(QStringLiteral(".b.dat.quorvane-q1W2e3"), "left");

        QWidget *form = Navigator::openStartScreen(program.state, program.services);
        auto *list = control<QListWidget>(form, "File1");
        QCOMPARE(listed(list), QStringList({"a.dat", "b quiz.dat", "DATA.DAT"}));
        QCOMPARE(control<QLabel>(form, "lbl_unlisted")->text(),
                 QStringLiteral("1 file is not listed: its name is not valid UTF-8."));
        QVERIFY(!QFile::exists(left));

        // Tabbing into the list makes a row current but chooses nothing; a
        // screen reader is told that row and its place in the list.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        auto *name = control<QLineEdit>(form, "Text1");
        name->setText(QStringLiteral("typed"));
        control(form, "txt_pass")->setFocus();
        static QStringList focused;
        focused.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::Focus)
                focused << event->accessibleInterface()->text(QAccessible::Name) + ", "
                               + event->accessibleInterface()->text(QAccessible::Description);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QTRY_COMPARE(focused, QStringList{"a.dat, 1 of 3"});
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(name->text(), QStringLiteral("typed"));

        clickRow(list, 1);
        QCOMPARE(name->text(), QStringLiteral("b quiz.dat"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(name->text(), QStringLiteral("a.dat"));
    }

    void pickingOpensThatFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gone"); // what another program removed after the pick
        QTest::newRow("longer than the name box") << "Friday Night Pub Quiz Round Two.dat" << "";
        QTest::newRow("upper-case extension") << "DATA.DAT" << "";
        QTest::newRow("space in front") << " quiz.dat" << "";
        QTest::newRow("set removed") << "quiz.dat" << "set";
        QTest::newRow("folder removed") << "quiz.dat" << "folder";
    }

    // Typed names get ".dat" and lose outer spaces; a picked one is the file itself.
    void pickingOpensThatFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, gone);
        TestProgram program;
        program.writeSet(name, {makeHeader("Hi", "Ann", "pw")});
        QWidget *form = Navigator::openStartScreen(program.state, program.services);
        auto *list = control<QListWidget>(form, "File1");
        clickRow(list, 0);
        auto *box = control<QLineEdit>(form, "Text1");
        QCOMPARE(box->text(), name);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "xy");
        // Typing stops at 30 characters, also behind a longer picked name.
        QCOMPARE(box->text(), name.size() > 30 ? name : name + "xy");
        clickRow(list, 0);
        QCOMPARE(box->text(), name);
        if (!gone.isEmpty()) { // before the list could follow
            QVERIFY(gone == "set" ? QFile::remove(program.setPath(name))
                                  : QDir(program.questionsDir()).removeRecursively());
            click(form, "Command1");
            QCOMPARE(program.dialogs.log(),
                     QStringList{"The question set \"quiz.dat\" no longer exists.|Question Set"});
            QVERIFY(!QFile::exists(program.setPath(name)));
            QVERIFY(!TestProgram::visibleWindow(QStringLiteral("Form1")));
            QCOMPARE(list->count(), 0);
            return;
        }
        click(form, "Command1");
        QCOMPARE(program.state.set.name, name);
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files), QStringList{name});
        QVERIFY(TestProgram::visibleWindow(QStringLiteral("Form1")));
        QVERIFY(program.dialogs.shown.isEmpty());
    }

    // Ctrl+Q ends the program from either top-level screen, as its close box does.
    void ctrlQCloses_data()
    {
        QTest::addColumn<bool>("main");
        QTest::newRow("start screen") << false;
        QTest::newRow("main window") << true;
    }

    void ctrlQCloses()
    {
        QFETCH(bool, main);
        TestProgram program;
        program.state.set.name = QStringLiteral("q.dat");
        QPointer<QWidget> form;
        if (main)
            form = Navigator::openMainWindow(program.state, program.services);
        else
            form = Navigator::openStartScreen(program.state, program.services);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(form.isNull());
    }

    // Another program adds and removes sets while the start screen shows: the
    // list follows, the set picked stays picked and the typed name stays.
    void listFollowsTheFolder()
    {
        TestProgram program;
        for (const char *name : {"a.dat", "c.dat"})
            program.writeSet(QString::fromLatin1(name), {});
        QWidget *form = Navigator::openStartScreen(program.state, program.services);
        auto *list = control<QListWidget>(form, "File1");
        clickRow(list, 1);
        auto *name = control<QLineEdit>(form, "Text1");
        name->setText(QStringLiteral("typed"));

        // A new set arrives as a renamed copy; another goes.
        const QString hidden = program.writeSet(QStringLiteral(".b.dat.tmp"), {});
        QVERIFY(QFile::rename(hidden, program.setPath(QStringLiteral("b.dat"))));
        QVERIFY(QFile::remove(program.setPath(QStringLiteral("a.dat"))));
        QTRY_COMPARE(listed(list), QStringList({"b.dat", "c.dat"}));
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("c.dat"));
        QCOMPARE(name->text(), QStringLiteral("typed"));
    }
};

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"

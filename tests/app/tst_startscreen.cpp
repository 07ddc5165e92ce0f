#include "app/navigator.h"
#include "app/startscreen.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace ManagerHelpers;

// The start screen: its list, and "Continue" with what it checks and hands on.
class TestStartScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }

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
                                       << "  quiz  .dat"
                                       << QStringList{"quiz  .dat", " Ann", " hello ", ""} << "";
        QTest::newRow("name leaving the folder") << QStringList{"../escape"} << "../escape.dat"
                                                 << QStringList()
                                                 << "The set name must not contain / or \\.";
        // A character Windows-1252 lacks would be stored as '?': a password
        // holding one could never be typed again.
        const QString omega = QStringLiteral("\u03A91");
        const QString cannot = QStringLiteral(" holds characters that a question set cannot store: "
                                              "\u03A9");
        QTest::newRow("creator") << QStringList{"quiz", omega} << "quiz" << QStringList()
                                 << "Your Name" + cannot;
        QTest::newRow("message") << QStringList{"quiz", "", omega} << "quiz" << QStringList()
                                 << "Message" + cannot;
        QTest::newRow("password") << QStringList{"quiz", "", "", omega} << "quiz" << QStringList()
                                  << "Password" + cannot;
    }

    void continueButton()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, shownAfter);
        QFETCH(QStringList, state);
        QFETCH(QString, refusal);
        TestProgram program;
        QPointer<StartScreen> form = Navigator::openStartScreen(program.state, program.services);
        const char *boxes[] = {"Text1", "txt_name", "txt_message", "txt_pass"};
        for (int i = 0; i < 4; ++i)
            control<QLineEdit>(form, QLatin1String(boxes[i]))->setText(typed.value(i));
        click(form, "Command1");

        QCOMPARE(control<QLineEdit>(form, "Text1")->text(), shownAfter);
        const AppState &s = program.state;
        const QStringList handedOn{s.set_name, s.creator, s.message, s.password};
        QCOMPARE(handedOn, state.isEmpty() ? QStringList(4, QString()) : state);
        QCOMPARE(program.dialogs.log(),
                 refusal.isEmpty() ? QStringList() : QStringList{refusal + "|Question Set"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Refused, the start screen stays with what was typed and nothing is made.
        QCOMPARE(form.isNull(), refusal.isEmpty());
        QCOMPARE(bool(TestProgram::visibleWindow(QStringLiteral("Form1"))), refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QCOMPARE(control<QLineEdit>(form, "txt_pass")->text(), typed.value(3));
            QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files), QStringList());
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
        for (const char *name :
             {"b quiz.dat", "a.dat", "old.dat.bak", "notes.txt", "DATA.DAT", ".a.dat.quorvane-x1Y2z3"})
            program.writeSet(QString::fromLatin1(name), {});
        QDir(program.questionsDir()).mkdir(QStringLiteral("folder.dat"));
        // A killed writer's copy goes when the folder is listed.
        const QString left = program.writeFile(QStringLiteral(".b.dat.quorvane-q1W2e3"), "left");

        QWidget *form = Navigator::openStartScreen(program.state, program.services);
        auto *list = control<QListWidget>(form, "File1");
        QStringList listed;
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        QCOMPARE(listed, QStringList({"a.dat", "b quiz.dat", "DATA.DAT", "old.dat.bak"}));
        QVERIFY(!QFile::exists(left));

        // Tabbing into the list makes a row current but chooses nothing.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        auto *name = control<QLineEdit>(form, "Text1");
        name->setText(QStringLiteral("typed"));
        control(form, "txt_pass")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(name->text(), QStringLiteral("typed"));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(name->text(), QStringLiteral("b quiz.dat"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(name->text(), QStringLiteral("a.dat"));
        click(form, "Command1"); // a picked name ending in .dat is kept as it is
        QCOMPARE(program.state.set_name, QStringLiteral("a.dat"));
    }
};

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"

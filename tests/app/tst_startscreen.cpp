#include "app/mainwindow.h"
#include "app/startscreen.h"
#include "storage/setnames.h"
#include "testprogram.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestStartScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void continueFixesTheSet_data();
    void continueFixesTheSet();
    void listShowsSetFilesAndPickingReplacesName();
    void missingQuestionsFolderIsCreated();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void headerTextsMustBeStorable_data();
    void headerTextsMustBeStorable();
    void nameRulesBeyondTheBox_data();
    void nameRulesBeyondTheBox();
    void controlsAreNamedAndLabelled();

private:
    static QWidget *topLevel(const QString &name);
};

QWidget *TestStartScreen::topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

void TestStartScreen::continueFixesTheSet_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QString>("set_name");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("pass");
    QTest::addColumn<QString>("password");

    QTest::newRow("plain name") << "quiz" << "quiz.dat" << "quiz.dat" << "Ann" << "Ann" << "Hi"
                                << "" << "";
    QTest::newRow("already .dat") << "quiz.dat" << "quiz.dat" << "quiz.dat" << "" << "Not Given"
                                  << "" << "x" << "x";
    QTest::newRow("upper-case .DAT") << "quiz.DAT" << "quiz.DAT.dat" << "quiz.DAT.dat" << "A"
                                     << "A" << "m" << "" << "";
    QTest::newRow("empty name") << "" << ".dat" << ".dat" << "   " << "Not Given" << "   "
                                << "" << "";
    QTest::newRow("spaces around") << "  quiz  " << "  quiz  .dat" << "quiz  .dat" << " Ann"
                                   << " Ann" << " hello " << " pw " << "pw";
}

void TestStartScreen::continueFixesTheSet()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownAfter);
    QFETCH(QString, set_name);
    QFETCH(QString, name);
    QFETCH(QString, creator);
    QFETCH(QString, message);
    QFETCH(QString, pass);
    QFETCH(QString, password);

    TestProgram program;
    auto *form = StartScreen::showNew(program.state, program.services);
    QPointer<StartScreen> guard(form);
    form->Text1->setText(typed);
    form->txt_name->setText(name);
    form->txt_message->setText(message.isEmpty() ? QString() : message);
    form->txt_pass->setText(pass);
    QCOMPARE(form->findChild<QPushButton *>("Command1")->text(), QStringLiteral("Continue"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);

    QCOMPARE(form->Text1->text(), shownAfter);
    QCOMPARE(program.state.set_name, set_name);
    QCOMPARE(program.state.creator, creator);
    const QString expectedMessage =
        message.trimmed().isEmpty() ? QStringLiteral("No Message") : message;
    QCOMPARE(program.state.message, expectedMessage);
    QCOMPARE(program.state.password, password);
    QVERIFY(program.dialogs.shown.isEmpty());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull()); // the start screen closed and went away
    QVERIFY(topLevel(QStringLiteral("Form1")));
}

void TestStartScreen::listShowsSetFilesAndPickingReplacesName()
{
    TestProgram program;
    for (const char *name : {"b quiz.dat", "a.dat", "old.dat.bak", "notes.txt", "DATA.DAT"})
        program.writeSet(QString::fromLatin1(name), {});
    QDir(program.questionsDir()).mkdir(QStringLiteral("folder.dat"));

    auto *form = StartScreen::showNew(program.state, program.services);
    QStringList listed;
    for (int i = 0; i < form->File1->count(); ++i)
        listed << form->File1->item(i)->text();
    QCOMPARE(listed, QStringList({"a.dat", "b quiz.dat", "DATA.DAT", "old.dat.bak"}));

    // Tabbing into the list makes a row current but chooses nothing.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->Text1->setText(QStringLiteral("typed"));
    form->txt_pass->setFocus();
    QTest::keyClick(form->txt_pass, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->File1);
    QCOMPARE(form->Text1->text(), QStringLiteral("typed"));

    QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {},
                      form->File1->visualItemRect(form->File1->item(1)).center());
    QCOMPARE(form->Text1->text(), QStringLiteral("b quiz.dat"));
    form->File1->setFocus();
    QTest::keyClick(form->File1, Qt::Key_Down);
    QCOMPARE(form->Text1->text(), QStringLiteral("DATA.DAT"));

    // A picked name ending in .dat is kept as it is.
    QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {},
                      form->File1->visualItemRect(form->File1->item(0)).center());
    form->Command1->click();
    QCOMPARE(program.state.set_name, QStringLiteral("a.dat"));
}

void TestStartScreen::missingQuestionsFolderIsCreated()
{
    TestProgram program;
    QVERIFY(QDir(program.questionsDir()).removeRecursively());
    auto *form = StartScreen::showNew(program.state, program.services);
    QVERIFY(QDir(program.questionsDir()).exists());
    QCOMPARE(form->File1->count(), 0);
}

void TestStartScreen::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("slash") << "../escape";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("control character") << QStringLiteral("a\tb");
}

void TestStartScreen::unsafeNamesAreRefused()
{
    QFETCH(QString, typed);
    TestProgram program;
    auto *form = StartScreen::showNew(program.state, program.services);
    QPointer<StartScreen> guard(form);
    form->Text1->setText(typed);
    form->Command1->click();
    QCOMPARE(program.dialogs.shown.size(), 1);
    QCOMPARE(program.dialogs.shown[0].title, QStringLiteral("Question Set"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard.isNull());
    QVERIFY(form->isVisible());
    QCOMPARE(form->Text1->text(), typed + QStringLiteral(".dat"));
    QVERIFY(program.state.set_name.isEmpty());
    QVERIFY(!topLevel(QStringLiteral("Form1")));
    // Nothing was created anywhere.
    QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files).size(), 0);
    QCOMPARE(QDir(program.dir()).entryList(QDir::Files).size(), 0);
}

void TestStartScreen::headerTextsMustBeStorable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::newRow("password") << "txt_pass" << "Password";
    QTest::newRow("creator") << "txt_name" << "Your Name";
    QTest::newRow("message") << "txt_message" << "Message";
}

// A character Windows-1252 lacks would be stored as '?': a password holding
// one could never be typed again.
void TestStartScreen::headerTextsMustBeStorable()
{
    QFETCH(QString, box);
    QFETCH(QString, caption);
    TestProgram program;
    auto *form = StartScreen::showNew(program.state, program.services);
    form->Text1->setText(QStringLiteral("quiz"));
    form->findChild<QLineEdit *>(box)->setText(QStringLiteral("\u03A91"));
    form->Command1->click();
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown[0].text.startsWith(caption));
    QVERIFY(program.dialogs.shown[0].text.contains(QStringLiteral("\u03A9")));
    QVERIFY(form->isVisible());
    QCOMPARE(form->Text1->text(), QStringLiteral("quiz"));
    QCOMPARE(form->findChild<QLineEdit *>(box)->text(), QStringLiteral("\u03A91"));
    QVERIFY(!topLevel(QStringLiteral("Form1")));
    QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files).size(), 0);
}

void TestStartScreen::nameRulesBeyondTheBox_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ordinary") << "my quiz.dat" << true;
    QTest::newRow("dots inside") << "..quiz.dat" << true;
    QTest::newRow("accented") << QStringLiteral("caf\u00E9.dat") << true;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("delete char") << QStringLiteral("a\x7F.dat") << false;
    QTest::newRow("300 characters") << QString(296, QLatin1Char('x')) + ".dat" << false;
    QTest::newRow("255 bytes") << QString(251, QLatin1Char('x')) + ".dat" << true;
}

void TestStartScreen::nameRulesBeyondTheBox()
{
    QFETCH(QString, fileName);
    QFETCH(bool, ok);
    QCOMPARE(SetNames::problem(fileName).isEmpty(), ok);
}

void TestStartScreen::controlsAreNamedAndLabelled()
{
    TestProgram program;
    auto *form = StartScreen::showNew(program.state, program.services);
    QCOMPARE(form->windowTitle(), QStringLiteral("Startup"));
    const QList<std::pair<const char *, int>> boxes = {
        {"Text1", 30}, {"txt_name", 30}, {"txt_message", 150}, {"txt_pass", 6}};
    for (const auto &[name, max] : boxes) {
        auto *box = form->findChild<QLineEdit *>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->maxLength(), max);
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
        bool hasBuddy = false;
        for (QLabel *label : form->findChildren<QLabel *>())
            hasBuddy = hasBuddy || label->buddy() == box;
        QVERIFY2(hasBuddy, name);
    }
    // Focus order: Text1, txt_name, txt_message, txt_pass, File1, Command1.
    QWidget *w = form->Text1;
    QStringList order;
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, QStringList({"Text1", "txt_name", "txt_message", "txt_pass", "File1",
                                 "Command1"}));
}

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"

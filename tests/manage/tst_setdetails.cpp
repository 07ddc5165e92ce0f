#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace ManagerHelpers;

// "OK" on the question manager: the set's creator, message and password.
class TestSetDetails : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void okRewritesTheHeader_data();
    void okRewritesTheHeader();
    void newPasswordOpensTheGateInAnyCase();
    void longStoredMessageSurvivesAPasswordChange();
    void setWithoutHeaderWritesNothing();
};

void TestSetDetails::okRewritesTheHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("storedCreator");
    QTest::addColumn<QString>("storedMessage");
    QTest::addColumn<QString>("storedPassword");

    QTest::newRow("all changed") << "Bob" << "Enjoy" << "NewPw" << "Bob" << "Enjoy" << "NewPw";
    QTest::newRow("unchanged boxes") << "Ann" << "Hi there" << "" << "Ann" << "Hi there" << "old";
    QTest::newRow("password of spaces keeps old") << "Ann" << "Hi" << "   " << "Ann" << "Hi"
                                                  << "old";
    QTest::newRow("mixed-case password kept as typed") << "Ann" << "Hi" << " PaSs " << "Ann"
                                                       << "Hi" << "PaSs";
    QTest::newRow("message emptied") << "Bob" << "" << "" << "Not Given" << "No Message" << "old";
    QTest::newRow("name emptied") << "   " << "Enjoy" << "" << "Not Given" << "No Message"
                                  << "old";
    QTest::newRow("both emptied") << "" << " " << "x" << "Not Given" << "No Message" << "x";
    QTest::newRow("spaces around, case kept") << "  bob SMITH  " << "  a Message  " << ""
                                              << "bob SMITH" << "a Message" << "old";
}

void TestSetDetails::okRewritesTheHeader()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, password);
    QFETCH(QString, storedCreator);
    QFETCH(QString, storedMessage);
    QFETCH(QString, storedPassword);

    TestProgram program;
    QuestionRecord q = makeQuestion(4, 2, "Q?");
    QuestionRecord header = makeHeader("Hi there", "Ann", "old");
    const QList<QuestionRecord> set{q, header, makeQuestion(5, 3, "R?")};
    QuestionManager *form = openManager(program, set);
    const QByteArray before = program.readFile(program.state.set_path);
    form->txt_name->setText(name);
    form->txt_message->setText(message);
    form->txt_p1->setText(password);
    form->cmd_ok->click();
    form->cmd_ok->click(); // twice writes the same again

    QCOMPARE(program.dialogs.log(),
             QStringList({"Details Changed|Changed", "Details Changed|Changed"}));
    const QByteArray after = program.readFile(program.state.set_path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.first(405), before.first(405));
    QCOMPARE(after.sliced(810), before.sliced(810));
    header.answer_a = storedCreator;
    header.question = storedMessage;
    header.answer_b = storedPassword;
    QCOMPARE(readRecords(program.state.set_path).at(1), header);
    // The boxes keep what was typed; the app state's details are not touched.
    QCOMPARE(form->txt_name->text(), name);
    QCOMPARE(program.state.creator, QString());
    QCOMPARE(program.state.password, QString());
}

void TestSetDetails::newPasswordOpensTheGateInAnyCase()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeHeader("Hi", "Ann", "old")});
    form->txt_p1->setText(QStringLiteral("NeW"));
    form->cmd_ok->click();
    form->close();

    QWidget main;
    main.show();
    for (const QString &typed : {QStringLiteral("old"), QStringLiteral(" new ")}) {
        program.dialogs.clear();
        program.dialogs.answerText(typed);
        bool opened = false;
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, &main, [&] {
            if (auto *manager = main.findChild<QuestionManager *>()) {
                opened = true;
                manager->close();
            }
        });
        probe.start(0);
        QuestionManager::openGuarded(&main, program.state, program.services);
        QCOMPARE(opened, typed != QLatin1String("old"));
    }
}

void TestSetDetails::longStoredMessageSurvivesAPasswordChange()
{
    TestProgram program;
    const QString message = QStringLiteral("M").repeated(200);
    const QString creator = QStringLiteral("C").repeated(45);
    QuestionManager *form = openManager(program, {makeHeader(message, creator, "old")});
    QCOMPARE(form->txt_message->text(), message);
    QCOMPARE(form->txt_name->text(), creator);
    QCOMPARE(form->txt_message->cursorPosition(), 0);
    form->txt_p1->setText(QStringLiteral("new"));
    form->cmd_ok->click();
    const QuestionRecord header = readRecords(program.state.set_path).at(0);
    QCOMPARE(header.question, message);
    QCOMPARE(header.answer_a, creator);
    QCOMPARE(header.answer_b, QStringLiteral("new"));
}

void TestSetDetails::setWithoutHeaderWritesNothing()
{
    TestProgram program;
    QuestionManager *form = openManager(program, {makeQuestion(1, 2, "Q?")});
    program.dialogs.clear();
    const QByteArray before = program.readFile(program.state.set_path);
    form->txt_name->setText(QStringLiteral("Bob"));
    form->txt_message->setText(QStringLiteral("Hi"));
    form->cmd_ok->click();
    QVERIFY(program.dialogs.shown.isEmpty());
    QCOMPARE(program.readFile(program.state.set_path), before);
}

QTEST_MAIN(TestSetDetails)
#include "tst_setdetails.moc"

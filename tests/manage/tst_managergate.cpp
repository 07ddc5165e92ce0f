#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "testprogram.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

// The password prompt in front of the question manager.
class TestManagerGate : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void passwordDecidesEntry_data();
    void passwordDecidesEntry();
    void managerIsModalOverMainWindowUntilClosed();
};

void TestManagerGate::passwordDecidesEntry_data()
{
    QTest::addColumn<QList<QuestionRecord>>("records");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");

    const QuestionRecord q = makeQuestion(1, 2, QStringLiteral("WHO?"));
    auto set = [&](const QString &password) {
        return QList<QuestionRecord>{makeHeader(QStringLiteral("Hi"), QStringLiteral("Ann"),
                                                password),
                                     q};
    };
    QTest::newRow("blank password, empty entry") << set("") << "" << true;
    QTest::newRow("blank password, cancelled") << set("") << QString() << true;
    QTest::newRow("blank password, spaces typed") << set("") << "   " << true;
    QTest::newRow("blank password, something typed") << set("") << "x" << false;
    QTest::newRow("exact") << set("Secret") << "Secret" << true;
    QTest::newRow("other case, spaces around") << set("Secret") << "  sECRET  " << true;
    QTest::newRow("space inside") << set("Secret") << "Sec ret" << false;
    QTest::newRow("empty entry") << set("Secret") << "" << false;
    QTest::newRow("longer") << set("Secret") << "Secrets" << false;
    QTest::newRow("stored with inner space") << set("ab cd") << "AB CD" << true;
    QTest::newRow("no header") << QList<QuestionRecord>{q} << "" << false;
    QTest::newRow("header after a question")
        << QList<QuestionRecord>{q, makeHeader("Hi", "Ann", "pw")} << "PW" << true;
    QTest::newRow("missing set file") << QList<QuestionRecord>() << "" << false;
}

void TestManagerGate::passwordDecidesEntry()
{
    QFETCH(QList<QuestionRecord>, records);
    QFETCH(QString, typed);
    QFETCH(bool, opens);

    TestProgram program;
    program.state.set_path = records.isEmpty() ? program.setPath(QStringLiteral("none.dat"))
                                               : program.writeSet("set.dat", records);
    QWidget main;
    main.setObjectName(QStringLiteral("Form1"));
    main.show();
    program.dialogs.answerText(typed);

    bool sawManager = false;
    QTimer probe;
    probe.setSingleShot(true);
    connect(&probe, &QTimer::timeout, &main, [&] {
        if (auto *form = main.findChild<QuestionManager *>()) {
            sawManager = form->isVisible();
            form->cmd_back->click();
        }
    });
    probe.start(0);
    QuestionManager::openGuarded(&main, program.state, program.services);

    QCOMPARE(sawManager, opens);
    QStringList expected{QStringLiteral("Type In Password|Password")};
    if (!opens)
        expected << QStringLiteral("Password Incorrect|Password");
    QCOMPARE(program.dialogs.log(), expected);
    QVERIFY(!main.findChild<QuestionManager *>());
}

void TestManagerGate::managerIsModalOverMainWindowUntilClosed()
{
    TestProgram program;
    program.state.set_path = program.writeSet(
        "set.dat", {makeHeader("Hi", "Ann", ""), makeQuestion(3, 2, QStringLiteral("WHY?"))});
    QWidget main;
    main.show();
    program.dialogs.answerText(QString());

    QPointer<QuestionManager> seen;
    bool modal = false;
    bool mainStillShown = false;
    int listed = -1;
    QTimer probe;
    probe.setSingleShot(true);
    connect(&probe, &QTimer::timeout, &main, [&] {
        seen = main.findChild<QuestionManager *>();
        QVERIFY(seen);
        modal = seen->isWindow() && seen->isModal() && QApplication::activeModalWidget() == seen;
        mainStillShown = main.isVisible();
        listed = seen->ListView1->model()->rowCount();
        seen->close(); // the window's own close button acts like Back
    });
    probe.start(0);
    QuestionManager::openGuarded(&main, program.state, program.services);

    QVERIFY(modal);
    QVERIFY(mainStillShown);
    QCOMPARE(listed, 1);
    QVERIFY(seen.isNull()); // gone once openGuarded returns
}

QTEST_MAIN(TestManagerGate)
#include "tst_managergate.moc"

#include "app/mainwindow.h"
#include "app/navigator.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "storage/iofaults.h"
#include "testprogram.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ManagerHelpers;
using IoFaults::Op;

namespace {

using Action = std::function<void()>;
// Sets a scene up in a fresh program folder and hands back what the user does.
using Scene = std::function<Action(TestProgram &)>;

QList<QuestionRecord> sampleSet()
{
    QList<QuestionRecord> set{makeHeader(QStringLiteral("Hi"), QStringLiteral("Ann"),
                                         QStringLiteral("pw"))};
    for (int n = 2; n <= 12; ++n)
        set << makeQuestion(1 + n % 15, n, QStringLiteral("QUESTION %1?").arg(n));
    return set;
}

Action addQuestion(TestProgram &program)
{
    program.writeSet(QStringLiteral("set.dat"), sampleSet());
    program.state.set_name = QStringLiteral("set.dat");
    MainWindow *form = Navigator::openMainWindow(program.state, program.services);
    program.dialogs.clear();
    return [form] {
        typeQuestion(form, QStringLiteral("A new one?"), 2, 6, QStringLiteral("pw"));
        click(form, QStringLiteral("cmd_add"));
    };
}

Action newSetHeader(TestProgram &program)
{
    program.state.set_name = QStringLiteral("set.dat");
    program.state.creator = QStringLiteral("Bea");
    program.state.message = QStringLiteral("Welcome");
    auto form = std::make_shared<QPointer<MainWindow>>();
    return [&program, form] {
        // Loading the set writes the header. A window that could not open
        // the set never writes one later, so trying again opens it afresh.
        if (!form->isNull())
            delete form->data();
        *form = new MainWindow(program.state, program.services);
        (*form)->setAttribute(Qt::WA_DeleteOnClose);
        (*form)->show();
    };
}

Action managerAction(TestProgram &program, const char *button)
{
    QuestionManager *form = openManager(program, sampleSet());
    pickRow(form, 3);
    const std::pair<const char *, const char *> typed[] = {
        {"txt_q", "changed question"}, {"txt_round", "9"},           {"txt_right", "d"},
        {"txt_name", "Cleo"},          {"txt_message", "New message"}, {"txt_p1", "new"}};
    for (const auto &[box, text] : typed)
        control<QLineEdit>(form, QLatin1String(box))->setText(QLatin1String(text));
    program.dialogs.clear();
    auto *push = control<QPushButton>(form, QLatin1String(button));
    return [push] { push->click(); };
}

struct Run
{
    QByteArray file;
    QStringList log;
    QStringList leftovers; // files other than the set
};

Run outcome(TestProgram &program)
{
    Run run;
    run.file = program.readFile(program.setPath(QStringLiteral("set.dat")));
    run.log = program.dialogs.log();
    run.leftovers = filesIn(program.questionsDir()) + filesIn(program.dir());
    run.leftovers.removeAll(QStringLiteral("set.dat"));
    return run;
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void everyFailureLeavesOldOrNew_data();
    void everyFailureLeavesOldOrNew();
    void planCountsAndFailsOnlyTheChosenOne();
};

void TestFaultInjection::everyFailureLeavesOldOrNew_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<QString>("done"); // the message that reports success
    QTest::newRow("adding a question") << Scene(addQuestion) << "Question Added|Added";
    QTest::newRow("new set's header") << Scene(newSetHeader) << QString();
    QTest::newRow("editing") << Scene([](TestProgram &p) { return managerAction(p, "cmd_edit"); })
                             << "Question Edited|Edited";
    QTest::newRow("deleting")
        << Scene([](TestProgram &p) { return managerAction(p, "cmd_delete"); })
        << "Question Deleted|Deleted";
    QTest::newRow("set details") << Scene([](TestProgram &p) { return managerAction(p, "cmd_ok"); })
                                 << "Details Changed|Changed";
}

// For every write, flush, close, rename and file creation the action makes,
// that one operation fails: the set is then byte for byte as before or as
// intended, the user is told which, nothing is left lying around, and doing
// it again once the fault has gone gives the intended set.
void TestFaultInjection::everyFailureLeavesOldOrNew()
{
    QFETCH(Scene, scene);
    QFETCH(QString, done);

    QByteArray before;
    Run intended;
    std::array<int, IoFaults::OP_COUNT> counts{};
    {
        TestProgram program;
        Action act = scene(program);
        before = program.readFile(program.setPath(QStringLiteral("set.dat")));
        IoFaults::Plan counting;
        act();
        for (int op = 0; op < IoFaults::OP_COUNT; ++op)
            counts[op] = counting.count(Op(op));
        intended = outcome(program);
    }
    QVERIFY(intended.file != before);
    QVERIFY(intended.leftovers.isEmpty());
    if (!done.isEmpty())
        QCOMPARE(intended.log, QStringList{done});
    // Every action goes through the seam: it writes, and either syncs a record
    // in place or renames a new copy into place.
    QVERIFY(counts[int(Op::Write)] > 0
            && (counts[int(Op::Rename)] > 0 || counts[int(Op::Flush)] > 0));

    int failures = 0;
    for (int op = 0; op < IoFaults::OP_COUNT; ++op) {
        for (int n = 1; n <= counts[op]; ++n) {
            const QString where = QStringLiteral("%1 #%2").arg(IoFaults::name(Op(op))).arg(n);
            TestProgram program;
            Action act = scene(program);
            {
                IoFaults::Plan fault(Op(op), n);
                act();
                QVERIFY2(fault.fired(), qPrintable(where));
            }
            const Run run = outcome(program);
            QVERIFY2(run.leftovers.isEmpty(), qPrintable(where + ": " + run.leftovers.join(',')));
            if (run.file == intended.file) {
                // Done after all (a later step made up for it): said so.
                QVERIFY2(done.isEmpty() || run.log.contains(done), qPrintable(where));
            } else {
                ++failures;
                // A new set's "before" is no file or an empty one.
                QVERIFY2(run.file == before, qPrintable(where));
                QVERIFY2(!run.log.isEmpty(), qPrintable(where));
                QVERIFY2(done.isEmpty() || !run.log.contains(done), qPrintable(where));
                for (const auto &shown : program.dialogs.shown) {
                    QCOMPARE(shown.title, QStringLiteral("Question Set"));
                    QVERIFY2(shown.text.contains(QStringLiteral("injected fault")),
                             qPrintable(where + ": " + shown.text));
                }
            }
            program.dialogs.clear();
            act();
            QVERIFY2(outcome(program).file == intended.file, qPrintable(where + " then again"));
            TestProgram::closeAllWindows();
        }
    }
    // Every operation up to the rename is one the change cannot do without.
    QVERIFY(failures > 0);
}

void TestFaultInjection::planCountsAndFailsOnlyTheChosenOne()
{
    {
        IoFaults::Plan plan(Op::Flush, 2);
        QVERIFY(!IoFaults::fails(Op::Flush));
        QVERIFY(!IoFaults::fails(Op::Write));
        QVERIFY(!plan.fired());
        QVERIFY(IoFaults::fails(Op::Flush));
        QVERIFY(!IoFaults::fails(Op::Flush));
        QVERIFY(plan.fired());
        QCOMPARE(plan.count(Op::Flush), 3);
        QCOMPARE(plan.count(Op::Write), 1);
    }
    {
        IoFaults::Plan sticky(Op::Create, 2, true);
        QVERIFY(!IoFaults::fails(Op::Create));
        QVERIFY(IoFaults::fails(Op::Create));
        QVERIFY(IoFaults::fails(Op::Create));
    }
    // Without a plan nothing fails and nothing is counted.
    QVERIFY(!IoFaults::fails(Op::Rename));
}

QTEST_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"

#include "app/mainwindow.h"
#include "app/navigator.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "storage/iofaults.h"

#include <QLineEdit>
#include <QtTest>

#include <functional>

using namespace ManagerHelpers;
using IoFaults::Op;

namespace {

const QString kFile = QStringLiteral("set.dat");
const QRegularExpression kFaultShown(QStringLiteral("injected fault.*\\|Question Set$"));

// Sets the scene up in a fresh program folder and hands back what the user
// does there: a button of the main window or of the manager, or "open" for a
// main window whose loading writes a new set's header.
std::function<void()> setUp(TestProgram &program, const QString &button)
{
    program.state.set_name = kFile;
    if (button == QLatin1String("open")) {
        // A window that could not open the set never writes a header later,
        // so trying again opens it afresh.
        return [&program] {
            TestProgram::closeAllWindows();
            (new MainWindow(program.state, program.services))->show();
        };
    }
    QList<QuestionRecord> set{makeHeader("Hi", "Ann", "pw")};
    for (int n = 2; n <= 12; ++n)
        set << makeQuestion(1 + n % 15, n, QStringLiteral("QUESTION %1?").arg(n));
    if (button == QLatin1String("cmd_add")) {
        program.writeSet(kFile, set);
        MainWindow *form = Navigator::openMainWindow(program.state, program.services);
        typeQuestion(form, QStringLiteral("A new one?"), 2, 6, QStringLiteral("pw"));
        return [form] { click(form, QStringLiteral("cmd_add")); };
    }
    QWidget *form = openManager(program, set, kFile);
    pickRow(form, 3);
    for (const char *box : {"txt_q", "txt_round", "txt_name", "txt_message", "txt_p1"})
        control<QLineEdit>(form, QLatin1String(box))->setText(QStringLiteral("9"));
    return [form, button] { click(form, button); };
}

QByteArray setFile(const TestProgram &program)
{
    return program.readFile(program.setPath(kFile));
}

// Files other than the set, in the program folder or its Questions folder.
QStringList leftovers(const TestProgram &program)
{
    QStringList files = filesIn(program.questionsDir()) + filesIn(program.dir());
    files.removeAll(kFile);
    return files;
}

} // namespace

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }

    void everyFailureLeavesOldOrNew_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("done"); // the message that reports success
        QTest::newRow("adding a question") << "cmd_add" << "Question Added|Added";
        QTest::newRow("new set's header") << "open" << QString();
        QTest::newRow("editing") << "cmd_edit" << "Question Edited|Edited";
        QTest::newRow("deleting") << "cmd_delete" << "Question Deleted|Deleted";
        QTest::newRow("set details") << "cmd_ok" << "Details Changed|Changed";
    }

    // For every write, flush, close, rename and file creation the action
    // makes, that one operation fails: the set is then byte for byte as before
    // or as intended, the user is told which, nothing is left lying around,
    // and pressing again once the fault has gone, with what was typed still
    // there, gives the intended set.
    void everyFailureLeavesOldOrNew()
    {
        QFETCH(QString, button);
        QFETCH(QString, done);
        QByteArray before, intended;
        std::array<int, IoFaults::OP_COUNT> counts{};
        {
            TestProgram program;
            const auto act = setUp(program, button);
            before = setFile(program);
            IoFaults::Plan counting;
            act();
            for (int op = 0; op < IoFaults::OP_COUNT; ++op)
                counts[op] = counting.count(Op(op));
            intended = setFile(program);
            QVERIFY(intended != before && leftovers(program).isEmpty());
            QVERIFY(done.isEmpty() || program.dialogs.log() == QStringList{done});
        }
        // Every action goes through the seam: it writes, and either syncs a
        // record in place or renames a new copy into place.
        QVERIFY(counts[int(Op::Write)] > 0 && counts[int(Op::Rename)] + counts[int(Op::Flush)] > 0);

        int failures = 0;
        for (int op = 0; op < IoFaults::OP_COUNT; ++op) {
            for (int n = 1; n <= counts[op]; ++n) {
                const QByteArray where = (IoFaults::name(Op(op)) + " #%1: ").arg(n).toUtf8();
                TestProgram program;
                const auto act = setUp(program, button);
                {
                    IoFaults::Plan fault(Op(op), n);
                    act();
                    QVERIFY2(fault.fired(), where);
                }
                // Done after all (a later step made up for it), or the set as
                // before (for a new set no file or an empty one) and the user
                // told of the fault; never a success message, since what did
                // not reach the disk may not outlive a power cut.
                const bool asIntended = setFile(program) == intended;
                failures += !asIntended;
                QVERIFY2(asIntended || setFile(program) == before, where);
                QVERIFY2(leftovers(program).isEmpty(), where);
                const QStringList log = program.dialogs.log();
                QVERIFY2(!log.contains(done), where);
                // Every message says what went wrong, in the set's own words.
                QVERIFY2(asIntended || (!log.isEmpty() && log.filter(kFaultShown) == log),
                         where + log.join(' ').toUtf8());
                program.dialogs.clear();
                act();
                QVERIFY2(setFile(program) == intended, where + "then again");
                TestProgram::closeAllWindows();
            }
        }
        // Every operation up to the rename is one the change cannot do without.
        QVERIFY(failures > 0);
    }

    // The seam itself: it counts every operation and fails only the chosen
    // one, or every one from it on when sticky; without a plan, nothing.
    void planCountsAndFailsOnlyTheChosenOne()
    {
        {
            IoFaults::Plan plan(Op::Flush, 2);
            QVERIFY(!IoFaults::fails(Op::Flush) && !IoFaults::fails(Op::Write) && !plan.fired());
            QVERIFY(IoFaults::fails(Op::Flush) && plan.fired() && !IoFaults::fails(Op::Flush));
            QVERIFY(plan.count(Op::Flush) == 3 && plan.count(Op::Write) == 1);
        }
        {
            IoFaults::Plan sticky(Op::Create, 2, true);
            QVERIFY(!IoFaults::fails(Op::Create) && IoFaults::fails(Op::Create)
                    && IoFaults::fails(Op::Create));
        }
        QVERIFY(!IoFaults::fails(Op::Rename));
    }
};

QTEST_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"

#include "app/mainwindow.h"
#include "app/navigator.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "storage/iofaults.h"
#include "storage/questionset.h"
#include "storage/setimport.h"

#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <functional>

#include <sys/stat.h>

using namespace ManagerHelpers;
using IoFaults::Call;
using IoFaults::Op;

namespace {

const QString kFile = QStringLiteral("set.dat");
const QRegularExpression kFaultShown(QStringLiteral("injected fault.*\\|Question Set$"));

// Sets the scene up in a fresh program folder and hands back what the user
// does there: a button of the main window or of the manager, or "open" for a
// main window whose loading writes a new set's header.
std::function<void()> setUp(TestProgram &program, const QString &button)
{
    program.state.set.name = kFile;
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

// A set of a header and two questions (none for "new header"), with the given
// permissions, and one change of the given kind to it through the storage
// calls the screens and the set tool make; true when it reports it made.
std::function<bool()> setUpChange(TestProgram &program, const QString &kind, int mode)
{
    const bool fresh = kind == QLatin1String("new header");
    const QList<QuestionRecord> records{makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "ONE?"),
                                        makeQuestion(2, 3, "TWO?")};
    const QString path = program.writeSet(kFile, fresh ? QList<QuestionRecord>{} : records);
    ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
    using Change = QuestionSet::Change;
    return [path, kind] {
        const QuestionSet set(path);
        int count = 0;
        std::optional<QuestionSet::Pick> pick = set.pick(2);
        QuestionSet::Removal removal;
        if (kind == QLatin1String("add"))
            return set.add(makeQuestion(3, 0, "THREE?"), count) == Change::Done;
        if (kind == QLatin1String("delete"))
            return pick && set.remove(*pick, removal) == Change::Done;
        if (kind == QLatin1String("new header"))
            return set.writeHeader(count, makeHeader("Hi", "Ann", "pw")) == Change::Done;
        if (kind == QLatin1String("import-append"))
            return SetImport::append(path, QList<QuestionRecord>{makeQuestion(4, 0, "FOUR?")}).status
                   == SetImport::Result::Written;
        if (kind == QLatin1String("edit"))
            return pick && set.edit(*pick, makeQuestion(1, 2, "EDITED?")) == Change::Done;
        const auto found = set.findHeader();
        QuestionSet::Pick header{found ? found->n : 0, found ? found->bytes : QByteArray()};
        return set.changeDetails(header, {"Bob", "Hello", "pw"}) == Change::Done;
    };
}

bool isRename(const IoFaults::Step &step)
{
    return step.call == Call::Rename || step.call == Call::RenameNew || step.call == Call::Exchange;
}

} // namespace

class TestFaultInjection : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

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

    void everyKindOfChange_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("replaced"); // by a renamed copy; otherwise written in place
        QTest::newRow("add") << "add" << true;
        QTest::newRow("delete") << "delete" << true;
        QTest::newRow("new header") << "new header" << true;
        QTest::newRow("import-append") << "import-append" << true;
        QTest::newRow("details") << "details" << false;
        QTest::newRow("edit") << "edit" << false;
    }

    // Every change locks the set first, puts each new copy on disk before it
    // takes the set's name and the folder on disk after, syncs a record
    // written in place, and leaves the set's permissions as they were (a set
    // holding a password may be its owner's alone); a failed sync takes it back.
    void everyKindOfChange()
    {
        QFETCH(QString, kind);
        QFETCH(bool, replaced);
        int syncs = 0;
        for (const int mode : {0600, 0640}) {
            TestProgram program;
            const auto act = setUpChange(program, kind, mode);
            const QString set = program.setPath(kFile);
            IoFaults::Plan recording;
            QVERIFY(act());
            syncs = recording.count(Op::Flush);
            const QList<IoFaults::Step> &steps = recording.journal();
            QVERIFY(!steps.isEmpty() && steps.first() == (IoFaults::Step{Call::Lock, set}));
            QCOMPARE(std::any_of(steps.begin(), steps.end(), isRename), replaced);
            for (auto step = steps.begin(); step != steps.end(); ++step) {
                if (!isRename(*step))
                    continue;
                QVERIFY2(std::find(steps.begin(), step, IoFaults::Step{Call::Sync, step->path})
                             != step, qPrintable(step->path));
                QCOMPARE(step->to, set);
            }
            // The last word is the folder's sync after a rename, or the record's.
            const IoFaults::Step last = replaced ? IoFaults::Step{Call::SyncFolder, program.questionsDir()}
                                                 : IoFaults::Step{Call::SyncData, set};
            QCOMPARE(steps.last(), last);
            struct stat st;
            QCOMPARE(::stat(QFile::encodeName(set).constData(), &st), 0);
            QCOMPARE(int(st.st_mode & 07777), mode);
        }

        // Whichever sync fails (the new copy's, the folder's, a record's), the
        // change is reported as not made and the set holds exactly its old bytes.
        QVERIFY(syncs > 0);
        for (int n = 1; n <= syncs; ++n) {
            TestProgram program;
            const auto act = setUpChange(program, kind, 0600);
            const QByteArray before = setFile(program);
            IoFaults::Plan fault(Op::Flush, n);
            QVERIFY2(!act(), qPrintable(QString::number(n)));
            QVERIFY2(setFile(program) == before, qPrintable(QString::number(n)));
        }
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
            QVERIFY(!IoFaults::fails(Op::Create) && IoFaults::fails(Op::Create) && IoFaults::fails(Op::Create));
        }
        QVERIFY(!IoFaults::fails(Op::Rename));
    }
};

QTEST_MAIN(TestFaultInjection)
#include "tst_faultinjection.moc"

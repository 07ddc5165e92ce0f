#include "managerhelpers.h"
#include "storage/questionset.h"
#include "storage/setfile.h"

#include <QtTest> // QProcess, QThread and the rest of Qt Core with it

namespace {

const char *const kDeleteLoop = "--delete-loop";
const char *const kChangeLoop = "--change-loop";
constexpr int kQuestions = 3000;

// The child: deletes the first question of the set again and again, through
// the same call the manager's "Delete" makes, until none is left.
int deleteLoop(const QString &path)
{
    for (;;) {
        int first = 0; // none left
        SetFile::scan(path, [&](int n, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) != QuestionRecord::HEADER_NUMBER)
                first = n;
            return first == 0;
        });
        if (first == 0)
            return 0;
        QString error;
        const auto removal = QuestionSet(path).removeRecord(first, &error);
        if (!removal || removal->removed != 1) {
            fprintf(stderr, "delete failed: %s\n", qPrintable(error));
            return 1;
        }
    }
}

// The child: adds, edits and deletes questions of its own through the calls
// the main window and the manager make, and reports each change made on
// standard output: "A|text", "E|old|new", "D|text".
int changeLoop(const QString &path)
{
    const QuestionSet set(path);
    QStringList mine;
    QRandomGenerator random(7);
    for (int i = 0; i < 80; ++i) {
        QThread::msleep(random.bounded(30)); // spread over the tool's runs
        const QString text = QStringLiteral("HELPER %1").arg(i);
        const int which = mine.isEmpty() ? 0 : random.bounded(4); // add, add, edit, delete
        const QString old = which < 2 ? QString() : mine[random.bounded(mine.size())];
        QuestionSet::Change done = QuestionSet::Change::Moved;
        if (which < 2) {
            int record_count = 0;
            done = set.add(makeQuestion(1 + i % 15, 0, text), record_count);
        } else {
            int at = 0;
            set.forEachQuestion([&](int n, QByteArrayView raw) {
                at = QuestionRecord::fromBytes(raw).question == old ? n : at;
            });
            std::optional<QuestionSet::Pick> pick = set.pick(at);
            QuestionRecord edited = pick ? pick->question() : QuestionRecord();
            edited.question = text;
            QuestionSet::Removal removal;
            if (pick)
                done = which == 2 ? set.edit(*pick, edited) : set.remove(*pick, removal);
        }
        if (done != QuestionSet::Change::Done)
            continue;
        mine.removeOne(old);
        if (which < 3)
            mine << text;
        const QString line[] = {"A|" + text, "A|" + text, "E|" + old + '|' + text, "D|" + old};
        std::printf("%s\n", qPrintable(line[which]));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestSharedSet : public QObject
{
    Q_OBJECT

private slots:
    // A SIGKILL can land anywhere in a deletion: in the middle of writing the new
    // copy, between its sync and the rename, or after. Each time the set must be
    // the one before some deletion, whole, and nothing else may be left about.
    void killedChildLeavesACompleteSet()
    {
        TestProgram program;
        QList<QuestionRecord> set{makeHeader(QStringLiteral("Big"), QStringLiteral("Ann"), {})};
        for (int n = 2; n < 2 + kQuestions; ++n)
            set << makeQuestion(1 + n % 15, n, QStringLiteral("QUESTION NUMBER %1?").arg(n));
        const QString path = program.writeSet(QStringLiteral("big.dat"), set);
        const QByteArray original = program.readFile(path);
        const qsizetype length = QuestionRecord::LENGTH;

        QRandomGenerator random(20240611);
        int deleted = 0, killedMidWay = 0, rounds = 0;
        while (rounds < 40) {
            ++rounds;
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {kDeleteLoop, path});
            QVERIFY(child.waitForStarted());
            // Long enough for the child to start up and delete even on a busy machine.
            QThread::msleep(150 + random.bounded(400));
            const bool wasRunning = child.state() == QProcess::Running;
            child.kill(); // SIGKILL
            QVERIFY(child.waitForFinished());
            killedMidWay += wasRunning;
            QVERIFY(wasRunning || child.exitCode() == 0);

            // Whole records only, the header first, then the questions not yet
            // deleted: a tail of the original set, byte for byte.
            const QByteArray now = program.readFile(path);
            QVERIFY2(now.size() % length == 0 && now.startsWith(original.left(length))
                         && original.endsWith(now.mid(length)), qPrintable(QString::number(now.size())));
            const int left = int(now.size() / length) - 1;
            QVERIFY(kQuestions - left >= deleted);
            deleted = kQuestions - left;
            // A write cut short by the kill may leave its unfinished copy beside
            // the set, hidden from file lists; it never takes the set's name.
            for (const QString &name : ManagerHelpers::filesIn(program.questionsDir()))
                QVERIFY2(name == "big.dat" || name.startsWith(".big.dat."), qPrintable(name));
            if (left == 0)
                break;
        }
        QVERIFY(deleted > 0 && killedMidWay > rounds / 2);
    }

    // The set tool appends while another program adds, edits and deletes:
    // every change reported as made is in the set, nothing else is, and
    // numbers stay unique.
    void twoWritersLoseNothing()
    {
        const QString build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
        if (build.isEmpty())
            QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
        TestProgram program;
        const QuestionRecord header = makeHeader("Race", "Ann", "pw");
        const QString path = program.writeSet("race.dat", {header});
        QProcess helper;
        helper.start(QCoreApplication::applicationFilePath(), {kChangeLoop, path});
        QVERIFY(helper.waitForStarted());
        QStringList expected;
        for (int j = 0; j < 40; ++j) {
            const QString csv = program.writeFile(QStringLiteral("../%1.csv").arg(j),
                "round,question,answer_a,answer_b,answer_c,answer_d,right\n3,Tool "
                + QByteArray::number(j) + ",a,b,c,d,a\n");
            QProcess tool;
            tool.start(build + "/quorvane/quorvane-sets", {"import", csv, path, "--append", "--password", "pw"});
            QVERIFY(tool.waitForFinished(30000));
            if (tool.exitCode() == 0)
                expected << QStringLiteral("TOOL %1").arg(j);
        }
        const int byTool = int(expected.size());
        QVERIFY(helper.waitForFinished(60000) && helper.exitCode() == 0);
        const QList<QByteArray> changes = helper.readAllStandardOutput().split('\n');
        for (const QByteArray &line : changes) {
            const QStringList part = QString::fromUtf8(line).split(u'|');
            if (part[0] == "A")
                expected << part[1];
            else if (part[0] == "E")
                expected.replace(expected.indexOf(part[1]), part[2]);
            else if (part[0] == "D")
                expected.removeOne(part[1]);
        }
        const QList<QuestionRecord> records = ManagerHelpers::readRecords(path);
        QStringList found;
        QSet<int> numbers;
        for (const QuestionRecord &r : records.mid(1)) {
            found << r.question; // a zero-filled record would be an empty one
            numbers << r.number;
        }
        qInfo("%d appended by the tool, %lld changes by the other program, %lld records", byTool,
              changes.size() - 1, records.size());
        expected.sort();
        found.sort();
        QCOMPARE(records.value(0), header);
        QCOMPARE(found, expected);
        QCOMPARE(numbers.size(), found.size());
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kDeleteLoop) == 0)
        return deleteLoop(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], kChangeLoop) == 0)
        return changeLoop(QString::fromLocal8Bit(argv[2]));
    TestSharedSet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharedset.moc"

#include "managerhelpers.h"
#include "storage/questionset.h"
#include "storage/setfile.h"

#include <QtTest> // QProcess, QThread and the rest of Qt Core with it

namespace {

const char *const kDeleteLoop = "--delete-loop";
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

} // namespace

class TestKillDuringDelete : public QObject
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
                         && original.endsWith(now.mid(length)),
                     qPrintable(QString::number(now.size())));
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
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kDeleteLoop) == 0)
        return deleteLoop(QString::fromLocal8Bit(argv[2]));
    TestKillDuringDelete test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killduringdelete.moc"

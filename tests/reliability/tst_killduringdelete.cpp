#include "managerhelpers.h"
#include "storage/questionrecord.h"
#include "storage/questionset.h"
#include "storage/setfile.h"
#include "testprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <optional>

using namespace ManagerHelpers;

namespace {

const char *const kDeleteLoop = "--delete-loop";
constexpr int kQuestions = 3000;

// The child: deletes the first question of the set again and again, through
// the same call the manager's "Delete" makes, until none is left.
int deleteLoop(const QString &path)
{
    for (;;) {
        std::optional<int> first;
        SetFile::scan(path, [&](int n, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) == QuestionRecord::HEADER_NUMBER)
                return true;
            first = n;
            return false;
        });
        if (!first)
            return 0;
        QString error;
        const auto removal = QuestionSet(path).removeRecord(*first, &error);
        if (!removal || removal->removed != 1) {
            fprintf(stderr, "delete failed: %s\n", qPrintable(error));
            return 1;
        }
    }
}

QList<QuestionRecord> bigSet()
{
    QList<QuestionRecord> set{makeHeader(QStringLiteral("Big"), QStringLiteral("Ann"), {})};
    for (int n = 2; n < 2 + kQuestions; ++n)
        set << makeQuestion(1 + n % 15, n, QStringLiteral("QUESTION NUMBER %1?").arg(n));
    return set;
}

} // namespace

class TestKillDuringDelete : public QObject
{
    Q_OBJECT

private slots:
    void killedChildLeavesACompleteSet();
};

// A SIGKILL can land anywhere in a deletion: in the middle of writing the new
// copy, between its sync and the rename, or after. Each time the set must be
// the one before some deletion, whole, and nothing else may be left about.
void TestKillDuringDelete::killedChildLeavesACompleteSet()
{
    TestProgram program;
    const QList<QuestionRecord> set = bigSet();
    const QString path = program.writeSet(QStringLiteral("big.dat"), set);
    QByteArray original;
    for (const QuestionRecord &r : set)
        original += r.toBytes();

    QRandomGenerator random(20240611);
    int deleted = 0;
    int killedMidWay = 0;
    int rounds = 0;
    const int kills = 40;
    for (int i = 0; i < kills; ++i, ++rounds) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kDeleteLoop), path});
        QVERIFY(child.waitForStarted());
        // Long enough for the child to start up and delete even on a busy machine.
        QThread::msleep(150 + random.bounded(400));
        const bool wasRunning = child.state() == QProcess::Running;
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());
        if (wasRunning)
            ++killedMidWay;
        else
            QCOMPARE(child.exitCode(), 0);

        // Whole records only, the header first, then the questions not yet
        // deleted: a tail of the original set, byte for byte.
        const QByteArray now = program.readFile(path);
        QVERIFY2(now.size() % QuestionRecord::LENGTH == 0, qPrintable(QString::number(now.size())));
        QVERIFY(now.size() >= QuestionRecord::LENGTH);
        QCOMPARE(now.left(QuestionRecord::LENGTH), original.left(QuestionRecord::LENGTH));
        const QByteArray questions = now.mid(QuestionRecord::LENGTH);
        QVERIFY(original.endsWith(questions));
        const int left = int(questions.size() / QuestionRecord::LENGTH);
        QVERIFY(kQuestions - left >= deleted);
        deleted = kQuestions - left;
        // A write cut short by the kill may leave its unfinished copy beside
        // the set, hidden from file lists; it never takes the set's name.
        for (const QString &name : filesIn(program.questionsDir()))
            QVERIFY2(name == QLatin1String("big.dat") || name.startsWith(QLatin1String(".big.dat.")),
                     qPrintable(name));
        QCOMPARE(QDir(program.questionsDir()).entryList({"*.dat*"}, QDir::Files),
                 QStringList{"big.dat"});
        if (left == 0) {
            ++rounds;
            break;
        }
    }
    QVERIFY(deleted > 0);
    QVERIFY(killedMidWay > rounds / 2);
    qInfo("%d kills, %d questions deleted", killedMidWay, deleted);
}

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], kDeleteLoop) == 0) {
        QCoreApplication app(argc, argv);
        return deleteLoop(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestKillDuringDelete test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killduringdelete.moc"

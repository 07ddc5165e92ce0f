#include "storage/cp1252.h"
#include "storage/filewatch.h"
#include "managerhelpers.h"
#include "storage/questionset.h"
#include "storage/saferewrite.h"
#include "storage/setfile.h"
#include "storage/setlock.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <thread>

#include <sys/file.h>
#include <sys/stat.h>

namespace {

// A record as the file holds it: round and number as little-endian hex, then
// the texts space-padded to 200 and 4 x 50 bytes, then the right letter.
QByteArray fileBytes(const char *roundNumber, const QByteArray &question,
                     const QList<QByteArray> &answers, char right)
{
    QByteArray out = QByteArray::fromHex(roundNumber) + question.leftJustified(200, ' ');
    for (const QByteArray &answer : answers)
        out += answer.leftJustified(50, ' ');
    return out + right;
}

const QList<QByteArray> kAnswers = {"ANSWER A", "ANSWER B", "ANSWER C", "ANSWER D"};

} // namespace

class TestSetFile : public QObject
{
    Q_OBJECT

private slots:
    void recordBytes_data()
    {
        QTest::addColumn<QuestionRecord>("record");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("questionReadBack");
        QTest::newRow("header of a new set, trimmed") << makeHeader(QStringLiteral("  Good luck \u00A3  "), "Ann", " pw1 ")
            << fileBytes("63000F27", "Good luck \xA3", {"Ann", "pw1", "", ""}, ' ') << QStringLiteral("Good luck \u00A3");
        QTest::newRow("spaces trimmed, tabs are text") << makeQuestion(15, 7, "  \tWHO?  ", "d")
            << fileBytes("0F000700", "\tWHO?", kAnswers, 'd') << "\tWHO?";
        QTest::newRow("250 cut to 200") << makeQuestion(15, 7, QString(250, u'W'), "d")
            << fileBytes("0F000700", QByteArray(200, 'W'), kAnswers, 'd') << QString(200, u'W');
    }

    void recordBytes()
    {
        QFETCH(QuestionRecord, record);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, questionReadBack);
        QCOMPARE(record.toBytes(), bytes);
        QuestionRecord back = record;
        back.question = questionReadBack;
        QCOMPARE(QuestionRecord::fromBytes(bytes), back);
    }

    void countFromLength_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << qint64(0) << 0;
        QTest::newRow("202 rounds down") << qint64(202) << 0;
        QTest::newRow("203 rounds up") << qint64(203) << 1;
        QTest::newRow("exact") << qint64(810) << 2;
        QTest::newRow("1013 is 2.501") << qint64(1013) << 3;
        QTest::newRow("largest set") << qint64(32767) * 405 << 32767;
    }

    void countFromLength()
    {
        QFETCH(qint64, bytes);
        QFETCH(int, count);
        QCOMPARE(SetFile::countFromLength(bytes), count);
    }

    // Large reads in chunks see every whole record in order and never the
    // partial one at the end; reading by number stops there too.
    void scanSeesEveryWholeRecord()
    {
        TestProgram program;
        QList<QuestionRecord> records;
        for (int i = 1; i <= 1500; ++i)
            records << makeQuestion(i % 15 + 1, i, QStringLiteral("Q%1").arg(i));
        const QString path = program.writeFile(QStringLiteral("big.dat"),
                                               TestProgram::bytesOf(records) + QByteArray(190, 'x'));

        int seen = 0;
        bool inOrder = true;
        QVERIFY(SetFile::scan(path, [&](int n, QByteArrayView raw) {
            inOrder = inOrder && n == ++seen && QuestionRecord::numberOf(raw) == n;
            return true;
        }));
        QVERIFY(inOrder && seen == 1500);
        SetFile::scan(path, [&](int n, QByteArrayView) { return (seen = n) < 700; });
        QCOMPARE(seen, 700); // stopping early is honoured

        SetFile file(path);
        QVERIFY(file.openReadOnly() && file.recordCount() == 1500);
        QuestionRecord rec;
        QVERIFY(file.read(1500, rec) && !file.atEnd());
        QCOMPARE(rec.question, QStringLiteral("Q1500"));
        QVERIFY(!file.read(1501, rec) && file.atEnd());
    }

    void cp1252Characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("pound and accents") << QStringLiteral("\u00A3100 CAF\u00C9 \u00D1") << QByteArray("\xA3" "100 CAF\xC9 \xD1");
        QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80");
        QTest::newRow("quotes and dash") << QStringLiteral("\u201Cx\u201D\u2014") << QByteArray("\x93x\x94\x97");
        QTest::newRow("greek omega") << QStringLiteral("\u03A9") << QByteArray("?");
        QTest::newRow("emoji is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
        // That every byte comes back is the round trip fuzz_cp1252 replays.
    }

    void cp1252Characters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const bool whole = !bytes.contains('?');
        QCOMPARE(Cp1252::encode(text), bytes);
        QCOMPARE(Cp1252::canEncode(text), whole);
        if (whole)
            QCOMPARE(Cp1252::decode(bytes), text);
    }

    void onlyPlainFilesAreUsed_data()
    {
        using Change = QuestionSet::Change;
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readable");     // opens for playing and browsing
        QTest::addColumn<Change>("outcome");    // of every change tried
        QTest::addColumn<QString>("says");      // in each change's message
        QTest::newRow("link to a file elsewhere") << "link" << false << Change::Unreadable << "link";
        QTest::newRow("dangling link") << "dangling" << false << Change::Unreadable << "link";
        QTest::newRow("FIFO") << "fifo" << false << Change::Unreadable << "not a plain file";
        QTest::newRow("folder") << "folder" << false << Change::Unreadable << "Is a directory";
        QTest::newRow("sparse, 60 GB") << "sparse" << false << Change::Unreadable << "more than the 32767 records";
        QTest::newRow("read-only") << "read-only" << true << Change::Refused << "\"odd.dat\" is read-only: nothing in";
        QTest::newRow("kept by another program") << "busy" << true << Change::Refused << "is being changed by another";
    }

    // A set name that is no plain file is never read, waited on or written
    // through: a link would lead outside the Questions folder, a FIFO would block.
    // A file longer than the format allows is never read; a read-only one plays
    // but is never changed; a busy one is changed by one program at a time.
    void onlyPlainFilesAreUsed()
    {
        QFETCH(QString, kind);
        QFETCH(bool, readable);
        QFETCH(QuestionSet::Change, outcome);
        QFETCH(QString, says);
        TestProgram program;
        const QString outside = program.writeSet(QStringLiteral("../outside.dat"), {makeHeader("m", "c", "p")});
        const QByteArray outsideBytes = program.readFile(outside);
        const QString path = program.setPath(QStringLiteral("odd.dat"));
        const QList<QuestionRecord> records{makeHeader("m", "c", ""), makeQuestion(1, 2, "Q?")};
        QFile holder(path);
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(outside, path));
        else if (kind == QLatin1String("dangling"))
            QVERIFY(QFile::link(program.dir() + QStringLiteral("/nowhere.dat"), path));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else
            program.writeSet(QStringLiteral("odd.dat"), records);
        if (kind == QLatin1String("sparse"))
            QVERIFY(QFile::resize(path, qint64(60) << 30));
        else if (kind == QLatin1String("read-only")) // kept so even where the system would allow it
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        else if (kind == QLatin1String("busy"))
            QVERIFY(holder.open(QIODevice::ReadOnly) && ::flock(holder.handle(), LOCK_EX) == 0);
        auto bytesNow = [&] {
            const QFileInfo info(path);
            return !info.isFile() ? QByteArray()
                   : info.size() > (1 << 20) ? QByteArray::number(info.size()) : program.readFile(path);
        };
        const QByteArray before = bytesNow();

        const QuestionSet set(path);
        QString error;
        QCOMPARE(set.openProblem().isEmpty(), readable); // as the start screen checks it
        QCOMPARE(set.openCounting(&error).has_value(), readable);
        QVERIFY2(readable || error.contains(QLatin1String("odd.dat")), qPrintable(error));
        QCOMPARE(SetFile::scan(path, [](int, QByteArrayView) { return true; }), readable);
        QuestionSet::Pick pick{2, records[1].toBytes()};
        QuestionSet::Pick header{1, records[0].toBytes()};
        QuestionSet::Removal removal;
        int count = 2;
        const std::function<QuestionSet::Change()> changes[] = {
            [&] { return set.edit(pick, records[1], &error); }, [&] { return set.remove(pick, removal, &error); },
            [&] { return set.add(records[1], count, &error); },
            [&] { return set.changeDetails(header, {"Bob", "Hi", "pw"}, &error); },
            [&] { return set.writeHeader(count, records[0], &error); }};
        // Each wait on a busy set is long.
        const int tried = kind == QLatin1String("busy") ? 1 : 5;
        for (int i = 0; i < tried; ++i) {
            error.clear();
            QCOMPARE(changes[i](), outcome);
            QVERIFY2(error.contains(says), qPrintable(error));
        }
        QCOMPARE(bytesNow(), before);
        QCOMPARE(program.readFile(outside), outsideBytes);
        QVERIFY(!QFileInfo::exists(program.dir() + QStringLiteral("/nowhere.dat")));
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                        | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("odd.dat")});
    }

    void replacedOnlyWhereAPlainFileIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says"); // empty: replaced
        QTest::newRow("nothing there") << "none" << "";
        QTest::newRow("plain file") << "plain" << "";
        QTest::newRow("folder") << "folder" << "Could not write \"out\": it is a folder, not a plain file";
        QTest::newRow("FIFO") << "fifo" << "Could not write \"out\": it is not a plain file";
        QTest::newRow("link to a file") << "link" << "Could not write \"out\": it is a link, not a plain file";
    }

    // Every file written by name (a set, an exported CSV, a saved certificate)
    // takes the place of a plain file or of nothing; whatever else has the name
    // keeps it as it was, and no copy is left beside it.
    void replacedOnlyWhereAPlainFileIs()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        TestProgram program;
        const QString path = program.setPath(QStringLiteral("out"));
        const QString elsewhere = program.writeFile(QStringLiteral("../elsewhere"), "theirs");
        if (kind == QLatin1String("plain"))
            program.writeFile(QStringLiteral("out"), "old");
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, path));

        QString error;
        QCOMPARE(SafeRewrite::replace(path, "new", &error), says.isEmpty());
        QCOMPARE(error, says);
        const QFileInfo now(path); // what has the name now
        QCOMPARE(QString(now.isSymLink() ? "link" : now.isDir() ? "folder" : now.isFile() ? "plain" : "fifo"),
                 says.isEmpty() ? QStringLiteral("plain") : kind);
        if (says.isEmpty())
            QCOMPARE(program.readFile(path), QByteArray("new"));
        QCOMPARE(program.readFile(elsewhere), QByteArray("theirs"));
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                        | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("out")});
    }

    void leftoversOfGoneWritersSwept_data()
    {
        QTest::addColumn<bool>("replacing"); // a file replaced, or a set's record changed in place
        QTest::newRow("replacing a file") << true;
        QTest::newRow("changing a set") << false;
    }

    // A writer locks its copy for as long as the copy exists, so one found
    // unlocked was left by a killed writer: the next write in the folder removes
    // it, whichever file it was for. A copy still being written, an empty one
    // just made (its writer about to lock it) and the user's own files stay.
    void leftoversOfGoneWritersSwept()
    {
        QFETCH(bool, replacing);
        TestProgram program;
        SafeRewrite::NewCopy live(program.setPath(QStringLiteral("live.csv")));
        QVERIFY(live.open() && live.write("being written"));
        const QString set = program.writeSet(QStringLiteral("set.dat"), {makeHeader("m", "c", "")});
        program.writeFile(QStringLiteral(".new.dat.quorvane-x1Y2z3"), QByteArray(405, 'x'));
        QFile emptyOld(program.writeFile(QStringLiteral(".old.csv.quorvane-a1B2c3"), {}));
        QVERIFY(emptyOld.open(QIODevice::ReadWrite)
                && emptyOld.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                        QFileDevice::FileModificationTime));
        QFile held(program.writeFile(QStringLiteral(".held.csv.quorvane-q1W2e3"), "written"));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        program.writeFile(QStringLiteral(".fresh.dat.quorvane-z9Y8x7"), {});
        program.writeFile(QStringLiteral(".quiz.dat.backup"), "mine");
        program.writeFile(QStringLiteral("quiz.dat.quorvane-x1Y2z3"), "mine");

        if (replacing) {
            QVERIFY(SafeRewrite::replace(program.setPath(QStringLiteral("other.csv")), "x"));
        } else {
            const QuestionSet changed(set);
            const auto found = changed.findHeader();
            QuestionSet::Pick header{found->n, found->bytes};
            QCOMPARE(changed.changeDetails(header, {"Bob", "Hi", ""}), QuestionSet::Change::Done);
        }
        QVERIFY(live.commit());
        QStringList kept{".fresh.dat.quorvane-z9Y8x7", ".held.csv.quorvane-q1W2e3", ".quiz.dat.backup",
                         "live.csv", "quiz.dat.quorvane-x1Y2z3", "set.dat"};
        if (replacing)
            kept.insert(4, QStringLiteral("other.csv"));
        QCOMPARE(ManagerHelpers::filesIn(program.questionsDir()), kept);
    }

    void secondWriterWaitsForTheFirst_data()
    {
        QTest::addColumn<int>("heldFor"); // ms the first writer keeps the set; -1: throughout
        QTest::addColumn<SetLock::State>("second");
        QTest::newRow("first keeps it") << -1 << SetLock::State::Busy;
        QTest::newRow("first lets go meanwhile") << 150 << SetLock::State::Held;
    }

    // While one writer holds a set, a second one (in this program or another)
    // waits for it, and gives up once it has waited as long as it may.
    void secondWriterWaitsForTheFirst()
    {
        QFETCH(int, heldFor);
        QFETCH(SetLock::State, second);
        TestProgram program;
        const QString path = program.writeSet(QStringLiteral("set.dat"), {makeHeader("m", "c", "")});
        auto first = std::make_unique<SetLock>(path);
        QCOMPARE(first->state(), SetLock::State::Held);
        std::thread lettingGo;
        if (heldFor >= 0)
            lettingGo = std::thread([&first, heldFor] {
                std::this_thread::sleep_for(std::chrono::milliseconds(heldFor));
                first.reset();
            });
        QElapsedTimer waited;
        waited.start();
        const SetLock next(path, std::chrono::milliseconds(800));
        const qint64 took = waited.elapsed();
        if (lettingGo.joinable())
            lettingGo.join();
        QCOMPARE(next.state(), second);
        QVERIFY2(took >= (heldFor < 0 ? 800 : heldFor), qPrintable(QString::number(took)));
    }

    // A watch that ends leaves nothing behind for the watch after it, which
    // takes over its emptied watcher: the next is told of its own set only.
    void nextWatchHearsOnlyItsOwnSet()
    {
        TestProgram program;
        const QString gone = program.writeSet(QStringLiteral("gone.dat"), {makeHeader("m", "c", "")});
        QDir(program.questionsDir()).mkdir(QStringLiteral("other"));
        const QString other = program.questionsDir() + QStringLiteral("/other/next.dat");
        QVERIFY(QFile::copy(gone, other));
        delete new FileWatch(gone);
        FileWatch next(other);
        QSignalSpy told(&next, &FileWatch::changed);
        QVERIFY(QFile::remove(gone));
        QTest::qWait(3 * FileWatch::SETTLE_MS);
        QCOMPARE(told.size(), 0);
        QFile file(other);
        QVERIFY(file.open(QIODevice::Append) && file.write(QByteArray(405, ' ')) == 405);
        file.close();
        QTRY_COMPARE(told.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSetFile)
#include "tst_setfile.moc"

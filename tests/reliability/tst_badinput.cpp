#include "app/mainwindow.h"
#include "app/navigator.h"
#include "game/questiondraw.h"
#include "manage/questionmanager.h"
#include "managerhelpers.h"
#include "scriptedrandom.h"
#include "storage/iofaults.h"
#include "storage/setfile.h"
#include "testprogram.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTreeView>
#include <QtTest>

using namespace ManagerHelpers;

namespace {

const QString kFile = QStringLiteral("bad.dat");

QByteArray bytesOf(const QList<QuestionRecord> &records)
{
    QByteArray out;
    for (const QuestionRecord &r : records)
        out += r.toBytes();
    return out;
}

QByteArray fewQuestions()
{
    return bytesOf({makeHeader("Hi", "Ann", "pw"), makeQuestion(1, 2, "ONE?"),
                    makeQuestion(2, 3, "TWO?", "c"), makeQuestion(15, 4, "LAST?", "d")});
}

// What a reader must make of a file, worked out here byte by byte rather than
// through the file layer.
struct Expected
{
    std::array<int, 15> perRound{};
    int total = 0;
    int listed = 0;
    bool hasHeader = false;
};

Expected expect(const QByteArray &bytes)
{
    Expected e;
    for (qsizetype at = 0; at + QuestionRecord::LENGTH <= bytes.size(); at += QuestionRecord::LENGTH) {
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
        const qint16 round = qint16(p[0] | p[1] << 8);
        const qint16 number = qint16(p[2] | p[3] << 8);
        e.hasHeader = e.hasHeader || number == 9999;
        if (round >= 1 && round <= 15) {
            ++e.perRound[round - 1];
            ++e.total;
            if (number < 9000)
                ++e.listed;
        }
    }
    return e;
}

QString writeBytes(const TestProgram &program, const QByteArray &bytes)
{
    const QString path = program.setPath(kFile);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QuestionRecord withRight(QuestionRecord r, const QString &right)
{
    r.right_answer = right;
    return r;
}

} // namespace

// Damaged, hostile and vanishing inputs: no crash, no lost data, a clear word
// to the user. docs/reliability.md lists each case with the test that shows it.
class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void hostileSetFiles_data();
    void hostileSetFiles();
    void tooManyRecords();
    void textsTheCodePageCannotHold_data();
    void textsTheCodePageCannotHold();
    void setChangedBehindTheMainWindow();
    void setChangedBehindTheManager();
    void roundEmptiedBehindTheGame();
    void readOnlyQuestionsFolder();
};

void TestBadInput::hostileSetFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("shown");

    const QStringList none;
    const QStringList noCreator{"Question creator not found|Creator"};
    QTest::newRow("zero-length file") << QByteArray() << none;
    QTest::newRow("1013 bytes") << fewQuestions().left(1013) << none;
    QByteArray random(60000, Qt::Uninitialized);
    QRandomGenerator generator(1013);
    for (char &c : random)
        c = char(generator.bounded(256));
    QTest::newRow("random bytes") << random << noCreator;
    QTest::newRow("no header")
        << bytesOf({makeQuestion(1, 2, "ONE?"), makeQuestion(3, 3, "THREE?")}) << noCreator;
    QTest::newRow("header not first")
        << bytesOf({makeQuestion(1, 2, "ONE?"), makeHeader("Hi", "Ann", "pw"),
                    makeQuestion(3, 3, "THREE?")})
        << none;
    QTest::newRow("hand-edited rounds")
        << bytesOf({makeHeader("Hi", "Ann", "pw"), makeQuestion(0, 2, "ZERO?"),
                    makeQuestion(16, 3, "SIXTEEN?"), makeQuestion(-1, 4, "MINUS?"),
                    makeQuestion(99, 5, "LIKE A HEADER?"), makeQuestion(7, 9500, "RESERVED?"),
                    makeQuestion(7, 6, "SEVEN?")})
        << none;
    QTest::newRow("hand-edited right letters")
        << bytesOf({makeHeader("Hi", "Ann", "pw"), withRight(makeQuestion(1, 2, "X?"), "x"),
                    withRight(makeQuestion(1, 3, "UPPER?"), "B"),
                    withRight(makeQuestion(1, 4, "NONE?"), "")})
        << none;
    QByteArray undefinedBytes = fewQuestions();
    undefinedBytes[10] = char(0x81);
    undefinedBytes[420] = char(0x9D);
    undefinedBytes[500] = '\0';
    QTest::newRow("bytes the code page leaves undefined") << undefinedBytes << none;
}

// Every screen that reads a set reads it: the main window's counts, the
// manager's list and a pick, the game's draw of every round. The file is
// never changed by reading (a file too short to hold a record gets the
// header of a new set, as an empty one does).
void TestBadInput::hostileSetFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, shown);
    TestProgram program;
    const QString path = writeBytes(program, bytes);
    program.state.set_name = kFile;

    MainWindow *main = Navigator::openMainWindow(program.state, program.services);
    QByteArray now = program.readFile(path);
    if (SetFile::countFromLength(bytes.size()) == 0) {
        // Nothing to count: treated as a new set, whose header goes first.
        QCOMPARE(now.size(), qMax(bytes.size(), qsizetype(QuestionRecord::LENGTH)));
        QCOMPARE(now.left(4), QByteArray::fromHex("63000f27"));
    } else {
        QCOMPARE(now, bytes);
    }
    // Load and the activation right after it both look for the header.
    QStringList expectedShown;
    for (const QString &s : shown)
        expectedShown << s << s;
    QCOMPARE(program.dialogs.log(), expectedShown);
    const Expected e = expect(now);
    for (int i = 0; i < 15; ++i)
        QCOMPARE(control<QLabel>(main, QStringLiteral("t%1").arg(i))->text(),
                 QString::number(e.perRound[i]));
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QString::number(e.total));
    click(main, QStringLiteral("cmd_play")); // refuses, or would open the game: never both
    program.dialogs.clear();

    auto *manager = new QuestionManager(program.state, program.services, main);
    manager->setAttribute(Qt::WA_DeleteOnClose);
    manager->show();
    QCOMPARE(column(manager, 1).size(), e.listed);
    if (e.listed > 0) {
        pickRow(manager, e.listed - 1);
        QVERIFY(!control<QLineEdit>(manager, QStringLiteral("txt_id"))->text().isEmpty());
    }
    manager->close();

    ScriptedRandom random;
    for (int round = 1; round <= 15; ++round) {
        random.push(0.5);
        const QuestionDraw::Result drawn = QuestionDraw::run(program.state, round, random);
        QVERIFY(drawn.ok);
        QCOMPARE(drawn.count, e.perRound[round - 1]);
        QCOMPARE(bool(drawn.record), drawn.count > 0);
    }
    QVERIFY(!QFile::exists(QuestionDraw::scratchPath(program.state)));
    QCOMPARE(program.readFile(path), now);
}

// A file longer than the format allows is read whole, never cut short, and
// nothing is added behind its limit.
void TestBadInput::tooManyRecords()
{
    TestProgram program;
    QList<QuestionRecord> records{makeHeader("Big", "Ann", "pw")};
    for (int n = 2; n <= SetFile::MAX_RECORDS + 40; ++n)
        records << makeQuestion(1 + n % 15, 2 + n % 8000, QStringLiteral("QUESTION %1?").arg(n));
    const QString path = program.writeSet(kFile, records);
    const QByteArray before = program.readFile(path);
    program.state.set_name = kFile;
    MainWindow *main = Navigator::openMainWindow(program.state, program.services);
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(),
             QString::number(records.size() - 1));

    typeQuestion(main, "One more?", 1, 2, QStringLiteral("pw"));
    click(main, QStringLiteral("cmd_add"));
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown[0].text.contains("full"));
    QCOMPARE(program.readFile(path), before);

    // Editing one question keeps every other record, even those past the limit.
    QuestionManager *manager = openManager(program, records, kFile);
    program.dialogs.clear();
    pickRow(manager, 0);
    control<QLineEdit>(manager, QStringLiteral("txt_q"))->setText("edited");
    click(manager, QStringLiteral("cmd_edit"));
    QCOMPARE(program.dialogs.log(), QStringList{"Question Edited|Edited"});
    const QByteArray after = program.readFile(path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.mid(2 * QuestionRecord::LENGTH), before.mid(2 * QuestionRecord::LENGTH));
    QCOMPARE(readRecords(path)[1].question, QStringLiteral("EDITED"));
}

void TestBadInput::textsTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("storedAs");

    QTest::newRow("add: snowman") << "add" << QStringLiteral("Snow \u2603?") << false << "";
    QTest::newRow("add: emoji") << "add" << QStringLiteral("Smile \U0001F600") << false << "";
    QTest::newRow("add: euro and pound") << "add" << QStringLiteral("\u20AC5 or \u00A35?") << true
                                         << QStringLiteral("\u20AC5 OR \u00A35?");
    // The capital of the micro sign is Greek: the letter stays as typed.
    QTest::newRow("add: micro sign") << "add" << QStringLiteral("1 \u00B5m?") << true
                                     << QStringLiteral("1 \u00B5M?");
    QTest::newRow("edit: CJK") << "edit" << QStringLiteral("\u65E5\u672C?") << false << "";
    QTest::newRow("edit: accents") << "edit" << QStringLiteral("caf\u00E9?") << true
                                   << QStringLiteral("CAF\u00C9?");
    QTest::newRow("details: omega") << "details" << QStringLiteral("\u03A9 team") << false << "";
    QTest::newRow("details: diaeresis") << "details" << QStringLiteral("Zo\u00EB") << true
                                        << QStringLiteral("Zo\u00EB");
}

// Nothing is silently turned into '?': such a text is refused with a message
// naming the characters, and the set stays as it was.
void TestBadInput::textsTheCodePageCannotHold()
{
    QFETCH(QString, where);
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(QString, storedAs);
    TestProgram program;
    const QByteArray original = fewQuestions();
    const QString path = writeBytes(program, original);
    program.state.set_name = kFile;

    QString got;
    if (where == QLatin1String("add")) {
        MainWindow *main = Navigator::openMainWindow(program.state, program.services);
        program.dialogs.clear();
        typeQuestion(main, text, 1, 2, QStringLiteral("pw"));
        click(main, QStringLiteral("cmd_add"));
        if (stored)
            got = readRecords(path).last().question;
    } else {
        QuestionManager *manager = openManager(program, readRecords(path), kFile);
        program.dialogs.clear();
        pickRow(manager, 0);
        if (where == QLatin1String("edit")) {
            control<QLineEdit>(manager, QStringLiteral("txt_q"))->setText(text);
            click(manager, QStringLiteral("cmd_edit"));
            got = readRecords(path)[1].question;
        } else {
            control<QLineEdit>(manager, QStringLiteral("txt_name"))->setText(text);
            click(manager, QStringLiteral("cmd_ok"));
            got = readRecords(path)[0].answer_a;
        }
    }
    QCOMPARE(program.dialogs.shown.size(), 1);
    if (stored) {
        QCOMPARE(got, storedAs);
        return;
    }
    QCOMPARE(program.dialogs.shown[0].text.contains(QStringLiteral("cannot store")), true);
    QCOMPARE(program.readFile(path), original);
}

void TestBadInput::setChangedBehindTheMainWindow()
{
    TestProgram program;
    const QString path = writeBytes(program, fewQuestions());
    program.state.set_name = kFile;
    MainWindow *main = Navigator::openMainWindow(program.state, program.services);
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QStringLiteral("3"));

    // Another copy of the program (or the set tool) adds two questions: the
    // question added here goes behind them and overwrites neither.
    const QByteArray grown =
        fewQuestions() + bytesOf({makeQuestion(4, 5, "FIVE?"), makeQuestion(5, 6, "SIX?")});
    writeBytes(program, grown);
    program.dialogs.clear();
    typeQuestion(main, "Seven?", 1, 2, QStringLiteral("pw"));
    click(main, QStringLiteral("cmd_add"));
    QCOMPARE(program.dialogs.log(), QStringList{"Question Added|Added"});
    const QByteArray after = program.readFile(path);
    QVERIFY(after.startsWith(grown));
    QCOMPARE(readRecords(path).size(), 7);
    QCOMPARE(readRecords(path).last().number, 7);
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QStringLiteral("6"));

    // A round emptied and the file shortened: the counts follow on activation
    // and "Play Game" refuses.
    QVERIFY(QFile::resize(path, 2 * QuestionRecord::LENGTH));
    program.dialogs.clear();
    main->activate();
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(main, QStringLiteral("t1"))->text(), QStringLiteral("0"));
    click(main, QStringLiteral("cmd_play"));
    QCOMPARE(program.dialogs.log(),
             QStringList{"You Must Have At Least One Question For Each Round|Questions"});

    // The file deleted: reported, never quietly made again, and adding is
    // refused because there is no header to hold the password.
    QVERIFY(QFile::remove(path));
    program.dialogs.clear();
    main->activate();
    QCOMPARE(program.dialogs.log(), QStringList{"Question creator not found|Creator"});
    QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QStringLiteral("0"));
    program.dialogs.clear();
    typeQuestion(main, "Eight?", 1, 2, QStringLiteral("pw"));
    click(main, QStringLiteral("cmd_add"));
    QCOMPARE(program.dialogs.log(), QStringList{"Password Incorrect|Password"});
    QVERIFY(!QFile::exists(path));
}

void TestBadInput::setChangedBehindTheManager()
{
    TestProgram program;
    QList<QuestionRecord> records{makeHeader("Hi", "Ann", "pw")};
    for (int n = 2; n <= 8; ++n)
        records << makeQuestion(n % 15, n, QStringLiteral("Q%1?").arg(n));
    QuestionManager *manager = openManager(program, records, kFile);
    const QString path = program.state.set_path;

    // Shortened: the rows whose records are gone pick nothing; a question
    // still there is deleted and the others are kept.
    QVERIFY(QFile::resize(path, 4 * QuestionRecord::LENGTH));
    pickRow(manager, 6);
    QVERIFY(control<QLineEdit>(manager, QStringLiteral("txt_id"))->text().isEmpty());
    pickRow(manager, 1);
    QCOMPARE(control<QLineEdit>(manager, QStringLiteral("txt_id"))->text(), QStringLiteral("3"));
    click(manager, QStringLiteral("cmd_delete"));
    QCOMPARE(program.dialogs.log(), QStringList{"Question Deleted|Deleted"});
    QCOMPARE(readRecords(path), (QList<QuestionRecord>{records[0], records[1], records[3]}));
    QCOMPARE(column(manager, 1).size(), 2);

    // Deleted: a pick is reported; edit, delete and new details find nothing
    // and write nothing, and the file is not made again.
    QVERIFY(QFile::remove(path));
    program.dialogs.clear();
    pickRow(manager, 0);
    control<QLineEdit>(manager, QStringLiteral("txt_q"))->setText("changed");
    click(manager, QStringLiteral("cmd_edit"));
    click(manager, QStringLiteral("cmd_delete"));
    click(manager, QStringLiteral("cmd_ok"));
    // Only the pick, which must open the file, has something to report.
    QCOMPARE(program.dialogs.shown.size(), 1);
    QCOMPARE(program.dialogs.shown[0].title, QStringLiteral("Question Set"));
    QVERIFY(!QFile::exists(path));
}

// The game's draw of a round whose questions went away meanwhile finds
// nothing and leaves no scratch file; the screen keeps what it shows.
void TestBadInput::roundEmptiedBehindTheGame()
{
    TestProgram program;
    program.state.set_path = program.writeSet(kFile, {makeHeader("Hi", "Ann", ""),
                                                       makeQuestion(1, 2, "ONE?")});
    ScriptedRandom random;
    random.push(0.1);
    QVERIFY(QuestionDraw::run(program.state, 1, random).record);
    QVERIFY(QFile::resize(program.state.set_path, QuestionRecord::LENGTH));
    random.push(0.1);
    QuestionDraw::Result drawn = QuestionDraw::run(program.state, 1, random);
    QVERIFY(drawn.ok);
    QCOMPARE(drawn.count, 0);
    QVERIFY(!drawn.record);
    QVERIFY(QFile::remove(program.state.set_path));
    random.push(0.1);
    drawn = QuestionDraw::run(program.state, 1, random);
    QVERIFY(drawn.ok && !drawn.record);
    QVERIFY(!QFile::exists(QuestionDraw::scratchPath(program.state)));
}

// Running as root, a read-only folder does not stop writes, so every file
// creation is failed through the fault seam instead, as such a folder would.
void TestBadInput::readOnlyQuestionsFolder()
{
    TestProgram program;
    program.state.set_name = QStringLiteral("new.dat");
    {
        IoFaults::Plan readOnly(IoFaults::Op::Create, 1, true);
        MainWindow *main = Navigator::openMainWindow(program.state, program.services);
        QVERIFY(!program.dialogs.shown.isEmpty());
        for (const auto &shown : program.dialogs.shown)
            QCOMPARE(shown.title, QStringLiteral("Question Set"));
        QCOMPARE(control<QLabel>(main, QStringLiteral("lbl_total"))->text(), QStringLiteral("0"));
        main->close();
    }
    QVERIFY(!QFile::exists(program.setPath("new.dat")));

    const QString path = writeBytes(program, fewQuestions());
    program.state.set_name = kFile;
    program.state.record_count = 0;
    MainWindow *main = Navigator::openMainWindow(program.state, program.services);
    program.dialogs.clear();
    typeQuestion(main, "Nine?", 1, 2, QStringLiteral("pw"));
    {
        IoFaults::Plan readOnly(IoFaults::Op::Create, 1, true);
        click(main, QStringLiteral("cmd_add"));
    }
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown[0].text.startsWith("The question was not added."));
    QCOMPARE(program.readFile(path), fewQuestions());
    QCOMPARE(filesIn(program.questionsDir()), QStringList{kFile});
    // The typed question is still there to add once the folder can be written.
    click(main, QStringLiteral("cmd_add"));
    QCOMPARE(readRecords(path).size(), 5);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"

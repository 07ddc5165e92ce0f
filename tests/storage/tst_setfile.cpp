#include "storage/cp1252.h"
#include "storage/fixedtext.h"
#include "storage/questionrecord.h"
#include "storage/saferewrite.h"
#include "storage/setfile.h"
#include "storage/questionset.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <QtTest>

class TestSetFile : public QObject
{
    Q_OBJECT

private slots:
    void newSetHeaderBytes();
    void countFromLength_data();
    void countFromLength();
    void shortReadsAndPartialRecords();
    void writingPastTheEndZeroFills();
    void recordLimit();
    void cp1252AllBytesRoundTrip();
    void cp1252Characters_data();
    void cp1252Characters();
    void textFields_data();
    void textFields();
    void headerFoundWhereverItStands_data();
    void headerFoundWhereverItStands();
    void roundCounts();
    void scanSeesEveryRecordAcrossChunks();
    void onlyPlainFilesAreUsed_data();
    void onlyPlainFilesAreUsed();
};

void TestSetFile::newSetHeaderBytes()
{
    TestProgram program;
    const QString path = program.setPath(QStringLiteral("quiz.dat"));
    int count = 0;
    QString error;
    QVERIFY2(QuestionSet(path).append(count,
                              QuestionRecord::header(QStringLiteral("  Good luck \u00A3  "),
                                                     QStringLiteral("Ann"),
                                                     QStringLiteral(" pw1 ")),
                              &error),
             qPrintable(error));
    QCOMPARE(count, 1);
    const QByteArray bytes = program.readFile(path);
    QCOMPARE(bytes.size(), 405);
    QCOMPARE(bytes.left(4), QByteArray::fromHex("63000F27"));
    QCOMPARE(bytes.mid(4, 200), QByteArray("Good luck \xA3").leftJustified(200, ' '));
    QCOMPARE(bytes.mid(204, 50), QByteArray("Ann").leftJustified(50, ' '));
    QCOMPARE(bytes.mid(254, 50), QByteArray("pw1").leftJustified(50, ' '));
    QCOMPARE(bytes.mid(304), QByteArray(101, ' '));
}

void TestSetFile::countFromLength_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << qint64(0) << 0;
    QTest::newRow("202 rounds down") << qint64(202) << 0;
    QTest::newRow("203 rounds up") << qint64(203) << 1;
    QTest::newRow("exact") << qint64(810) << 2;
    QTest::newRow("1000 is 2.47") << qint64(1000) << 2;
    QTest::newRow("1013 is 2.501") << qint64(1013) << 3;
    QTest::newRow("largest set") << qint64(32767) * 405 << 32767;
}

void TestSetFile::countFromLength()
{
    QFETCH(qint64, bytes);
    QFETCH(int, count);
    QCOMPARE(SetFile::countFromLength(bytes), count);
}

void TestSetFile::shortReadsAndPartialRecords()
{
    TestProgram program;
    const QString path = program.writeSet(
        QStringLiteral("short.dat"),
        {makeHeader(QStringLiteral("m"), QStringLiteral("c"), QString()),
         makeQuestion(1, 2, QStringLiteral("Q"))});
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(190, 'x')); // 1000 bytes in all
    }
    SetFile file(path);
    QVERIFY(file.openReadOnly());
    QCOMPARE(file.recordCount(), 2);
    QuestionRecord rec;
    QVERIFY(file.read(2, rec));
    QVERIFY(!file.atEnd());
    QCOMPARE(rec.question, QStringLiteral("Q"));
    QVERIFY(!file.read(3, rec));
    QVERIFY(file.atEnd());
    file.close();

    QList<int> seen;
    QVERIFY(SetFile::scan(path, [&](int n, QByteArrayView) {
        seen << n;
        return true;
    }));
    QCOMPARE(seen, QList<int>({1, 2}));
}

void TestSetFile::writingPastTheEndZeroFills()
{
    TestProgram program;
    const QString path = program.setPath(QStringLiteral("gap.dat"));
    SetFile file(path);
    QVERIFY(file.open());
    QVERIFY(file.write(1, makeHeader(QStringLiteral("m"), QStringLiteral("c"), QString())));
    QVERIFY(file.write(4, makeQuestion(3, 4, QStringLiteral("LATE"))));
    file.close();
    const QByteArray bytes = program.readFile(path);
    QCOMPARE(bytes.size(), 4 * 405);
    QCOMPARE(bytes.mid(405, 810), QByteArray(810, '\0'));
    const QuestionSet::RoundCounts counts = QuestionSet(path).countRounds();
    QCOMPARE(counts[2], 1);
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 1);
}

void TestSetFile::recordLimit()
{
    TestProgram program;
    const QString path = program.setPath(QStringLiteral("full.dat"));
    SetFile file(path);
    QVERIFY(file.open());
    QVERIFY(!file.write(SetFile::MAX_RECORDS + 1, makeQuestion(1, 2, QStringLiteral("Q"))));
    QVERIFY(file.errorString().contains(QStringLiteral("32767")));
    QCOMPARE(file.length(), 0);
    file.close();

    int count = SetFile::MAX_RECORDS;
    QString error;
    QVERIFY(!QuestionSet(path).append(count, makeQuestion(1, 2, QStringLiteral("Q")), &error));
    QCOMPARE(count, SetFile::MAX_RECORDS);
    QVERIFY(!error.isEmpty());
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestSetFile::cp1252AllBytesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Cp1252::encode(text), all);
    QVERIFY(Cp1252::canEncode(text));
}

void TestSetFile::cp1252Characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("pound") << QStringLiteral("\u00A3100") << QByteArray("\xA3" "100");
    QTest::newRow("euro") << QStringLiteral("\u20AC") << QByteArray("\x80");
    QTest::newRow("accents") << QStringLiteral("CAF\u00C9 \u00D1") << QByteArray("CAF\xC9 \xD1");
    QTest::newRow("quotes and dash") << QStringLiteral("\u201Cx\u201D\u2014")
                                     << QByteArray("\x93x\x94\x97");
    QTest::newRow("greek omega") << QStringLiteral("\u03A9") << QByteArray("?");
    QTest::newRow("emoji is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
}

void TestSetFile::cp1252Characters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp1252::encode(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(Cp1252::decode(bytes), text);
    else
        QVERIFY(!Cp1252::canEncode(text));
}

void TestSetFile::textFields_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("readBack");
    const QString q200 = QString(200, QLatin1Char('Q'));
    QTest::newRow("padded") << QStringLiteral("WHO?") << QByteArray("WHO?").leftJustified(200, ' ')
                            << QStringLiteral("WHO?");
    QTest::newRow("spaces trimmed") << QStringLiteral("  WHO?  ")
                                    << QByteArray("WHO?").leftJustified(200, ' ')
                                    << QStringLiteral("WHO?");
    QTest::newRow("tabs are text") << QStringLiteral("\tWHO?")
                                   << QByteArray("\tWHO?").leftJustified(200, ' ')
                                   << QStringLiteral("\tWHO?");
    QTest::newRow("200 fills exactly") << q200 << q200.toLatin1() << q200;
    QTest::newRow("250 cut to 200") << QString(250, QLatin1Char('W')) << QByteArray(200, 'W')
                                    << QString(200, QLatin1Char('W'));
}

void TestSetFile::textFields()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, field);
    QFETCH(QString, readBack);
    QuestionRecord rec = makeQuestion(15, 7, stored, QStringLiteral("d"));
    const QByteArray bytes = rec.toBytes();
    QCOMPARE(bytes.size(), 405);
    QCOMPARE(bytes.left(4), QByteArray::fromHex("0F000700"));
    QCOMPARE(bytes.mid(4, 200), field);
    QCOMPARE(bytes.at(404), 'd');
    const QuestionRecord back = QuestionRecord::fromBytes(bytes);
    QCOMPARE(back.question, readBack);
    QCOMPARE(back.round, qint16(15));
    QCOMPARE(back.number, qint16(7));
    QCOMPARE(back.answer_d, QStringLiteral("ANSWER D"));
}

void TestSetFile::headerFoundWhereverItStands_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("headerAt");
    QTest::newRow("first") << QList<int>{9999, 2, 3} << 1;
    QTest::newRow("third") << QList<int>{2, 3, 9999, 4} << 3;
    QTest::newRow("first of two") << QList<int>{2, 9999, 9999} << 2;
    QTest::newRow("none") << QList<int>{2, 3} << 0;
    QTest::newRow("empty set") << QList<int>{} << 0;
}

void TestSetFile::headerFoundWhereverItStands()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, headerAt);
    TestProgram program;
    QList<QuestionRecord> records;
    for (int i = 0; i < numbers.size(); ++i) {
        QuestionRecord r = numbers[i] == 9999
            ? makeHeader(QStringLiteral("msg %1").arg(i + 1), QStringLiteral("me"), QString())
            : makeQuestion(1, numbers[i], QStringLiteral("Q"));
        records << r;
    }
    const QString path = program.writeSet(QStringLiteral("h.dat"), records);
    const auto found = QuestionSet(path).findHeader();
    QCOMPARE(found.has_value(), headerAt > 0);
    if (found) {
        QCOMPARE(found->n, headerAt);
        QCOMPARE(found->record.question, QStringLiteral("msg %1").arg(headerAt));
    }
}

void TestSetFile::roundCounts()
{
    TestProgram program;
    QuestionRecord zero; // a zero-filled record reads as round 0
    const QString path = program.writeSet(
        QStringLiteral("c.dat"),
        {makeHeader(QStringLiteral("m"), QStringLiteral("c"), QString()),
         makeQuestion(1, 2, QStringLiteral("A")), makeQuestion(1, 3, QStringLiteral("B")),
         makeQuestion(15, 4, QStringLiteral("C")), makeQuestion(16, 5, QStringLiteral("D")),
         makeQuestion(-1, 6, QStringLiteral("E")), zero});
    const QuestionSet::RoundCounts counts = QuestionSet(path).countRounds();
    QCOMPARE(counts[0], 2);
    QCOMPARE(counts[14], 1);
    QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0), 3);
    QCOMPARE(QuestionSet(program.setPath(QStringLiteral("missing.dat"))).countRounds()[0], 0);
}

void TestSetFile::scanSeesEveryRecordAcrossChunks()
{
    TestProgram program;
    QList<QuestionRecord> records;
    for (int i = 1; i <= 1500; ++i)
        records << makeQuestion(i % 15 + 1, i, QStringLiteral("Q%1").arg(i));
    const QString path = program.writeSet(QStringLiteral("big.dat"), records);
    int expected = 0;
    bool inOrder = true;
    QVERIFY(SetFile::scan(path, [&](int n, QByteArrayView raw) {
        ++expected;
        inOrder = inOrder && n == expected && QuestionRecord::numberOf(raw) == n;
        return true;
    }));
    QVERIFY(inOrder);
    QCOMPARE(expected, 1500);

    int visited = 0;
    SetFile::scan(path, [&](int n, QByteArrayView) {
        visited = n;
        return n < 700; // stopping early is honoured
    });
    QCOMPARE(visited, 700);
}

void TestSetFile::onlyPlainFilesAreUsed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a file elsewhere") << "link";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
}

// A set name that is no plain file is never read, waited on or written
// through: a link would lead outside the Questions folder, a FIFO would block.
void TestSetFile::onlyPlainFilesAreUsed()
{
    QFETCH(QString, kind);
    TestProgram program;
    const QString outside = program.dir() + QStringLiteral("/outside.dat");
    const QByteArray outsideBytes = makeHeader("m", "c", "p").toBytes();
    program.writeSet(QStringLiteral("../outside.dat"), {makeHeader("m", "c", "p")});
    const QString path = program.setPath(QStringLiteral("odd.dat"));
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(outside, path));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(program.dir() + QStringLiteral("/nowhere.dat"), path));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else
        QVERIFY(QDir().mkdir(path));

    SetFile file(path);
    QVERIFY(!file.open());
    QVERIFY2(file.errorString().contains(QLatin1String("odd.dat")), qPrintable(file.errorString()));
    QVERIFY(!file.openReadOnly());
    QString error;
    QVERIFY(!SetFile::scan(path, [](int, QByteArrayView) { return true; }, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SetFile::putRecord(path, 1, makeQuestion(1, 2, "Q?"), &error));
    QCOMPARE(program.readFile(outside), outsideBytes);
    QVERIFY(!QFileInfo::exists(program.dir() + QStringLiteral("/nowhere.dat")));
}

QTEST_GUILESS_MAIN(TestSetFile)
#include "tst_setfile.moc"

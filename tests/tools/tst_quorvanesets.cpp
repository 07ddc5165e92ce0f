#include "storage/questionset.h"
#include "testprogram.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

const QByteArray kPlayableCsv = [] {
    QByteArray csv = "round,question,answer_a,answer_b,answer_c,answer_d,right\r\n";
    for (int round = 1; round <= 15; ++round)
        csv += QByteArray::number(round) + ",Question \xC2\xA3" + QByteArray::number(round)
               + ",a,\"b, or c\",c,d,B\r\n";
    return csv;
}();

} // namespace

// Runs the built tool as a user would, for exit codes and messages; the logic
// behind it is tested through the storage functions.
class TestQuorvaneSets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitCodesAndMessages_data();
    void exitCodesAndMessages();
    void exportThenImportGivesTheSameSet();

private:
    Run run(const QString &dir, const QStringList &args) const;
    void writeFile(const QString &path, const QByteArray &bytes) const;

    QString m_tool;
};

void TestQuorvaneSets::initTestCase()
{
    const QString build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
    if (build.isEmpty())
        QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
    m_tool = build + QStringLiteral("/quorvane/quorvane-sets");
    QVERIFY2(QFileInfo(m_tool).isExecutable(), qPrintable(m_tool));
}

Run TestQuorvaneSets::run(const QString &dir, const QStringList &args) const
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(m_tool, args);
    Run r;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

void TestQuorvaneSets::writeFile(const QString &path, const QByteArray &bytes) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void TestQuorvaneSets::exitCodesAndMessages_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QStringList>("stderrLines"); // words each line of standard error holds
    QTest::addColumn<bool>("setUnchanged");       // good.dat as before, no new.dat

    const QStringList none;
    QTest::newRow("check playable set") << QStringList{"check", "good.dat"} << 0
                                        << "good.dat: OK: 16 record(s), 15 question(s)" << none << true;
    QTest::newRow("check set with problems")
        << QStringList{"check", "bad.dat"} << 1 << "bad.dat: record 3: right answer \"x\"" << none << true;
    QTest::newRow("check missing file") << QStringList{"check", "none.dat"} << 2 << ""
                                        << QStringList{"\"none.dat\" does not exist"} << true;
    QTest::newRow("check without a file") << QStringList{"check"} << 2 << ""
                                          << QStringList{"check takes 1 file name(s), 0 given"} << true;
    QTest::newRow("check help") << QStringList{"check", "--help"} << 0 << "check SET.dat" << none << true;
    QTest::newRow("import help") << QStringList{"import", "--help"} << 0 << "--append" << none << true;
    QTest::newRow("no command") << QStringList{} << 2 << "" << QStringList{"no command given"} << true;
    QTest::newRow("unknown command") << QStringList{"fix", "good.dat"} << 2 << ""
                                     << QStringList{"unknown command \"fix\""} << true;
    QTest::newRow("unknown option") << QStringList{"list", "--all", "good.dat"} << 2 << ""
                                    << QStringList{"list: Unknown option 'all'."} << true;
    QTest::newRow("list never shows the password")
        << QStringList{"list", "good.dat"} << 0 << "Creator: ANN\nMessage: PLAY ME" << none << true;
    QTest::newRow("import refused rows")
        << QStringList{"import", "bad.csv", "new.dat", "--creator", "A", "--message", "M"} << 1 << ""
        << QStringList{"bad.csv, line 3: round \"16\"", "bad.csv, line 4: answer_b is missing",
                       "bad.csv, line 5: question holds a line break",
                       "bad.csv, line 7: right \"E\"", "nothing written: 4 problem(s)"}
        << true;
    QTest::newRow("import over an existing set")
        << QStringList{"import", "good.csv", "good.dat", "--creator", "A", "--message", "M"} << 2
        << "" << QStringList{"\"good.dat\" already exists; give --append"} << true;
    QTest::newRow("import without details")
        << QStringList{"import", "good.csv", "new.dat", "--creator", "A"} << 2 << ""
        << QStringList{"a new set needs --creator and --message"} << true;
    QTest::newRow("append with the wrong password")
        << QStringList{"import", "good.csv", "good.dat", "--append", "--password", "PW"} << 1 << ""
        << QStringList{"password incorrect for \"good.dat\""} << true;
    QTest::newRow("append with the right password")
        << QStringList{"import", "good.csv", "good.dat", "--append", "--password", " pw "} << 0
        << "15 question(s) written to good.dat (numbers 17 on); it now holds 31 record(s)." << none
        << false;
    QTest::newRow("export over the set itself")
        << QStringList{"export", "good.dat", "-o", "./good.dat"} << 2 << ""
        << QStringList{"must not be the set file itself"} << true;
    QTest::newRow("export with a record left out")
        << QStringList{"export", "bad.dat"} << 1 << "round,question,answer_a"
        << QStringList{"record 3: right answer \"x\"", "record 4 left out: round 16"} << true;
}

void TestQuorvaneSets::exitCodesAndMessages()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QStringList, stderrLines);
    QFETCH(bool, setUnchanged);

    TestProgram program;
    const QString dir = program.questionsDir();
    const QString good = dir + QStringLiteral("/good.dat");
    writeFile(dir + QStringLiteral("/good.csv"), kPlayableCsv);
    writeFile(dir + QStringLiteral("/bad.csv"),
              "round,question,answer_a,answer_b,answer_c,answer_d,right\n"
              "1,Fine,a,b,c,d,a\n16,Round,a,b,c,d,a\n2,Missing,a,,c,d,a\n3,\"Two\n"
              "lines, quoted\",a,b,c,d,a\n4,Letter,a,b,c,d,E\n");
    QVERIFY(run(dir, {"import", "good.csv", "good.dat", "--creator", "ANN", "--message", "PLAY ME",
                      "--password", "pw"})
                .exitCode
            == 0);
    const QByteArray before = program.readFile(good);
    QCOMPARE(before.size(), 16 * 405);
    program.writeSet(QStringLiteral("bad.dat"),
                     {makeHeader(QStringLiteral("M"), QStringLiteral("C"), QString()),
                      makeQuestion(1, 2, QStringLiteral("FINE")),
                      makeQuestion(2, 3, QStringLiteral("LETTER"), QStringLiteral("x")),
                      makeQuestion(16, 4, QStringLiteral("ROUND"))});

    const Run r = run(dir, args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(r.out).contains(stdoutHas), r.out.constData());
    const QStringList errLines = QString::fromUtf8(r.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(errLines.size(), stderrLines.size());
    for (int i = 0; i < errLines.size(); ++i) {
        QVERIFY2(errLines[i].startsWith(QLatin1String("quorvane-sets: ")), qPrintable(errLines[i]));
        QVERIFY2(errLines[i].contains(stderrLines[i]), qPrintable(errLines[i]));
    }
    QCOMPARE(program.readFile(good) == before, setUnchanged);
    QVERIFY(!QFileInfo::exists(dir + QStringLiteral("/new.dat")));
    // No temporary file is left behind, whatever happened.
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
             QStringList({"bad.csv", "bad.dat", "good.csv", "good.dat"}));
}

void TestQuorvaneSets::exportThenImportGivesTheSameSet()
{
    TestProgram program;
    const QString dir = program.questionsDir();
    // As the main window writes a set: header at record 1, questions from 2.
    const QString made = program.setPath(QStringLiteral("made.dat"));
    int count = 0;
    QVERIFY(QuestionSet(made).append(count,
                             makeHeader(QStringLiteral("For \u00C9lodie"), QStringLiteral("Ren\u00E9e"),
                                        QStringLiteral("Zebra9"))));
    for (int round = 15; round >= 1; --round) {
        QuestionRecord q = makeQuestion(round, count + 1,
                                        QStringLiteral("\u00A3%1 \u2014 O\u00D9 EST \"LA\", GAR\u00C7ON?")
                                            .arg(round),
                                        QString(QChar(u'a' + round % 4)));
        QVERIFY(QuestionSet(made).append(count, q));
    }

    const Run toStdout = run(dir, {"export", "made.dat"});
    QCOMPARE(toStdout.exitCode, 0);
    QVERIFY(toStdout.err.isEmpty());
    const Run toFile = run(dir, {"export", "made.dat", "-o", "made.csv"});
    QCOMPARE(toFile.exitCode, 0);
    QCOMPARE(program.readFile(dir + QStringLiteral("/made.csv")), toStdout.out);
    QVERIFY(toStdout.out.contains("\r\n15,\"\xC2\xA3" "15 \xE2\x80\x94 O\xC3\x99 EST \"\"LA\"\", GAR\xC3\x87ON?\","));

    const Run imported = run(dir, {"import", "made.csv", "copy.dat", "--creator", "Ren\u00E9e",
                                   "--message", "For \u00C9lodie", "--password", "Zebra9"});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY(imported.err.isEmpty());
    const QByteArray copy = program.readFile(dir + QStringLiteral("/copy.dat"));
    QCOMPARE(copy.size(), 16 * 405);
    QCOMPARE(copy, program.readFile(made));

    const Run checked = run(dir, {"check", "copy.dat"});
    QCOMPARE(checked.exitCode, 0);

    const Run listed = run(dir, {"list", "copy.dat"});
    QCOMPARE(listed.exitCode, 0);
    const QString text = QString::fromUtf8(listed.out);
    QVERIFY(text.startsWith(QStringLiteral("Creator: Ren\u00E9e\nMessage: For \u00C9lodie\n")));
    QVERIFY(!text.contains(QLatin1String("Zebra9")));
    QVERIFY(text.contains(QStringLiteral("\n     2      2 \u00A31000000 d     \u00A315 \u2014")));
    QVERIFY(text.contains(QStringLiteral("\n    16     16 \u00A3100     b     \u00A31 \u2014")));
    QVERIFY(text.endsWith(QLatin1String("\nTotal:    15\n")));
}

QTEST_GUILESS_MAIN(TestQuorvaneSets)
#include "tst_quorvanesets.moc"

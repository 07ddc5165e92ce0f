#include "testprogram.h"

#include <QProcess>
#include <QtTest>

// Runs the built tool as a user would, for exit codes, options and one
// message of each kind; the rules behind it are tested at the storage layer.
class TestQuorvaneSets : public QObject
{
    Q_OBJECT

private slots:
    void exitCodesAndMessages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas"); // empty: nothing on standard error

        QTest::newRow("check playable set")
            << QStringList{"check", "good.dat"} << 0 << "good.dat: OK: 16 record(s), 15 question(s)" << "";
        QTest::newRow("check set with problems")
            << QStringList{"check", "bad.dat"} << 1 << "bad.dat: record 3: right answer \"x\"" << "";
        QTest::newRow("check a sparse file of 60 GB") << QStringList{"check", "huge.dat"} << 1
            << "huge.dat: length 64424509440 bytes is more than the 32767 records" << "";
        QTest::newRow("check missing file") << QStringList{"check", "none.dat"} << 2 << "" << "\"none.dat\" does not exist";
        // A folder that cannot be entered gives the system's reason; root enters
        // any folder, but none through a file.
        const QString notDir = QStringLiteral("cannot be reached: Not a directory");
        QTest::newRow("check through a file") << QStringList{"check", "good.csv/x.dat"} << 2 << "" << notDir;
        QTest::newRow("list through a file") << QStringList{"list", "good.csv/x.dat"} << 2 << "" << notDir;
        QTest::newRow("append through a file")
            << QStringList{"import", "good.csv", "good.csv/x.dat", "--append", "--password", "pw"} << 2 << "" << notDir;
        // "\\0351" is the byte E9, "é" in Latin-1 (the shell makes it, below).
        const QString notUtf8 = QStringLiteral("is not valid UTF-8");
        QTest::newRow("check a Latin-1 name") << QStringList{"check", "caf\\0351.dat"} << 2 << "" << notUtf8;
        QTest::newRow("import to a Latin-1 name")
            << QStringList{"import", "good.csv", "n\\0351w.dat", "--creator", "A", "--message", "M"} << 2 << ""
            << notUtf8;
        QTest::newRow("check help") << QStringList{"check", "--help"} << 0 << "check SET.dat" << "";
        QTest::newRow("no command") << QStringList{} << 2 << "" << "no command given";
        QTest::newRow("unknown command") << QStringList{"fix", "good.dat"} << 2 << "" << "unknown command \"fix\"";
        QTest::newRow("list never shows the password")
            << QStringList{"list", "good.dat"} << 0 << "Creator: ANN\nMessage: PLAY ME\n" << "";
        QTest::newRow("import refused rows")
            << QStringList{"import", "bad.csv", "new.dat", "--creator", "A", "--message", "M"} << 1 << ""
            << "bad.csv, line 3: round \"16\" is not 1 to 15";
        QTest::newRow("import over an existing set")
            << QStringList{"import", "good.csv", "good.dat", "--creator", "A", "--message", "M"} << 2 << ""
            << "\"good.dat\" already exists; give --append";
        QTest::newRow("import without details") << QStringList{"import", "good.csv", "new.dat", "--creator", "A"}
                                                << 2 << "" << "a new set needs --creator and --message";
        QTest::newRow("append with the wrong password")
            << QStringList{"import", "good.csv", "good.dat", "--append", "--password", "PW"} << 1 << ""
            << "password incorrect for \"good.dat\"";
        QTest::newRow("append with the right password")
            << QStringList{"import", "good.csv", "good.dat", "--append", "--password", "pw"} << 0
            << "1 question(s) read from good.csv (UTF-8, comma-separated) and written to good.dat "
               "(numbers 17 on); it now holds 17 record(s)." << "";
        QTest::newRow("append from standard input")
            << QStringList{"import", "-", "good.dat", "--append", "--password", "pw"} << 0
            << "1 question(s) read from standard input (UTF-8, comma-separated) and written to good.dat" << "";
        QTest::newRow("import under a name too long for its copies")
            << QStringList{"import", "good.csv", QString(235, u'x') + ".dat", "--creator", "A", "--message", "M"}
            << 2 << "" << "The set name is too long: a set's file name may take at most 238 bytes";
        QTest::newRow("export over a folder") << QStringList{"export", "good.dat", "-o", "outdir"} << 2 << ""
                                              << "Could not write \"outdir\": it is a folder, not a plain file";
        QTest::newRow("export over the set itself")
            << QStringList{"export", "good.dat", "-o", "./good.dat"} << 2 << "" << "must not be the set file itself";
        QTest::newRow("export with an unknown separator") << QStringList{"export", "good.dat", "--separator", "pipe"}
                                                          << 2 << "" << "--separator takes comma, semicolon or tab";
        QTest::newRow("export, semicolons, no byte order mark")
            << QStringList{"export", "good.dat", "--separator", "semicolon", "--no-bom"} << 0
            << "round;question;answer_a;answer_b;answer_c;answer_d;right\r\n1;QUESTION \u00A31;A;B, OR C;C;D;B\r\n" << "";
        QTest::newRow("export with a record left out")
            << QStringList{"export", "bad.dat"} << 1 << "round,question,answer_a"
            << "record 4 left out: round 16 is outside 1 to 15\nquorvane-sets: record 5 left out: "
               "number 9000 is 9000 or above";
    }

    void exitCodesAndMessages()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        const QString build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
        if (build.isEmpty())
            QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
        TestProgram program;
        const QString dir = program.questionsDir();
        QList<QuestionRecord> set{makeHeader("PLAY ME", "ANN", "pw")};
        for (int round = 1; round <= 15; ++round)
            set << QuestionRecord{qint16(round), qint16(round + 1), QStringLiteral("QUESTION \u00A3%1").arg(round),
                                  "A", "B, OR C", "C", "D", "b"};
        const QByteArray before = program.readFile(program.writeSet(QStringLiteral("good.dat"), set));
        QVERIFY(QFile::resize(program.writeSet(QStringLiteral("huge.dat"), {}), qint64(60) << 30));
        program.writeSet(QStringLiteral("bad.dat"), {makeHeader("M", "C", ""), makeQuestion(1, 2, "FINE"),
                                                     makeQuestion(2, 3, "LETTER", "x"), makeQuestion(16, 4, "ROUND"),
                                                     makeQuestion(3, 9000, "RESERVED")});
        const QByteArray csv = "round,question,answer_a,answer_b,answer_c,answer_d,right\n1,Fine,a,b,c,d,a\n";
        program.writeFile(QStringLiteral("good.csv"), csv);
        program.writeFile(QStringLiteral("bad.csv"), csv + "16,Round,a,b,c,d,a\n");
        QVERIFY(QDir(dir).mkdir(QStringLiteral("outdir")));

        QProcess tool;
        tool.setWorkingDirectory(dir);
        // Through the shell, whose printf turns "\\0351" into the byte E9: Qt
        // passes arguments only as UTF-8.
        tool.start(QStringLiteral("/bin/sh"),
                   QStringList{"-c", "for a; do set -- \"$@\" \"$(printf '%b' \"$a\")\"; shift; done; exec \"$@\"",
                               "sh", build + QStringLiteral("/quorvane/quorvane-sets")}
                       + args);
        tool.write(csv);
        tool.closeWriteChannel();
        QVERIFY(tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), exitCode);
        const QString out = QString::fromUtf8(tool.readAllStandardOutput());
        const QString err = QString::fromUtf8(tool.readAllStandardError());
        QVERIFY2(out.contains(stdoutHas), qPrintable(out));
        QVERIFY2(stderrHas.isEmpty() ? err.isEmpty() : err.contains(stderrHas), qPrintable(err));
        for (const QString &line : err.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QLatin1String("quorvane-sets: ")), qPrintable(line));
        // Only adding to it changes a set.
        const bool added = exitCode == 0 && args.contains(QLatin1String("--append"));
        QCOMPARE(program.readFile(dir + QStringLiteral("/good.dat")) == before, !added);
        // Nothing new is made, no temporary is left behind, whatever happened.
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"bad.csv", "bad.dat", "good.csv", "good.dat", "huge.dat", "outdir"}));
    }
};

QTEST_GUILESS_MAIN(TestQuorvaneSets)
#include "tst_quorvanesets.moc"

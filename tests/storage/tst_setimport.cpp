#include "storage/cp1252.h"
#include "storage/questionset.h"
#include "storage/setexport.h"
#include "storage/setimport.h"
#include "testprogram.h"

#include <QDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray kHeaderRow = "round,question,answer_a,answer_b,answer_c,answer_d,right\r\n";

// A record from "round|number|question|a|b|c|d|right".
QuestionRecord rec(const QString &fields)
{
    const QStringList f = fields.split(u'|');
    return {qint16(f[0].toInt()), qint16(f[1].toInt()), f[2], f[3], f[4], f[5], f[6], f[7]};
}

} // namespace

class TestSetImport : public QObject
{
    Q_OBJECT

private slots:
    // How each separator quotes and is found again is the CSV layer's; here the
    // whole set goes round.
    void exportThenImportIsByteIdentical()
    {
        TestProgram program;
        // A blank creator alone gets its default, as on a new set; numbers as the
        // main window gives them to the questions it adds.
        const SetImport::Details details{QStringLiteral("  "), QStringLiteral(" Win \u00A31000000!"),
                                         QStringLiteral(" s3cret")};
        const QString original = program.writeSet(QStringLiteral("made.dat"),
            {makeHeader(QStringLiteral("Win \u00A31000000!"), QuestionSet::noCreator(), "s3cret"),
             rec("1|2|CAF\u00C9 \u00A31?|CR\u00C8ME|NA\u00CFVE; TEA|\u20AC5, OR \u00A35|\"NOTHING\"|c"),
             rec("15|3|SE\u00D1OR M\u00DCLLER\u2019S \u2026 QUESTION|A|B|C|D|a"),
             rec("7|4|" + QString(200, u'Q') + "|" + QString(50, u'W') + "|X|Y|Z|d")});

        const SetExport::Result exported = SetExport::toCsv(original, {Csv::Encoding::Utf8WithBom, u','});
        QVERIFY2(exported.error.isEmpty() && exported.warnings.isEmpty() && exported.rows == 3,
                 qPrintable(exported.error));
        QVERIFY(exported.csv.startsWith("\xEF\xBB\xBF" + kHeaderRow
                                        + "1,CAF\xC3\x89 \xC2\xA3" "1?,CR\xC3\x88ME,NA\xC3\x8FVE; TEA,\"\xE2\x82\xAC"
                                          "5, OR \xC2\xA3" "5\",\"\"\"NOTHING\"\"\",C\r\n"));

        const SetImport::Rows rows = SetImport::readCsv(exported.csv);
        QVERIFY(rows.ok() && rows.format.encoding == Csv::Encoding::Utf8WithBom);
        const QString copy = program.setPath(QStringLiteral("copy.dat"));
        const SetImport::Result result = SetImport::create(copy, details, rows.questions);
        QCOMPARE(result.status, SetImport::Result::Written);
        QCOMPARE(QList<int>({result.firstNumber, result.records}), QList<int>({2, 4}));
        QCOMPARE(program.readFile(copy), program.readFile(original));
    }

    void filesSavedByASpreadsheet_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QChar>("separator");
        // Saved by LibreOffice Calc 7.4.7.2 (Debian 12) from data/calc-questions.ods
        // (a sheet Calc made from a hand-written CSV, columns 2 to 7 as text) with
        //   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):SEP,34,CHARSET'
        // where SEP is the separator's character code and CHARSET 76 is UTF-8 and
        // 1 Windows-1252 ("Western Europe (Windows-1252/WinLatin 1)"). Calc ends
        // lines with LF, writes no byte order mark and quotes only where it must.
        const int utf8 = int(Csv::Encoding::Utf8);
        QTest::newRow("comma, UTF-8 (44,34,76)") << "calc-comma-utf8.csv" << utf8 << QChar(u',');
        QTest::newRow("semicolon, UTF-8 (59,34,76)") << "calc-semicolon-utf8.csv" << utf8 << QChar(u';');
        QTest::newRow("tab, UTF-8 (9,34,76)") << "calc-tab-utf8.csv" << utf8 << QChar(u'\t');
        QTest::newRow("comma, Windows-1252 (44,34,1)")
            << "calc-comma-windows1252.csv" << int(Csv::Encoding::Windows1252) << QChar(u',');
    }

    void filesSavedByASpreadsheet()
    {
        QFETCH(QString, file);
        QFETCH(int, encoding);
        QFETCH(QChar, separator);
        QString error;
        const QString data = QStringLiteral(QUORVANE_SOURCE_DIR "/tests/storage/data/");
        const auto plain = SetImport::readCsvFile(data + QStringLiteral("calc-comma-utf8.csv"), &error);
        const auto rows = SetImport::readCsvFile(data + file, &error);
        QVERIFY2(plain && rows && plain->ok() && rows->ok(), qPrintable(error));
        QCOMPARE(int(rows->format.encoding), encoding);
        QCOMPARE(rows->format.separator, separator);
        QCOMPARE(rows->questions, plain->questions);
        QCOMPARE(plain->questions.size(), 7);
        QVERIFY(plain->questions.bytes().contains(
            Cp1252::encode(u"SE\u00D1OR M\u00DCLLER\u2019S \u0152UVRE HANGS IN A GALER\u00CDA IN\u2026")));
    }

    void onlyPlainFilesOfASetsSizeRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says"); // why it is not read; empty: read
        QTest::newRow("link to a CSV") << "link" << "";
        QTest::newRow("FIFO nobody writes to") << "fifo" << "it is not a plain file";
        QTest::newRow("endless device") << "/dev/zero" << "it is not a plain file";
        QTest::newRow("larger than 64 MB")
            << "large" << "it is larger than 64 MB, more than the questions of any set take as CSV";
    }

    // Whatever name is picked, the import neither waits nor fills the memory.
    void onlyPlainFilesOfASetsSizeRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        TestProgram program;
        const QString csv = program.writeFile(QStringLiteral("real.csv"), kHeaderRow + "1,Q,A,B,C,D,A\r\n");
        QString path = program.setPath(QStringLiteral("picked.csv"));
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(csv, path));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("large"))
            QVERIFY(QFile::resize(path = csv, SetImport::MAX_CSV_BYTES + 1)); // sparse: takes no room
        else
            path = kind;
        QString error;
        const std::optional<SetImport::Rows> rows = SetImport::readCsvFile(path, &error);
        QCOMPARE(rows.has_value(), says.isEmpty());
        QCOMPARE(error, says.isEmpty() ? QString() : QStringLiteral("could not read \"%1\": %2").arg(path, says));
        if (rows)
            QCOMPARE(rows->questions.size(), 1);
    }

    void rowsRead_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("problems"); // "line|start of the reason", in order
        QTest::addColumn<QStringList>("questions"); // as rec() takes them
        QTest::addColumn<QString>("format"); // as found, described; empty: not checked

        // "|" stands for the separator and "^" for the line end. Quoted fields
        // hold the other separators, quotes, pound and euro signs and accented
        // capitals; row 2 also the separator itself (it is refused for its line
        // break only, so it still has 7 fields) and row 3 is refused after it.
        const QString text = QStringLiteral("round|question|answer_a|answer_b|answer_c|answer_d|right^"
            "1|\"CAF\u00C9, CR\u00C8ME; OR \"\"TEA\"\"?\"|\"\u00A35, \u20AC5; \u00A36\"|\u00C9CLAIR|"
            "\"SE\u00D1OR \"\"\u00DC\"\"\"|\"\u00C0, \u00C7; \u00CE\"|a^"
            "2|\"TWO^LINES| \u00A3\"|A|B|C|D|A^"
            "16|Q|A|B|C|D|A^"
            "15|\"\"\"\u20AC\"\" OR \u00A31 000 000\"|\u00D8|\u0152|\"\u00C5;\u00C6,\u00C9\"|\"\"\"\"|D^");
        const QStringList shapedProblems{"3|question holds a line break or another control character",
                                         "5|round \"16\" is not 1 to 15 or a prize amount such as \u00A31000"};
        const QStringList shapedQuestions{
            "1|0|CAF\u00C9, CR\u00C8ME; OR \"TEA\"?|\u00A35, \u20AC5; \u00A36|\u00C9CLAIR|SE\u00D1OR \"\u00DC\"|"
            "\u00C0, \u00C7; \u00CE|a",
            "15|0|\"\u20AC\" OR \u00A31 000 000|\u00D8|\u0152|\u00C5;\u00C6,\u00C9|\"|d"};
        // Each separator, encoding and line end once; their mixtures are the CSV layer's,
        // and which rounds and letters are taken the question set's.
        const std::tuple<QChar, Csv::Encoding, QString> shapes[] = {
            {u',', Csv::Encoding::Utf8, "\r\n"}, {u';', Csv::Encoding::Utf8WithBom, "\n"},
            {u'\t', Csv::Encoding::Windows1252, "\r"}};
        for (const auto &[separator, encoding, end] : shapes) {
            const Csv::Format format{encoding, separator};
            const QString shaped = QString(text).replace(u'|', separator).replace(u'^', end);
            QTest::addRow("%s, line end %s", qPrintable(Csv::describe(format)),
                          end == "\n" ? "LF" : end == "\r" ? "CR" : "CRLF")
                << Csv::encode(shaped, encoding) << shapedProblems << shapedQuestions << Csv::describe(format);
        }

        const QByteArray ok = "1,Q,A,B,C,D,A\r\n";
        const QString okRead = QStringLiteral("1|0|Q|A|B|C|D|a");
        // Which texts, rounds and letters can be stored is the question set's
        // rule; here, that each refusal is reported with its line and field.
        QTest::newRow("missing texts, bad letter")
            << kHeaderRow + "1,,A,B,C,D,A\r\n2,Q,   ,B,C,D,A\r\n1,Q,A,B,C,D,E\r\n" + ok
            << QStringList{"2|question is missing", "3|answer_a is missing", "4|right \"E\""} << QStringList{okRead}
            << QString();
        QTest::newRow("too long after trimming, counted in characters")
            << kHeaderRow + "1," + QByteArray(201, 'q') + ",A,B,C,D,A\r\n"
                   "1,Q,A," + QByteArray(25, ' ') + QByteArray(50, '\xC3').replace("\xC3", "\xC3\x9F") + ",C,D,A\r\n"
                   "1,Q," + QByteArray(51, 'a') + ",B,C,D,A\r\n"
            << QStringList{"2|question is 201 characters long; at most 200", "4|answer_a is 51 characters long; at most 50"}
            << QStringList{"1|0|Q|A|" + QString(50, u'\u00DF') + "|C|D|a"} << QString();
        QTest::newRow("characters Windows-1252 cannot hold") << kHeaderRow + "1,\xCE\xA9 OMEGA,A,B,C,D,A\r\n"
            << QStringList{"2|question holds a character that Windows-1252 cannot store"} << QStringList{} << QString();
        QTest::newRow("values shown escaped and cut, places counted in characters")
            << kHeaderRow + "1\x01,Q,A,B,C,D," + QByteArray(41, 'y') + "\r\n1,\xF0\x9F\x98\x80\x01,A,B,C,D,A\r\n"
            << QStringList{"2|round \"1[U+0001]\" is not", "2|right \"" + QString(40, u'y') + "\u2026\" is not",
                           "3|question holds a line break or another control character, [U+0001] at "
                           "character 2"} << QStringList{} << QString();
        QTest::newRow("wrong number of fields, several problems in one row")
            << kHeaderRow + "1,Q,A,B,C,D\r\n\r\n1,Q,A,B,C,D,A,extra\r\n20,,A,B,C,D,X\r\n" + ok + "\r\n\r\n"
            << QStringList{"2|6 field(s) instead of 7", "3|1 field(s) instead of 7",
                           "4|8 field(s) instead of 7", "5|round \"20\"", "5|question is missing",
                           "5|right \"X\""} << QStringList{okRead} << QString();
        QTest::newRow("header row missing")
            << ok << QStringList{"1|the first row must be the header row"} << QStringList{} << QString();
        QTest::newRow("empty file") << QByteArray("\r\n\r\n") << QStringList{"1|the file is empty"} << QStringList{}
                                    << QString();
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFEr\0", 4) << QStringList{"1|the file is UTF-16"}
                                << QStringList{} << QString();
        QTest::newRow("header row only") << kHeaderRow << QStringList{} << QStringList{}
                                         << QStringLiteral("UTF-8, comma-separated");
    }

    void rowsRead()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, questions);
        QFETCH(QString, format);
        const SetImport::Rows rows = SetImport::readCsv(csv);
        QStringList got; // each as "line|reason", cut to the length expected
        for (const SetImport::Problem &p : rows.problems)
            got << QStringLiteral("%1|%2").arg(p.line).arg(p.reason).left(problems.value(got.size()).size());
        QCOMPARE(got, problems);
        QList<QuestionRecord> expected;
        for (const QString &q : questions)
            expected << rec(q);
        QCOMPARE(rows.questions, expected);
        QCOMPARE(rows.ok(), problems.isEmpty());
        if (!format.isEmpty())
            QCOMPARE(Csv::describe(rows.format), format);
    }

    void refusedCreateWritesNothing_data()
    {
        QTest::addColumn<QStringList>("details"); // creator, message, password
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("status");
        const int refused = SetImport::Result::Refused;
        QTest::newRow("details too long")
            << QStringList{QString(51, u'c'), QString(201, u'm'), QString(51, u'p')} << 1
            << "creator's name is 51 characters long|message is 201 characters long|"
               "password is 51 characters long" << refused;
        QTest::newRow("record limit") << QStringList{"c", "m", ""} << 32767 << "past 32767 records" << refused;
        QTest::newRow("folder missing") << QStringList{"c", "m", ""} << 1 << "Could not create"
                                        << int(SetImport::Result::Failed);
    }

    void refusedCreateWritesNothing()
    {
        QFETCH(QStringList, details);
        QFETCH(int, questions);
        QFETCH(QString, words);
        QFETCH(int, status);
        TestProgram program;
        const bool folderMissing = status == int(SetImport::Result::Failed);
        const QString path = (folderMissing ? program.dir() + "/gone" : program.questionsDir()) + "/new.dat";
        const QList<QuestionRecord> rows(questions, rec("1|0|Q|A|B|C|D|a"));
        const SetImport::Result result = SetImport::create(path, {details[0], details[1], details[2]}, rows);
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.messages.size(), words.count(u'|') + 1);
        for (const QString &w : words.split(u'|'))
            QVERIFY2(result.messages.join(u' ').contains(w), qPrintable(result.messages.join(u' ')));
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    void append_data()
    {
        QTest::addColumn<QByteArray>("set");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("firstNumber"); // 0: refused

        const QByteArray header = makeHeader("M", "C", "Pw1").toBytes();
        const QByteArray q2 = makeQuestion(1, 2, QStringLiteral("TWO")).toBytes();
        const QByteArray q3 = makeQuestion(1, 3, QStringLiteral("THREE")).toBytes();
        // The password as adding a question checks it (exact case): which header
        // counts is the question set's rule, tested there.
        QTest::newRow("right password") << header + q2 + q3 << "Pw1" << 4;
        QTest::newRow("password in other case") << header + q2 << "pw1" << 0;
        QTest::newRow("no header") << q2 + q3 << "" << 0;
        QTest::newRow("partial record") << header + q2 + "xyz" << "Pw1" << 0;
        QTest::newRow("numbers above the record count after a deletion")
            << header + q2 + makeQuestion(1, 7, QStringLiteral("SEVEN")).toBytes() << "Pw1" << 8;
        auto set = [&](int records, int highest) {
            return header + QByteArray((records - 2) * 405, '\0')
                   + makeQuestion(1, highest, QStringLiteral("LAST")).toBytes();
        };
        QTest::newRow("a set of 32767 records") << set(32767, 2) << "Pw1" << 0;
        QTest::newRow("numbers up to 8999") << set(3, 8997) << "Pw1" << 8998;
        QTest::newRow("numbers reaching 9000") << set(3, 8998) << "Pw1" << 0;
    }

    void append()
    {
        QFETCH(QByteArray, set);
        QFETCH(QString, password);
        QFETCH(int, firstNumber);
        TestProgram program;
        const QString path = program.writeFile(QStringLiteral("old.dat"), set);

        // BOM, LF, header in any case; texts stored as the main window stores them.
        const SetImport::Rows rows = SetImport::readCsv(
            "\xEF\xBB\xBFRound, QUESTION ,Answer_A,answer_b,answer_c,answer_d,Right\n"
            " 2 ,  caf\xC3\xA9 or stra\xC3\x9F" "e?  , a ,b,c ,d, b \n\xC2\xA3" "1000,x,y,z,w,v,D\n");
        const SetImport::Result result = SetImport::append(path, password, rows.questions);
        const QByteArray after = program.readFile(path);
        QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.dat"});
        if (firstNumber == 0) {
            QVERIFY(result.status == SetImport::Result::Refused && !result.messages.isEmpty());
            QCOMPARE(after, set);
            return;
        }
        const int records = int(set.size() / 405);
        QCOMPARE(result.status, SetImport::Result::Written);
        QCOMPARE(QList<int>({result.firstNumber, result.records}), QList<int>({firstNumber, records + 2}));
        QVERIFY(after.size() == set.size() + 2 * 405 && after.startsWith(set));
        QCOMPARE(QuestionRecord::fromBytes(QByteArrayView(after).sliced(records * 405)),
                 rec(QStringLiteral("2|%1|CAF\u00C9 OR STRA\u00DFE?|A|B|C|D|b").arg(firstNumber)));
        QCOMPARE(QuestionRecord::fromBytes(after.right(405)),
                 rec(QStringLiteral("5|%1|X|Y|Z|W|V|d").arg(firstNumber + 1)));
    }
};

QTEST_GUILESS_MAIN(TestSetImport)
#include "tst_setimport.moc"

#include "storage/setexport.h"
#include "storage/setimport.h"
#include "storage/questionset.h"
#include "testprogram.h"

#include <QDir>
#include <QtTest>

namespace {

const QByteArray kHeaderRow = "round,question,answer_a,answer_b,answer_c,answer_d,right\r\n";

QByteArray csvOf(const QByteArray &rows)
{
    return kHeaderRow + rows;
}

// A set built the way the main window builds it: the header written at
// record 1, then each question appended at record_count + 1.
QString programMadeSet(const TestProgram &program, const QString &name,
                       const QList<QuestionRecord> &questions, const SetImport::Details &details)
{
    const QString path = program.setPath(name);
    int count = 0;
    if (!QuestionSet(path).append(count,
                          QuestionRecord::header(details.message, details.creator, details.password)))
        qFatal("cannot write header");
    for (QuestionRecord q : questions) {
        q.number = qint16(count + 1);
        if (!QuestionSet(path).append(count, q))
            qFatal("cannot add question");
    }
    return path;
}

QuestionRecord question(int round, const QString &q, const QStringList &answers, const QString &right)
{
    QuestionRecord r;
    r.round = qint16(round);
    r.question = q;
    r.answer_a = answers.value(0);
    r.answer_b = answers.value(1);
    r.answer_c = answers.value(2);
    r.answer_d = answers.value(3);
    r.right_answer = right;
    return r;
}

} // namespace

class TestSetImport : public QObject
{
    Q_OBJECT

private slots:
    void exportThenImportIsByteIdentical_data();
    void exportThenImportIsByteIdentical();
    void everySeparatorEncodingAndLineEnd_data();
    void everySeparatorEncodingAndLineEnd();
    void filesSavedByASpreadsheet_data();
    void filesSavedByASpreadsheet();
    void rowsStoredAsTheMainWindowStoresThem();
    void rowRefusals_data();
    void rowRefusals();
    void refusedCreateWritesNothing_data();
    void refusedCreateWritesNothing();
    void append_data();
    void append();
    void appendLimits_data();
    void appendLimits();
};

void TestSetImport::exportThenImportIsByteIdentical_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QByteArray>("firstQuestion"); // its row as exported
    QTest::newRow("comma, byte order mark") << QChar(u',') << true
        << QByteArray("1,WHAT DOES A CAF\xC3\x89 SELL FOR \xC2\xA3" "1?,CR\xC3\x88ME BR\xC3\x9BL\xC3\x89" "E,"
                      "NA\xC3\x8FVE; TEA,\"\xE2\x82\xAC" "5, OR \xC2\xA3" "5\",\"\"\"NOTHING\"\"\",C\r\n");
    QTest::newRow("semicolon, no byte order mark") << QChar(u';') << false
        << QByteArray("1;WHAT DOES A CAF\xC3\x89 SELL FOR \xC2\xA3" "1?;CR\xC3\x88ME BR\xC3\x9BL\xC3\x89" "E;"
                      "\"NA\xC3\x8FVE; TEA\";\xE2\x82\xAC" "5, OR \xC2\xA3" "5;\"\"\"NOTHING\"\"\";C\r\n");
    QTest::newRow("tab, byte order mark") << QChar(u'\t') << true
        << QByteArray("1\tWHAT DOES A CAF\xC3\x89 SELL FOR \xC2\xA3" "1?\tCR\xC3\x88ME BR\xC3\x9BL\xC3\x89" "E\t"
                      "NA\xC3\x8FVE; TEA\t\xE2\x82\xAC" "5, OR \xC2\xA3" "5\t\"\"\"NOTHING\"\"\"\tC\r\n");
}

void TestSetImport::exportThenImportIsByteIdentical()
{
    QFETCH(QChar, separator);
    QFETCH(bool, bom);
    QFETCH(QByteArray, firstQuestion);
    TestProgram program;
    const SetImport::Details details{QStringLiteral("Zo\u00EB"), QStringLiteral("Win \u00A31000000!"),
                                     QStringLiteral("s3cret")};
    const QString original = programMadeSet(
        program, QStringLiteral("made.dat"),
        {question(1, QStringLiteral("WHAT DOES A CAF\u00C9 SELL FOR \u00A31?"),
                  {QStringLiteral("CR\u00C8ME BR\u00DBL\u00C9E"), QStringLiteral("NA\u00CFVE; TEA"),
                   QStringLiteral("\u20AC5, OR \u00A35"), QStringLiteral("\"NOTHING\"")},
                  QStringLiteral("c")),
         question(15, QStringLiteral("SE\u00D1OR M\u00DCLLER\u2019S \u2026 QUESTION"),
                  {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
                  QStringLiteral("a")),
         question(7, QString(200, QLatin1Char('Q')),
                  {QString(50, QLatin1Char('W')), QStringLiteral("X"), QStringLiteral("Y"),
                   QStringLiteral("Z")},
                  QStringLiteral("d"))},
        details);

    const Csv::Format format{bom ? Csv::Encoding::Utf8WithBom : Csv::Encoding::Utf8, separator};
    const SetExport::Result exported = SetExport::toCsv(original, format);
    QVERIFY2(exported.error.isEmpty(), qPrintable(exported.error));
    QVERIFY(exported.warnings.isEmpty());
    QCOMPARE(exported.rows, 3);
    const QByteArray header = QByteArray(kHeaderRow).replace(',', separator.toLatin1());
    QCOMPARE(exported.csv.left(header.size() + firstQuestion.size() + (bom ? 3 : 0)),
             (bom ? "\xEF\xBB\xBF" : "") + header + firstQuestion);

    const SetImport::Rows rows = SetImport::readCsv(exported.csv);
    QVERIFY(rows.ok());
    QCOMPARE(rows.format.encoding, format.encoding);
    QCOMPARE(rows.format.separator, separator);
    const QString copy = program.setPath(QStringLiteral("copy.dat"));
    const SetImport::Result result = SetImport::create(copy, details, rows.questions);
    QCOMPARE(result.status, SetImport::Result::Written);
    QCOMPARE(result.first_number, 2);
    QCOMPARE(result.records, 4);
    const QByteArray bytes = program.readFile(copy);
    QCOMPARE(bytes.size(), 4 * 405);
    QCOMPARE(bytes, program.readFile(original));
    QVERIFY(bytes.contains("CAF\xC9 SELL FOR \xA3" "1?"));
}

void TestSetImport::everySeparatorEncodingAndLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QChar>("separator");

    // "|" stands for the separator and "^" for the line end. Quoted fields
    // hold the other separators, quotes, pound and euro signs and accented
    // capitals; row 2 also the separator itself (it is refused for its line
    // break only, so it still has 7 fields) and row 3 is refused after it.
    const QString text = QStringLiteral(
        "round|question|answer_a|answer_b|answer_c|answer_d|right^"
        "1|\"CAF\u00C9, CR\u00C8ME; OR \"\"TEA\"\"?\"|\"\u00A35, \u20AC5; \u00A36\"|\u00C9CLAIR|"
        "\"SE\u00D1OR \"\"\u00DC\"\"\"|\"\u00C0, \u00C7; \u00CE\"|a^"
        "2|\"TWO^LINES| \u00A3\"|A|B|C|D|A^"
        "16|Q|A|B|C|D|A^"
        "15|\"\"\"\u20AC\"\" OR \u00A31 000 000\"|\u00D8|\u0152|\"\u00C5;\u00C6,\u00C9\"|\"\"\"\"|D^");
    struct Encoding
    {
        const char *name;
        Csv::Encoding encoding;
    };
    const Encoding encodings[] = {{"UTF-8", Csv::Encoding::Utf8},
                                  {"UTF-8 with BOM", Csv::Encoding::Utf8WithBom},
                                  {"Windows-1252", Csv::Encoding::Windows1252}};
    const QList<QPair<const char *, QString>> lineEnds = {
        {"CRLF", QStringLiteral("\r\n")}, {"LF", QStringLiteral("\n")}, {"CR", QStringLiteral("\r")}};
    for (const QChar separator : Csv::separators()) {
        for (const Encoding &e : encodings) {
            for (const auto &[endName, end] : lineEnds) {
                QString shaped = text;
                shaped.replace(QLatin1Char('|'), separator).replace(QLatin1Char('^'), end);
                QTest::addRow("%s, %s, %s", qPrintable(Csv::separatorName(separator)), e.name,
                              endName)
                    << Csv::encode(shaped, e.encoding) << int(e.encoding) << separator;
            }
        }
    }
}

void TestSetImport::everySeparatorEncodingAndLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QChar, separator);
    const SetImport::Rows rows = SetImport::readCsv(bytes);
    QCOMPARE(int(rows.format.encoding), encoding);
    QCOMPARE(rows.format.separator, separator);
    QStringList problems;
    for (const SetImport::Problem &p : rows.problems)
        problems << QStringLiteral("%1|%2").arg(p.line).arg(p.reason);
    QCOMPARE(problems,
             QStringList({"3|question holds a line break or another control character",
                          "5|round \"16\" is not 1 to 15 or a prize amount such as \u00A31000"}));
    const QList<QuestionRecord> expected = {
        question(1, QStringLiteral("CAF\u00C9, CR\u00C8ME; OR \"TEA\"?"),
                 {QStringLiteral("\u00A35, \u20AC5; \u00A36"), QStringLiteral("\u00C9CLAIR"),
                  QStringLiteral("SE\u00D1OR \"\u00DC\""), QStringLiteral("\u00C0, \u00C7; \u00CE")},
                 QStringLiteral("a")),
        question(15, QStringLiteral("\"\u20AC\" OR \u00A31 000 000"),
                 {QStringLiteral("\u00D8"), QStringLiteral("\u0152"),
                  QStringLiteral("\u00C5;\u00C6,\u00C9"), QStringLiteral("\"")},
                 QStringLiteral("d")),
    };
    QCOMPARE(rows.questions, expected);
}

void TestSetImport::filesSavedByASpreadsheet_data()
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
    QTest::newRow("comma, UTF-8 (44,34,76)") << "calc-comma-utf8.csv" << int(Csv::Encoding::Utf8)
                                             << QChar(u',');
    QTest::newRow("semicolon, UTF-8 (59,34,76)") << "calc-semicolon-utf8.csv"
                                                 << int(Csv::Encoding::Utf8) << QChar(u';');
    QTest::newRow("tab, UTF-8 (9,34,76)") << "calc-tab-utf8.csv" << int(Csv::Encoding::Utf8)
                                          << QChar(u'\t');
    QTest::newRow("comma, Windows-1252 (44,34,1)") << "calc-comma-windows1252.csv"
                                                   << int(Csv::Encoding::Windows1252) << QChar(u',');
}

void TestSetImport::filesSavedByASpreadsheet()
{
    QFETCH(QString, file);
    QFETCH(int, encoding);
    QFETCH(QChar, separator);
    TestProgram program;
    const SetImport::Details details{QStringLiteral("Calc"), QStringLiteral("Saved"), QString()};
    auto setFrom = [&](const QString &name, SetImport::Rows &rows) {
        QFile csv(QFINDTESTDATA(QStringLiteral("data/") + name));
        if (!csv.open(QIODevice::ReadOnly))
            return QByteArray();
        rows = SetImport::readCsv(csv.readAll());
        const QString path = program.setPath(name + QStringLiteral(".dat"));
        SetImport::create(path, details, rows.questions);
        return program.readFile(path);
    };
    SetImport::Rows plainRows;
    const QByteArray plain = setFrom(QStringLiteral("calc-comma-utf8.csv"), plainRows);
    QVERIFY(plainRows.ok());
    QCOMPARE(plainRows.questions.size(), 7);
    QVERIFY(plain.contains("SE\xD1OR M\xDCLLER\x92S \x8CUVRE HANGS IN A GALER\xCD" "A IN\x85"));

    SetImport::Rows rows;
    const QByteArray set = setFrom(file, rows);
    QVERIFY(rows.ok());
    QCOMPARE(int(rows.format.encoding), encoding);
    QCOMPARE(rows.format.separator, separator);
    QCOMPARE(set, plain);
}

void TestSetImport::rowsStoredAsTheMainWindowStoresThem()
{
    // BOM, LF line ends, lower case, outer spaces, a prize amount for a round.
    const QByteArray csv = "\xEF\xBB\xBFRound, QUESTION ,Answer_A,answer_b,answer_c,answer_d,Right\n"
                           "\xC2\xA3" "1000,  caf\xC3\xA9 or stra\xC3\x9F" "e?  , a ,b,c ,d,b\n"
                           " 15 ,x,y,z,w,v, D \n";
    const SetImport::Rows rows = SetImport::readCsv(csv);
    QVERIFY(rows.ok());
    QCOMPARE(rows.questions.size(), 2);

    TestProgram program;
    const QString path = program.setPath(QStringLiteral("new.dat"));
    const SetImport::Result result =
        SetImport::create(path, {QStringLiteral("  "), QString(), QStringLiteral(" pw ")}, rows.questions);
    QCOMPARE(result.status, SetImport::Result::Written);
    const QByteArray bytes = program.readFile(path);
    QCOMPARE(bytes.size(), 3 * 405);
    // The start screen's defaults for a blank creator and message; trimmed password.
    const QuestionRecord header = QuestionRecord::fromBytes(QByteArrayView(bytes).first(405));
    QCOMPARE(header, makeHeader(QStringLiteral("No Message"), QStringLiteral("Not Given"),
                                QStringLiteral("pw")));
    const QByteArray first = bytes.mid(405, 405);
    QCOMPARE(first.left(4), QByteArray::fromHex("05000200"));
    QCOMPARE(first.mid(4, 200), QByteArray("CAF\xC9 OR STRA\xDF" "E?").leftJustified(200, ' '));
    QCOMPARE(first.mid(204, 50), QByteArray("A").leftJustified(50, ' '));
    QCOMPARE(first.mid(404), QByteArray("b"));
    const QByteArray second = bytes.mid(810, 405);
    QCOMPARE(second.left(4), QByteArray::fromHex("0F000300"));
    QCOMPARE(second.mid(404), QByteArray("d"));
}

void TestSetImport::rowRefusals_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("expected"); // "line|words", in order
    QTest::addColumn<int>("valid");

    const QByteArray ok = "1,Q,A,B,C,D,A\r\n";
    QTest::newRow("bad rounds")
        << csvOf(ok + "16,Q,A,B,C,D,A\r\n0,Q,A,B,C,D,A\r\n\xC2\xA3" "1001,Q,A,B,C,D,A\r\n"
                      "1000,Q,A,B,C,D,A\r\n,Q,A,B,C,D,A\r\n+3,Q,A,B,C,D,A\r\n\xC2\xA3" "64000,Q,A,B,C,D,A\r\n")
        << QStringList{"3|round \"16\"", "4|round \"0\"", "5|round \"\u00A31001\"",
                       "6|round \"1000\"", "7|round \"\"", "8|round \"+3\""}
        << 2;
    QTest::newRow("missing texts")
        << csvOf("1,,A,B,C,D,A\r\n2,Q,   ,B,C,D,A\r\n3,Q,A,B,C,,A\r\n" + ok)
        << QStringList{"2|question is missing", "3|answer_a is missing", "4|answer_d is missing"}
        << 1;
    QTest::newRow("bad letters")
        << csvOf("1,Q,A,B,C,D,E\r\n1,Q,A,B,C,D,\r\n1,Q,A,B,C,D,AB\r\n1,Q,A,B,C,D,1\r\n" + ok
                 + "1,Q,A,B,C,D,c\r\n")
        << QStringList{"2|right \"E\"", "3|right \"\"", "4|right \"AB\"", "5|right \"1\""} << 2;
    QTest::newRow("too long after trimming and upper case")
        << csvOf("1," + QByteArray(201, 'q') + ",A,B,C,D,A\r\n"
                 "1,  " + QByteArray(200, 'q') + "  ,A,B,C,D,A\r\n"
                 "1,Q," + QByteArray(51, 'a') + ",B,C,D,A\r\n"
                 "1,Q,A," + QByteArray(25, ' ') + QByteArray(50, '\xC3').replace("\xC3", "\xC3\x9F") + ",C,D,A\r\n"
                 "1,Q,A,B,C," + QByteArray(25, '\xC3').replace("\xC3", "\xC2\xA3") + QByteArray(26, 'x') + ",A\r\n")
        << QStringList{"2|question is 201 characters long; at most 200",
                       "4|answer_a is 51 characters long; at most 50",
                       "6|answer_d is 51 characters long; at most 50"}
        << 2;
    QTest::newRow("characters Windows-1252 cannot hold")
        << csvOf("1,\xCE\xA9 OMEGA,A,B,C,D,A\r\n1,Q,\xC2\xB5,B,C,D,A\r\n1,Q,A,B,C,\xE2\x82\xAC,A\r\n")
        << QStringList{"2|question holds a character that Windows-1252 cannot store"}
        << 2;
    QTest::newRow("quoted commas, quotes and line breaks")
        << csvOf("1,\"A, B, \"\"C\"\"\",\"1,2\",B,C,D,A\r\n"
                 "2,\"TWO\r\nLINES\",A,B,C,D,A\r\n"
                 "3,\"THREE\nMORE\nLINES\",A,B,C,D,A\r\n"
                 "99,Q,A,B,C,D,A\r\n"
                 "4,\"Q, \"\"quoted\"\"\",A,B,C,D,D\r\n")
        << QStringList{"3|question holds a line break", "5|question holds a line break",
                       "8|round \"99\""}
        << 2;
    QTest::newRow("control characters")
        << csvOf("1,TAB\tHERE,A,B,C,D,A\r\n1,Q,A\xC2\x85,B,C,D,A\r\n")
        << QStringList{"2|question holds a line break or another control character",
                       "3|answer_a holds a line break or another control character"}
        << 0;
    QTest::newRow("wrong number of fields")
        << csvOf("1,Q,A,B,C,D\r\n\r\n1,Q,A,B,C,D,A,extra\r\n" + ok + "\r\n\r\n")
        << QStringList{"2|6 field(s) instead of 7", "3|1 field(s) instead of 7",
                       "4|8 field(s) instead of 7"}
        << 1;
    QTest::newRow("several problems in one row")
        << csvOf("20,,A,B,C,D,X\r\n")
        << QStringList{"2|round \"20\"", "2|question is missing", "2|right \"X\""} << 0;
    QTest::newRow("quote left open")
        << csvOf(ok + "2,\"OPEN,A,B,C,D,A\r\n3,Q,A,B,C,D,A\r\n")
        << QStringList{"3|a quoted field is never closed"} << 1;
    QTest::newRow("header row missing")
        << QByteArray("1,Q,A,B,C,D,A\r\n") << QStringList{"1|the first row must be the header row"}
        << 0;
    QTest::newRow("header row in another order")
        << QByteArray("round,question,answer_b,answer_a,answer_c,answer_d,right\r\n") + ok
        << QStringList{"1|the first row must be the header row"} << 0;
    QTest::newRow("empty file") << QByteArray("\r\n\r\n")
                                << QStringList{"1|the file is empty"} << 0;
    const QString utf16 = QString::fromUtf8(csvOf(ok));
    QTest::newRow("UTF-16 without a mark")
        << QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
        << QStringList{"1|neither UTF-8 nor Windows-1252"} << 0;
    QTest::newRow("header row only") << kHeaderRow << QStringList{} << 0;
}

void TestSetImport::rowRefusals()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, expected);
    QFETCH(int, valid);
    const SetImport::Rows rows = SetImport::readCsv(csv);
    QStringList got;
    for (const SetImport::Problem &p : rows.problems) {
        QVERIFY2(!p.reason.contains(QLatin1Char('\n')), qPrintable(p.reason));
        got << QStringLiteral("%1|%2").arg(p.line).arg(p.reason);
    }
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString line = expected[i].section(QLatin1Char('|'), 0, 0);
        const QString words = expected[i].section(QLatin1Char('|'), 1);
        QVERIFY2(got[i].startsWith(line + QLatin1Char('|')) && got[i].contains(words),
                 qPrintable(QStringLiteral("%1 does not match %2").arg(got[i], expected[i])));
    }
    QCOMPARE(rows.questions.size(), valid);
    QCOMPARE(rows.ok(), expected.isEmpty());
}

void TestSetImport::refusedCreateWritesNothing_data()
{
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("status");

    const int refused = SetImport::Result::Refused;
    QTest::newRow("creator too long") << QString(51, QLatin1Char('c')) << "m" << "" << 1
                                      << "creator's name is 51 characters long" << refused;
    QTest::newRow("message too long") << "c" << QString(201, QLatin1Char('m')) << "" << 1
                                      << "message is 201 characters long" << refused;
    QTest::newRow("password too long") << "c" << "m" << QString(51, QLatin1Char('p')) << 1
                                       << "password is 51 characters long" << refused;
    QTest::newRow("creator not Windows-1252") << "\u03A9" << "m" << "" << 1
                                              << "Windows-1252 cannot store" << refused;
    QTest::newRow("numbers would reach 9000") << "c" << "m" << "" << 8999 << "9000" << refused;
    QTest::newRow("folder missing") << "c" << "m" << "" << 1 << "Could not create"
                                    << int(SetImport::Result::Failed);
}

void TestSetImport::refusedCreateWritesNothing()
{
    QFETCH(QString, creator);
    QFETCH(QString, message);
    QFETCH(QString, password);
    QFETCH(int, questions);
    QFETCH(QString, words);
    QFETCH(int, status);
    TestProgram program;
    const bool folderMissing = status == int(SetImport::Result::Failed);
    const QString folder = folderMissing ? program.dir() + QStringLiteral("/gone") : program.questionsDir();
    const QString path = folder + QStringLiteral("/new.dat");
    const QList<QuestionRecord> rows(questions, question(1, QStringLiteral("Q"),
                                                         {QStringLiteral("A"), QStringLiteral("B"),
                                                          QStringLiteral("C"), QStringLiteral("D")},
                                                         QStringLiteral("a")));
    const SetImport::Result result = SetImport::create(path, {creator, message, password}, rows);
    QCOMPARE(int(result.status), status);
    QVERIFY2(result.messages.join(QLatin1Char(' ')).contains(words),
             qPrintable(result.messages.join(QLatin1Char(' '))));
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(QDir(program.questionsDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());

    if (questions == 8999) {
        // One question fewer ends at number 8999 and is written.
        const QList<QuestionRecord> fewer = rows.mid(1);
        QCOMPARE(SetImport::create(path, {creator, message, password}, fewer).status,
                 SetImport::Result::Written);
        QCOMPARE(QuestionRecord::numberOf(program.readFile(path).right(405)), qint16(8999));
    }
}

void TestSetImport::append_data()
{
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("firstNumber"); // 0: refused

    const QByteArray header = makeHeader(QStringLiteral("M"), QStringLiteral("C"),
                                         QStringLiteral("Pw1")).toBytes();
    const QByteArray q2 = makeQuestion(1, 2, QStringLiteral("TWO")).toBytes();
    const QByteArray q3 = makeQuestion(1, 3, QStringLiteral("THREE")).toBytes();
    QTest::newRow("right password") << header + q2 + q3 << "Pw1" << 4;
    QTest::newRow("password with spaces around") << header + q2 << "  Pw1 " << 3;
    QTest::newRow("password in other case") << header + q2 << "pw1" << 0;
    QTest::newRow("wrong password") << header + q2 << "nope" << 0;
    QTest::newRow("no password given") << header + q2 << "" << 0;
    QTest::newRow("empty stored password")
        << makeHeader(QStringLiteral("M"), QStringLiteral("C"), QString()).toBytes() + q2 << "   " << 3;
    QTest::newRow("no header") << q2 + q3 << "" << 0;
    QTest::newRow("header not first") << q2 + header << "Pw1" << 3;
    QTest::newRow("numbers above the record count after a deletion")
        << header + q2 + makeQuestion(1, 7, QStringLiteral("SEVEN")).toBytes() << "Pw1" << 8;
    QTest::newRow("numbers from 9000 do not count")
        << header + q2 + makeQuestion(1, 9500, QStringLiteral("ODD")).toBytes() << "Pw1" << 4;
    QTest::newRow("partial record") << header + q2 + "xyz" << "Pw1" << 0;
}

void TestSetImport::append()
{
    QFETCH(QByteArray, set);
    QFETCH(QString, password);
    QFETCH(int, firstNumber);
    TestProgram program;
    const QString path = program.setPath(QStringLiteral("old.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(set);
    file.close();

    const SetImport::Rows rows =
        SetImport::readCsv(csvOf("2,New one,a,b,c,d,B\r\n\xC2\xA3" "100,New two,a,b,c,d,C\r\n"));
    QVERIFY(rows.ok());
    const SetImport::Result result = SetImport::append(path, password, rows.questions);
    const QByteArray after = program.readFile(path);
    if (firstNumber == 0) {
        QCOMPARE(result.status, SetImport::Result::Refused);
        QVERIFY(!result.messages.isEmpty());
        QCOMPARE(after, set);
    } else {
        QCOMPARE(result.status, SetImport::Result::Written);
        QCOMPARE(result.first_number, firstNumber);
        const int records = int(set.size() / 405);
        QCOMPARE(result.records, records + 2);
        QCOMPARE(after.size(), set.size() + 2 * 405);
        QVERIFY(after.startsWith(set));
        QuestionRecord expected = rows.questions[0];
        expected.number = qint16(firstNumber);
        QCOMPARE(QuestionRecord::fromBytes(after.mid(records * 405, 405)), expected);
        QCOMPARE(QuestionRecord::numberOf(after.right(405)), qint16(firstNumber + 1));
        QCOMPARE(QuestionRecord::roundOf(after.right(405)), qint16(1));
    }
    QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("old.dat")});
}

void TestSetImport::appendLimits_data()
{
    QTest::addColumn<int>("records");    // records already in the set, header first
    QTest::addColumn<int>("highest");    // number of the last question
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("written");
    // Numbers follow the record count, so 9000 binds long before 32767 records.
    QTest::newRow("records up to number 8999") << 8997 << 2 << 2 << true;
    QTest::newRow("records reaching number 9000") << 8998 << 2 << 2 << false;
    QTest::newRow("a set of 32767 records") << 32767 << 2 << 1 << false;
    QTest::newRow("numbers up to 8999") << 3 << 8997 << 2 << true;
    QTest::newRow("numbers reaching 9000") << 3 << 8998 << 2 << false;
}

void TestSetImport::appendLimits()
{
    QFETCH(int, records);
    QFETCH(int, highest);
    QFETCH(int, rows);
    QFETCH(bool, written);
    TestProgram program;
    // Header, zero-filled records, and a last question with the given number.
    QByteArray set = makeHeader(QStringLiteral("M"), QStringLiteral("C"), QString()).toBytes();
    set += QByteArray((records - 2) * 405, '\0');
    set += makeQuestion(1, highest, QStringLiteral("LAST")).toBytes();
    const QString path = program.setPath(QStringLiteral("big.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(set);
    file.close();

    const QList<QuestionRecord> questions(rows, question(2, QStringLiteral("Q"),
                                                         {QStringLiteral("A"), QStringLiteral("B"),
                                                          QStringLiteral("C"), QStringLiteral("D")},
                                                         QStringLiteral("a")));
    const SetImport::Result result = SetImport::append(path, QString(), questions);
    QCOMPARE(result.status == SetImport::Result::Written, written);
    const QByteArray after = program.readFile(path);
    if (!written) {
        QCOMPARE(result.status, SetImport::Result::Refused);
        QCOMPARE(after, set);
        return;
    }
    QCOMPARE(after.size(), set.size() + rows * 405);
    QCOMPARE(int(QuestionRecord::numberOf(after.right(405))), std::max(records, highest) + rows);
}

QTEST_GUILESS_MAIN(TestSetImport)
#include "tst_setimport.moc"

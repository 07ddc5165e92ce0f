#include "storage/csv.h"

#include <QtTest>

using Rows = QList<QStringList>;

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void syntaxErrors_data();
    void syntaxErrors();
    void decode_data();
    void decode();
    void separatorFromHeader_data();
    void separatorFromHeader();
    void writtenFieldsReadBack_data();
    void writtenFieldsReadBack();
};

void TestCsv::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("LF") << QStringLiteral("a,b\nc,d\n") << Rows{{"a", "b"}, {"c", "d"}}
                        << QList<int>{1, 2};
    QTest::newRow("CRLF, no final break") << QStringLiteral("a,b\r\nc,d")
                                          << Rows{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
    QTest::newRow("lone CR") << QStringLiteral("a\rb\r") << Rows{{"a"}, {"b"}} << QList<int>{1, 2};
    QTest::newRow("empty fields") << QStringLiteral(",x,\n") << Rows{{"", "x", ""}}
                                  << QList<int>{1};
    QTest::newRow("quoted comma and doubled quote")
        << QStringLiteral("\"a,b\",\"say \"\"hi\"\"\",\"\"\n") << Rows{{"a,b", "say \"hi\"", ""}}
        << QList<int>{1};
    QTest::newRow("quoted line breaks move later rows down")
        << QStringLiteral("h\r\n\"one\r\ntwo\nthree\",x\r\nnext\r\n")
        << Rows{{"h"}, {"one\r\ntwo\nthree", "x"}, {"next"}} << QList<int>{1, 2, 5};
    QTest::newRow("blank trailing lines dropped")
        << QStringLiteral("a\r\nb\r\n\r\n  \r\n\t\n\n") << Rows{{"a"}, {"b"}} << QList<int>{1, 2};
    QTest::newRow("blank line inside is a row") << QStringLiteral("a\n\nb\n")
                                                << Rows{{"a"}, {""}, {"b"}} << QList<int>{1, 2, 3};
    QTest::newRow("spaces kept") << QStringLiteral(" a , b ") << Rows{{" a ", " b "}}
                                 << QList<int>{1};
    QTest::newRow("only blank lines") << QStringLiteral("\r\n \r\n") << Rows{} << QList<int>{};
}

void TestCsv::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QFETCH(QList<int>, lines);
    const Csv::Parsed parsed = Csv::parse(text);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    Rows fields;
    QList<int> starts;
    for (const Csv::Row &row : parsed.rows) {
        fields << row.fields;
        starts << row.line;
    }
    QCOMPARE(fields, rows);
    QCOMPARE(starts, lines);
}

void TestCsv::syntaxErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("rowsBefore");
    QTest::newRow("quote never closed, reported where it opened")
        << QStringLiteral("a\nb\n\"open,\nmore\nstill\n") << 3 << 2;
    QTest::newRow("text after closing quote") << QStringLiteral("a\n\"x\"y,z\n") << 2 << 1;
    QTest::newRow("quote inside a bare field") << QStringLiteral("a\nb\nab\"c\n") << 3 << 2;
}

void TestCsv::syntaxErrors()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, rowsBefore);
    const Csv::Parsed parsed = Csv::parse(text);
    QVERIFY(!parsed.error.isEmpty());
    QCOMPARE(parsed.errorLine, line);
    QCOMPARE(parsed.rows.size(), rowsBefore);
}

void TestCsv::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorLine"); // 0: decoded
    QTest::addColumn<QString>("words"); // in the error
    const int utf8 = int(Csv::Encoding::Utf8);
    const int bom = int(Csv::Encoding::Utf8WithBom);
    const int cp1252 = int(Csv::Encoding::Windows1252);
    QTest::newRow("UTF-8") << QByteArray("\xC2\xA3" "5 \xE2\x82\xAC") << utf8
                           << QStringLiteral("\u00A35 \u20AC") << 0 << "";
    QTest::newRow("UTF-8, BOM dropped") << QByteArray("\xEF\xBB\xBF" "round") << bom
                                        << QStringLiteral("round") << 0 << "";
    // One byte that is not UTF-8 makes the whole file Windows-1252, the
    // valid-looking pair before it included.
    QTest::newRow("Windows-1252") << QByteArray("\xC3\x89\na\n\xA3" "5 \x80") << cp1252
                                  << QStringLiteral("\u00C3\u2030\na\n\u00A35 \u20AC") << 0 << "";
    QTest::newRow("BOM, then not UTF-8 on line 3 of lone CRs")
        << QByteArray("\xEF\xBB\xBF" "a\r\xC3\xA9\r\xC9\r") << bom << QString() << 3
        << "not UTF-8 text, although the file starts with UTF-8's byte order mark";
    QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE\xAC\x20", 4) << utf8 << QString()
                                          << 1 << "the file is UTF-16";
    QTest::newRow("UTF-16 without a mark, NUL on line 2 after CRLF")
        << QByteArray("r\r\n\0o", 5) << utf8 << QString() << 2
        << "neither UTF-8 nor Windows-1252 (UTF-16 perhaps)";
}

void TestCsv::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QFETCH(int, errorLine);
    QFETCH(QString, words);
    const Csv::Decoded decoded = Csv::decode(bytes);
    QCOMPARE(decoded.errorLine, errorLine);
    QVERIFY2(words.isEmpty() ? decoded.error.isEmpty() : decoded.error.contains(words),
             qPrintable(decoded.error));
    if (errorLine == 0)
        QCOMPARE(int(decoded.encoding), encoding);
    QCOMPARE(decoded.text, text);
}

void TestCsv::separatorFromHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("found");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("semicolon, case and spaces ignored")
        << QByteArray(" Name ;RIGHT\nx,y;z\n") << QChar(u';') << true
        << Rows{{" Name ", "RIGHT"}, {"x,y", "z"}};
    QTest::newRow("tab, quoted names, quoted tab and line break")
        << QByteArray("\"name\"\t\"right\"\rx,y;z\t\"1\t2\r3\"\r\t\rz\r") << QChar(u'\t') << true
        << Rows{{"name", "right"}, {"x,y;z", "1\t2\r3"}, {"", ""}, {"z"}};
    QTest::newRow("names in another order") << QByteArray("right;name\nx;y\n") << QChar(u',')
                                            << false << Rows{{"right;name"}, {"x;y"}};
}

void TestCsv::separatorFromHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QChar, separator);
    QFETCH(bool, found);
    QFETCH(Rows, rows);
    const Csv::Table table = Csv::read(bytes, {QStringLiteral("name"), QStringLiteral("right")});
    QVERIFY2(table.error.isEmpty(), qPrintable(table.error));
    QCOMPARE(table.format.separator, separator);
    QCOMPARE(table.headerFound, found);
    Rows fields;
    for (const Csv::Row &row : table.rows)
        fields << row.fields;
    QCOMPARE(fields, rows);
}

void TestCsv::writtenFieldsReadBack_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("nextLine");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("written"); // the first row as written, when it matters
    QTest::newRow("plain") << QStringList{"1", "WHAT?", "A"} << 2 << QChar(u',') << "1,WHAT?,A\r\n";
    QTest::newRow("comma") << QStringList{"A, B", "C"} << 2 << QChar(u',') << "\"A, B\",C\r\n";
    QTest::newRow("quotes") << QStringList{"\"", "SAY \"HI\""} << 2 << QChar(u',') << "";
    QTest::newRow("line breaks") << QStringList{"ONE\nTWO", "THREE\r\nFOUR", "FIVE\rSIX"} << 5
                                 << QChar(u',') << "";
    QTest::newRow("empty") << QStringList{"", ""} << 2 << QChar(u',') << "";
    QTest::newRow("semicolon") << QStringList{"A; B", "C, D"} << 2 << QChar(u';')
                               << "\"A; B\";C, D\r\n";
    QTest::newRow("tab") << QStringList{"A\tB", "C, D; E", "\"F\""} << 2 << QChar(u'\t')
                         << "\"A\tB\"\tC, D; E\t\"\"\"F\"\"\"\r\n";
}

void TestCsv::writtenFieldsReadBack()
{
    QFETCH(QStringList, fields);
    QFETCH(int, nextLine);
    QFETCH(QChar, separator);
    QFETCH(QString, written);
    const QString first = Csv::row(fields, separator);
    if (!written.isEmpty())
        QCOMPARE(first, written);
    const QString text = first + Csv::row({QStringLiteral("next")}, separator);
    QVERIFY(text.endsWith(QLatin1String("\r\n")));
    const Csv::Parsed parsed = Csv::parse(text, separator);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.rows.size(), 2);
    QCOMPARE(parsed.rows[0].fields, fields);
    QCOMPARE(parsed.rows[1].fields, QStringList{QStringLiteral("next")});
    QCOMPARE(parsed.rows[1].line, nextLine);
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"

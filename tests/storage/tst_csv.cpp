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
    void decodeUtf8_data();
    void decodeUtf8();
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

void TestCsv::decodeUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badLine");
    QTest::newRow("plain") << QByteArray("\xC2\xA3" "5") << true << QStringLiteral("\u00A35") << 0;
    QTest::newRow("BOM dropped") << QByteArray("\xEF\xBB\xBF" "round") << true
                                 << QStringLiteral("round") << 0;
    QTest::newRow("Latin-1 byte on line 3") << QByteArray("a\nb\n\xA3" "5\nc") << false << QString()
                                            << 3;
}

void TestCsv::decodeUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    QFETCH(int, badLine);
    QString decoded;
    int line = 0;
    QCOMPARE(Csv::decodeUtf8(bytes, decoded, &line), ok);
    QCOMPARE(decoded, text);
    if (!ok)
        QCOMPARE(line, badLine);
}

void TestCsv::writtenFieldsReadBack_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("nextLine");
    QTest::newRow("plain") << QStringList{"1", "WHAT?", "A"} << 2;
    QTest::newRow("comma") << QStringList{"A, B", "C"} << 2;
    QTest::newRow("quotes") << QStringList{"\"", "SAY \"HI\""} << 2;
    QTest::newRow("line breaks") << QStringList{"ONE\nTWO", "THREE\r\nFOUR", "FIVE\rSIX"} << 5;
    QTest::newRow("empty") << QStringList{"", ""} << 2;
}

void TestCsv::writtenFieldsReadBack()
{
    QFETCH(QStringList, fields);
    QFETCH(int, nextLine);
    const QString text = Csv::row(fields) + Csv::row({QStringLiteral("next")});
    QVERIFY(text.endsWith(QLatin1String("\r\n")));
    const Csv::Parsed parsed = Csv::parse(text);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.rows.size(), 2);
    QCOMPARE(parsed.rows[0].fields, fields);
    QCOMPARE(parsed.rows[1].fields, QStringList{QStringLiteral("next")});
    QCOMPARE(parsed.rows[1].line, nextLine);
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"

#include "storage/csv.h"

#include <QtTest>

namespace {

// Each row as "line:field|field", line being where the row starts.
QStringList shown(const QList<Csv::Row> &rows)
{
    QStringList out;
    for (const Csv::Row &row : rows)
        out << QStringLiteral("%1:%2").arg(row.line).arg(row.fields.join(u'|'));
    return out;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("errorLine"); // 0: no error; else rows stop before it
        // The set import reads each separator, encoding and line end once more,
        // with quoted separators and line breaks; their mixtures are tested here.
        QTest::newRow("CRLF, no final break") << "a,b\r\nc,d" << QStringList{"1:a|b", "2:c|d"} << 0;
        QTest::newRow("empty fields, spaces kept") << ",x, y \n" << QStringList{"1:|x| y "} << 0;
        QTest::newRow("quoted comma and doubled quote")
            << "\"a,b\",\"say \"\"hi\"\"\",\"\"\n" << QStringList{"1:a,b|say \"hi\"|"} << 0;
        QTest::newRow("quoted line breaks move later rows down") << "h\r\n\"one\r\ntwo\nthree\",x\r\nnext\r\n"
            << QStringList{"1:h", "2:one\r\ntwo\nthree|x", "5:next"} << 0;
        QTest::newRow("blank trailing lines dropped, a blank line inside is a row")
            << "a\r\n\r\nb\r\n\r\n  \r\n\t\n\n" << QStringList{"1:a", "2:", "3:b"} << 0;
        QTest::newRow("only blank lines") << "\r\n \r\n" << QStringList{} << 0;
        QTest::newRow("quote never closed, reported where it opened")
            << "a\nb\n\"open,\nmore\nstill\n" << QStringList{"1:a", "2:b"} << 3;
        QTest::newRow("text after closing quote") << "a\n\"x\"y,z\n" << QStringList{"1:a"} << 2;
        QTest::newRow("quote inside a bare field") << "a\nab\"c\n" << QStringList{"1:a"} << 2;
        // Only an apostrophe that hides a formula is the export's; a typed one stays.
        QTest::newRow("apostrophes") << "'=1,'TIS,''X\n" << QStringList{"1:=1|'TIS|'X"} << 0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        QFETCH(int, errorLine);
        const Csv::Parsed parsed = Csv::parse(text);
        QCOMPARE(parsed.errorLine, errorLine);
        QCOMPARE(parsed.error.isEmpty(), errorLine == 0);
        QCOMPARE(shown(parsed.rows), rows);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QChar>("separator"); // the one that splits "name" and "right"
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("errorLine"); // 0: decoded
        QTest::addColumn<QString>("words"); // in the error
        const int utf8 = int(Csv::Encoding::Utf8);
        const int bom = int(Csv::Encoding::Utf8WithBom);
        const QChar comma = u',';
        QTest::newRow("UTF-8, BOM dropped; semicolon, case and spaces ignored")
            << QByteArray("\xEF\xBB\xBF Name ;RIGHT\nx,y;z\n") << bom << QChar(u';')
            << QStringList{"1: Name |RIGHT", "2:x,y|z"} << 0 << "";
        // One byte that is not UTF-8 makes the whole file Windows-1252, the
        // valid-looking pair before it included.
        QTest::newRow("Windows-1252") << QByteArray("\xC3\x89\na\n\xA3" "5 \x80")
                                      << int(Csv::Encoding::Windows1252) << comma
                                      << QStringList{"1:\u00C3\u2030", "2:a", "3:\u00A35 \u20AC"} << 0 << "";
        QTest::newRow("names in another order") << QByteArray("right;name\nx;y\n") << utf8 << comma
                                                << QStringList{"1:right;name", "2:x;y"} << 0 << "";
        QTest::newRow("BOM, then not UTF-8 on line 3 of lone CRs")
            << QByteArray("\xEF\xBB\xBF" "a\r\xC3\xA9\r\xC9\r") << bom << comma << QStringList{} << 3
            << "not UTF-8 text, although the file starts with UTF-8's byte order mark";
        QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE\xAC\x20", 4) << utf8 << comma
                                              << QStringList{} << 1 << "the file is UTF-16";
        QTest::newRow("UTF-16 without a mark, NUL on line 2 after CRLF")
            << QByteArray("r\r\n\0o", 5) << utf8 << comma << QStringList{} << 2
            << "neither UTF-8 nor Windows-1252 (UTF-16 perhaps)";
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QChar, separator);
        QFETCH(QStringList, rows);
        QFETCH(int, errorLine);
        QFETCH(QString, words);
        const Csv::Table table = Csv::read(bytes, {QStringLiteral("name"), QStringLiteral("right")});
        QCOMPARE(table.errorLine, errorLine);
        QVERIFY2(words.isEmpty() ? table.error.isEmpty() : table.error.contains(words),
                 qPrintable(table.error));
        if (errorLine == 0)
            QCOMPARE(int(table.format.encoding), encoding);
        QCOMPARE(table.format.separator, separator);
        QCOMPARE(table.headerFound, rows.value(0).toLower().remove(u' ') == QLatin1String("1:name|right"));
        QCOMPARE(shown(table.rows), rows);
    }

    void writtenFieldsReadBack_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("written"); // the row as written, when it matters
        // Commas, semicolons and quotes in fields go round in the set import's
        // export test; what no stored text holds is tested here.
        QTest::newRow("line breaks") << QStringList{"ONE\nTWO", "THREE\r\nFOUR", "FIVE\rSIX"}
                                     << QChar(u',') << "";
        QTest::newRow("tab") << QStringList{"A\tB", "C, D; E", "\"F\""} << QChar(u'\t')
                             << "\"A\tB\"\tC, D; E\t\"\"\"F\"\"\"\r\n";
        // A spreadsheet shows these as text, never running them as formulas; an
        // apostrophe of the text's own goes round too.
        QTest::newRow("formulas behind an apostrophe")
            << QStringList{"=1+1", "+1", "-1", "@SUM(A1)", "'=KEPT", "'PLAIN", "A=B", "\"=Q\""} << QChar(u',')
            << "'=1+1,'+1,'-1,'@SUM(A1),''=KEPT,''PLAIN,A=B,\"\"\"=Q\"\"\"\r\n";
    }

    void writtenFieldsReadBack()
    {
        QFETCH(QStringList, fields);
        QFETCH(QChar, separator);
        QFETCH(QString, written);
        const QString row = Csv::row(fields, separator);
        if (!written.isEmpty())
            QCOMPARE(row, written);
        const Csv::Parsed parsed = Csv::parse(row + row, separator);
        QVERIFY2(parsed.error.isEmpty() && parsed.rows.size() == 2, qPrintable(parsed.error));
        QCOMPARE(parsed.rows[0].fields, fields);
        QCOMPARE(parsed.rows[1].fields, fields);
    }

    void shownInMessages_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("NUL, tab, line ends") << QString::fromUtf16(u"a\0b\t\r\n", 6) << "a\\0b\\t\\r\\n";
        QTest::newRow("zero width, no-break space, byte order mark")
            << QStringLiteral("\u200B\u00A0\uFEFF") << "[U+200B][U+00A0][U+FEFF]";
        QTest::newRow("40 characters kept") << QString(40, u'x') << QString(40, u'x');
        QTest::newRow("41 cut, an emoji counting as one") << "\U0001F600" + QString(40, u'x')
                                                          << "\U0001F600" + QString(39, u'x') + "\u2026";
    }

    void shownInMessages()
    {
        QFETCH(QString, value);
        QFETCH(QString, message);
        QCOMPARE(Csv::shown(value), message);
    }
};

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"

#include "manage/questionsearch.h"
#include "storage/cp1252.h"
#include "testprogram.h"

#include <QtTest>

// Finding a question by what it says: the folding rules and the index.
class TestQuestionSearch : public QObject
{
    Q_OBJECT

private slots:
    void findsIgnoringCaseAndAccents_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("records"); // records that match, of the set below
        QTest::newRow("plain word") << "paris" << QList<int>{2};
        QTest::newRow("accent typed, none stored") << QStringLiteral("caf\u00E9") << QList<int>{3, 4};
        QTest::newRow("no accent typed") << "CAFE" << QList<int>{3, 4};
        QTest::newRow("sharp s as ss") << "strasse" << QList<int>{4};
        QTest::newRow("an answer") << "lyon" << QList<int>{2};
        QTest::newRow("not across two answers") << "lyonnice" << QList<int>{};
        QTest::newRow("not in the padding") << "?  " << QList<int>{};
        QTest::newRow("a character no set holds") << QStringLiteral("\u03A9") << QList<int>{};
        QTest::newRow("micro sign is no question mark") << QStringLiteral("\u00B5") << QList<int>{4};
        // "CAT" fits "cut" by its first and last letters and is tried first, in
        // the same stretch of sixteen bytes as the "CUT" behind it.
        QTest::newRow("after a near miss in the same stretch") << "cut" << QList<int>{5};
    }

    void findsIgnoringCaseAndAccents()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, records);
        TestProgram program;
        const QuestionRecord paris{1, 2, "CAPITAL OF FRANCE?", "ANSWER A", "LYON", "NICE", "PARIS", "a"};
        const QString path = program.writeSet(
            QStringLiteral("s.dat"),
            {makeHeader("m", "c", "p"), paris, makeQuestion(2, 3, QStringLiteral("CAFE?")),
             makeQuestion(3, 4, QStringLiteral("CAF\u00C9 IN DER STRA\u00DFE, 5 \u00B5M?")),
             makeQuestion(4, 5, QStringLiteral("THE CAT CUT ITS TAIL, OR NOT?"))});
        QuestionSearch search;
        QVERIFY(search.build(path));
        const QList<bool> held = search.recordsHolding(QuestionSearch::fold(typed));
        QList<int> found;
        for (int record = 1; record < held.size(); ++record) {
            if (held[record])
                found << record;
        }
        QCOMPARE(found, records);
    }

    void ordersByFoldedLetters()
    {
        auto order = [](const char *a, const char *b) {
            return QuestionSearch::compare(Cp1252::encode(QString::fromUtf8(a)),
                                           Cp1252::encode(QString::fromUtf8(b)));
        };
        QCOMPARE(order("\xC3\x89LAN", "ECLAIR"), 1); // É sorts as E
        QCOMPARE(order("apple", "BANANA"), -1);
        QCOMPARE(order("SAME", "same"), 0);
        QCOMPARE(order("ZOO", "ZOOS"), -1);
    }
};

QTEST_GUILESS_MAIN(TestQuestionSearch)
#include "tst_questionsearch.moc"

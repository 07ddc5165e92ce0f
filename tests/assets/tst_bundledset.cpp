#include "storage/setcheck.h"
#include "storage/setfile.h"
#include "storage/setimport.h"

#include <QFile>
#include <QSet>
#include <QtTest>

#ifndef QUORVANE_BUNDLED_CSV
#define QUORVANE_BUNDLED_CSV ""
#endif

// The question set that ships with the program, as the build made it from
// its CSV: clean, playable, and written the way the program writes sets.
class TestBundledSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanUnderCheck();
    void everyRoundHasFiveQuestions_data();
    void everyRoundHasFiveQuestions();
    void builtFromTheCsv();
    void questionsAndAnswersAreDistinct();
    void rightAnswersAreSpreadOverTheLetters();

private:
    QString m_setPath;
    QList<QuestionRecord> m_csv; // the questions as the CSV gives them
    SetCheck::Report m_report;
};

void TestBundledSet::initTestCase()
{
    const QString build = qEnvironmentVariable("QUORVANE_BUILD_DIR");
    if (build.isEmpty())
        QSKIP("QUORVANE_BUILD_DIR is not set; run through ctest");
    m_setPath = build + QStringLiteral("/quorvane/Questions/General Knowledge.dat");
    QVERIFY2(QFileInfo::exists(m_setPath), qPrintable(m_setPath));

    QFile csv(QStringLiteral(QUORVANE_BUNDLED_CSV));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(csv.fileName()));
    const SetImport::Rows rows = SetImport::readCsv(csv.readAll());
    for (const SetImport::Problem &p : rows.problems)
        qWarning("line %d: %s", p.line, qPrintable(p.reason));
    QVERIFY(rows.ok());
    m_csv = rows.questions;
    m_report = SetCheck::check(m_setPath);
    QVERIFY2(m_report.readable(), qPrintable(m_report.error));
}

void TestBundledSet::cleanUnderCheck()
{
    for (const SetCheck::Finding &f : m_report.findings)
        qWarning("%s", qPrintable(f.text));
    QVERIFY(m_report.findings.isEmpty());
    QVERIFY(m_report.playable());
}

void TestBundledSet::everyRoundHasFiveQuestions_data()
{
    QTest::addColumn<int>("round");
    for (int round = 1; round <= 15; ++round)
        QTest::addRow("round %d", round) << round;
}

void TestBundledSet::everyRoundHasFiveQuestions()
{
    QFETCH(int, round);
    QVERIFY2(m_report.counts[size_t(round - 1)] >= 5,
             qPrintable(QString::number(m_report.counts[size_t(round - 1)])));
}

void TestBundledSet::builtFromTheCsv()
{
    QList<QuestionRecord> records;
    QString error;
    QVERIFY2(SetFile::scan(m_setPath,
                           [&](int, QByteArrayView raw) {
                               records << QuestionRecord::fromBytes(raw);
                               return true;
                           },
                           &error),
             qPrintable(error));
    // The header first, then the CSV's rows in order, numbered as the main
    // window numbers the questions it adds.
    QCOMPARE(records.size(), m_csv.size() + 1);
    const QuestionRecord &header = records.first();
    QVERIFY(header.isHeader());
    QCOMPARE(header.answer_a, QStringLiteral("Quorvane"));
    QCOMPARE(header.answer_b, QString()); // no password: newcomers may edit it
    QVERIFY(!header.question.isEmpty());
    QVERIFY(header.question.size() <= 150); // what the start screen lets a creator type
    for (int k = 0; k < m_csv.size(); ++k) {
        QuestionRecord expected = m_csv.at(k);
        expected.number = qint16(k + 2);
        QCOMPARE(records.at(k + 1), expected);
    }
}

void TestBundledSet::questionsAndAnswersAreDistinct()
{
    // Letter case and runs of spaces do not make two questions different.
    QSet<QString> seen;
    for (const QuestionRecord &q : std::as_const(m_csv)) {
        const QString key = q.question.simplified().toUpper();
        QVERIFY2(!seen.contains(key), qPrintable(q.question));
        seen.insert(key);
        const QSet<QString> answers = {q.answer_a, q.answer_b, q.answer_c, q.answer_d};
        QVERIFY2(answers.size() == 4, qPrintable(q.question));
    }
}

void TestBundledSet::rightAnswersAreSpreadOverTheLetters()
{
    // Each letter is right for between a sixth and a third of the questions,
    // and no round leans on one letter for more than three of its questions.
    QMap<QString, int> overall;
    QMap<int, QMap<QString, int>> perRound;
    for (const QuestionRecord &q : std::as_const(m_csv)) {
        ++overall[q.right_answer];
        ++perRound[q.round][q.right_answer];
    }
    for (const QString &letter : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                  QStringLiteral("d")}) {
        const int n = overall.value(letter);
        QVERIFY2(n * 6 >= m_csv.size() && n * 3 <= m_csv.size(),
                 qPrintable(QStringLiteral("%1: %2 of %3").arg(letter).arg(n).arg(m_csv.size())));
    }
    for (auto round = perRound.cbegin(); round != perRound.cend(); ++round) {
        for (auto letter = round->cbegin(); letter != round->cend(); ++letter)
            QVERIFY2(letter.value() <= 3,
                     qPrintable(QStringLiteral("round %1, %2").arg(round.key()).arg(letter.key())));
    }
}

QTEST_GUILESS_MAIN(TestBundledSet)
#include "tst_bundledset.moc"

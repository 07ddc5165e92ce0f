#include "storage/saferewrite.h"
#include "storage/setedits.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The set-file changes question management relies on.
class TestSetEdits : public QObject
{
    Q_OBJECT

private slots:
    void nextNumberIsFresh_data();
    void nextNumberIsFresh();
    void replaceWritesExactlyAndKeepsPermissions();
    void replaceIntoMissingFolderFails();
};

void TestSetEdits::nextNumberIsFresh_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("record_count");
    QTest::addColumn<int>("next");

    QTest::newRow("new set") << QList<int>{9999} << 1 << 2;
    QTest::newRow("no gaps") << QList<int>{9999, 2, 3, 4} << 4 << 5;
    QTest::newRow("after a deletion") << QList<int>{9999, 2, 4} << 3 << 5;
    QTest::newRow("count ahead of the numbers") << QList<int>{9999, 2} << 6 << 7;
    QTest::newRow("skips the header's number") << QList<int>{9999, 9998} << 2 << 10000;
    QTest::newRow("top of the range taken") << QList<int>{9999, 2, 32767} << 3 << 1;
    QTest::newRow("top taken, low ones too") << QList<int>{1, 9999, 32767} << 3 << 2;
}

void TestSetEdits::nextNumberIsFresh()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, record_count);
    QFETCH(int, next);
    TestProgram program;
    QList<QuestionRecord> records;
    for (int number : numbers)
        records << (number == 9999 ? makeHeader("Hi", "Ann", "")
                                   : makeQuestion(1, number, QStringLiteral("Q?")));
    const QString path = program.writeSet("set.dat", records);
    QCOMPARE(SetEdits::nextNumber(path, record_count), next);
}

void TestSetEdits::replaceWritesExactlyAndKeepsPermissions()
{
    TestProgram program;
    const QString path = program.writeSet("set.dat", {makeHeader("Hi", "Ann", "")});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const QByteArray bytes = makeQuestion(2, 2, "NEW?").toBytes();
    QString error;
    QVERIFY2(SafeRewrite::replace(path, bytes, &error), qPrintable(error));
    QCOMPARE(program.readFile(path), bytes);
    QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::WriteGroup),
             QFile::Permissions(QFile::ReadGroup));
    QCOMPARE(QDir(program.questionsDir()).entryList(QDir::Files), QStringList{"set.dat"});
}

void TestSetEdits::replaceIntoMissingFolderFails()
{
    TestProgram program;
    QString error;
    QVERIFY(!SafeRewrite::replace(program.dir() + "/missing/set.dat", "abc", &error));
    QVERIFY(error.contains(QStringLiteral("set.dat")));
    QVERIFY(!QDir(program.dir() + "/missing").exists());
}

QTEST_MAIN(TestSetEdits)
#include "tst_setedits.moc"

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
    void replaceWritesExactlyAndKeepsPermissions();
    void replaceIntoMissingFolderFails();
};

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

#include "appstate.h"

#include "storage/installlayout.h"
#include "storage/plainfile.h"
#include "storage/saferewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString questionsIn(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral("Questions"));
}

// Sets can only be kept where a new one can be made.
bool canKeepSets(const QString &dir)
{
    const QFileInfo questions(questionsIn(dir));
    return (questions.isDir() ? questions : QFileInfo(dir)).isWritable();
}

} // namespace

ProgramFolders ProgramFolders::forProgram(const QString &programFolder, const QString &userDataDir)
{
    ProgramFolders folders;
    folders.programDir = InstallLayout::dataDir(programFolder);
    if (folders.programDir != programFolder || !canKeepSets(programFolder)) {
        folders.userSetsDir = questionsIn(userDataDir);
        folders.bundledSetsDir = questionsIn(folders.programDir);
    }
    return folders;
}

QString ProgramFolders::questionsDir() const
{
    return userSetsDir.isEmpty() ? questionsIn(programDir) : userSetsDir;
}

QString ProgramFolders::musicDir() const
{
    return QDir(programDir).filePath(QStringLiteral("Music"));
}

QString ProgramFolders::setFileName(const QString &setName)
{
    if (setName.isEmpty() || setName == QLatin1String(".dat"))
        return QStringLiteral("untitled.dat");
    return setName;
}

QString ProgramFolders::setPathFor(const QString &setName) const
{
    const QString own = questionsDir() + QLatin1Char('/') + setFileName(setName);
    if (bundledSetsDir.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString bundled = bundledSetsDir + QLatin1Char('/') + setFileName(setName);
    return QFileInfo::exists(bundled) ? bundled : own;
}

QList<ProgramFolders::Listed> ProgramFolders::listedSets() const
{
    QList<Listed> sets;
    const QStringList own = QuestionSet::namesIn(questionsDir());
    for (const QString &name : own)
        sets.append({name, false});
    if (bundledSetsDir.isEmpty())
        return sets;
    for (const QString &name : QuestionSet::namesIn(bundledSetsDir)) {
        if (!own.contains(name))
            sets.append({name, true});
    }
    std::stable_sort(sets.begin(), sets.end(), [](const Listed &a, const Listed &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return sets;
}

bool ProgramFolders::isBundled(const QString &setPath) const
{
    return !bundledSetsDir.isEmpty() &&
           QFileInfo(setPath).absolutePath() == QFileInfo(bundledSetsDir).absoluteFilePath();
}

QString ProgramFolders::copyToUser(const QString &setPath, QString *error) const
{
    QFile bundled(setPath);
    QString why;
    if (!PlainFile::open(bundled, QIODevice::ReadOnly, false, &why)) {
        if (error)
            *error = why;
        return {};
    }
    const QByteArray bytes = bundled.readAll();
    if (bundled.error() != QFileDevice::NoError) {
        if (error)
            *error = bundled.errorString();
        return {};
    }
    bundled.close();
    const QString copy = questionsDir() + QLatin1Char('/') + QFileInfo(setPath).fileName();
    QDir().mkpath(questionsDir());
    return SafeRewrite::create(copy, bytes, error) ? copy : QString();
}

#include "appstate.h"

#include <QDir>

QString ProgramFolders::questionsDir() const
{
    return QDir(programDir).filePath(QStringLiteral("Questions"));
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
    return questionsDir() + QLatin1Char('/') + setFileName(setName);
}

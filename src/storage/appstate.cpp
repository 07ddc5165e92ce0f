#include "appstate.h"

#include <QDir>

QString AppState::questionsDir() const
{
    return QDir(program_dir).filePath(QStringLiteral("Questions"));
}

QString AppState::musicDir() const
{
    return QDir(program_dir).filePath(QStringLiteral("Music"));
}

QString AppState::setFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".dat"))
        return QStringLiteral("untitled.dat");
    return name;
}

QString AppState::setPathFor(const QString &name) const
{
    return questionsDir() + QLatin1Char('/') + setFileName(name);
}

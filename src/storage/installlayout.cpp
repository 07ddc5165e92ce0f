#include "installlayout.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where the package puts them, relative to the program's folder (set by the
// build from the package's install folders).
QString installedDir(const QString &programDir, const char *relative)
{
    return QDir::cleanPath(programDir + QLatin1Char('/') + QLatin1String(relative));
}

bool hasMusic(const QString &dir)
{
    return QFileInfo(QDir(dir).filePath(QStringLiteral("Music"))).isDir();
}

} // namespace

QString InstallLayout::dataDir(const QString &programDir)
{
    const QString installed = installedDir(programDir, QUORVANE_INSTALLED_DATA_DIR);
    return !hasMusic(programDir) && hasMusic(installed) ? installed : programDir;
}

QStringList InstallLayout::moduleDirs(const QString &programDir)
{
    return {programDir, installedDir(programDir, QUORVANE_INSTALLED_MODULE_DIR)};
}

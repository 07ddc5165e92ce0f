#pragma once

#include <QString>
#include <QStringList>

// Where the program's files lie. The portable folder holds everything beside
// the program; the Debian package puts the data and the sound module in the
// places a system's games keep them. Both are found from the program's own
// folder, so an unpacked package works wherever it lands.
namespace InstallLayout {

// The folder that holds Music/ and Questions/: the program's own folder when
// it has Music/, otherwise the package's data folder when that has it.
QString dataDir(const QString &programDir);

// The folders the sound module is looked for in, first the program's own.
QStringList moduleDirs(const QString &programDir);

} // namespace InstallLayout

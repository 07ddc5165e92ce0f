#pragma once

#include <QFile>
#include <QString>

// Question sets are plain files. A set name that is a symbolic link, a FIFO,
// a device or a folder is refused: writing through a link would change a file
// outside the Questions folder, and opening a FIFO would wait forever.
namespace PlainFile {

// Opens the file whose name file holds, creating a missing one when create is
// set, without following a link and without waiting on a FIFO. On failure
// why says, in words, what is wrong.
bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why);

// True when both names lead to one file (links followed), or would once it
// is made.
bool samePath(const QString &a, const QString &b);

} // namespace PlainFile

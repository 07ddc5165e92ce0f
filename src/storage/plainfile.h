#pragma once

#include <QFile>
#include <QString>

// Question sets are plain files. A set name that is a symbolic link, a FIFO,
// a device or a folder is refused: writing through a link would change a file
// outside the Questions folder, and opening a FIFO would wait forever.
namespace PlainFile {

// Opens the file whose name file holds, creating a missing one when create is
// set, without following a link and without waiting on a FIFO. On failure
// why says, in words, what is wrong, and code (when given) holds the system's
// error number, or 0 for a file that is there but no plain file.
bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why, int *code = nullptr);

// True for the error numbers that mean the file may be read but not written.
bool isWriteDenied(int code);

} // namespace PlainFile

#pragma once

#include <QFile>
#include <QString>

namespace SystemIo {
struct Status;
}

// Question sets are plain files. A set name that is a symbolic link, a FIFO,
// a device or a folder is refused: writing through a link would change a file
// outside the Questions folder, and opening a FIFO would wait forever.
namespace PlainFile {

// The handle of the file at path, opened for reading (and writing when write
// is set), creating a missing one when create is set, without following a
// link and without waiting on a FIFO; -1 on failure, when why says in words
// what is wrong and code (when given) holds the system's error number, or 0
// for a file that is there but no plain file.
int openHandle(const QString &path, bool write, bool create, QString *why, int *code = nullptr);
// The same without the look at what kind of file it is, for a caller that
// looks itself (isPlain()) once it holds the file.
int openAnyHandle(const QString &path, bool write, QString *why, int *code);
bool isPlain(const SystemIo::Status &status);
// What is said of a file that is no plain file.
QString notPlain();
// A plain file to read, such as a CSV to import: reached through links too
// (reading through one changes nothing), never waiting on a FIFO; -1 with why
// set otherwise.
int openToRead(const QString &path, QString *why);
// The same into file, whose name is the path; false with why set otherwise.
bool openToRead(QFile &file, QString *why);
// The same into file, whose name is the path.
bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why, int *code = nullptr);

// True for the error numbers that mean the file may be read but not written.
bool isWriteDenied(int code);

// Asks the system about the open file at handle for its identity, type,
// permissions and length only. Asking for its times as well would make the
// system stamp the next change to it finely, and every synced write after
// that would write the file's inode as well as its data.
bool status(int handle, SystemIo::Status &out);

// Why the file at path (links followed) cannot be read as a file, to follow
// its quoted name: "does not exist", "is not a file", or the system's own
// reason ("cannot be reached: Permission denied") so that a folder we may
// not enter is not taken for a missing file; empty for a plain file. code
// (when given) holds the system's error number, 0 for a file of another kind.
QString whyNoFile(const QString &path, int *code = nullptr);

// A name given as bytes (an argument, an entry of a folder) reaches Qt as
// UTF-8; one that is not valid UTF-8 comes through changed, and would name
// another file or none. True when it comes through as it is.
bool nameSurvives(const QByteArray &raw);
// How many files in folder whose names hold ".dat" (in any letter case)
// have names that are not valid UTF-8: Qt leaves them out of its listings.
int undecodableSetNames(const QString &folder);

// True when both names lead to one file (links followed), or would once it
// is made.
bool samePath(const QString &a, const QString &b);

} // namespace PlainFile

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

// Every call the file layer makes to the operating system, and nothing else:
// opening without following links or waiting on FIFOs, locks, syncs, renames
// that swap or never replace, temporaries, owners and permissions, what the
// system says of a file. The rest of storage asks these and never the system
// itself, so a port to another system replaces systemio.cpp alone (see
// docs/porting.md). Failures leave the reason in errno.
//
// Syncs, locks and renames are noted in IoFaults' journal while a test's Plan
// is alive, from here where they are made, so a test sees a call left out.
namespace SystemIo {

// An open file or folder: a descriptor.
using Handle = int;

// What the system says of a file.
struct Status
{
    enum class Kind { Plain, Folder, Link, Other };
    Kind kind = Kind::Other;
    unsigned permissions = 0; // the 07777 bits
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0; // seconds since 1970; asked for only where said
};

// The file at path opened for reading (and writing when write is set),
// made when create is set and it is missing; a link is refused (errno
// ELOOP) and a FIFO opens without waiting. -1 on failure.
Handle openNoFollow(const QString &path, bool write, bool create);
// The file at path, through links, for reading only, never waiting on a FIFO.
Handle openToRead(const QString &path);
// The entry name of the folder open at folder, as openNoFollow() reads it.
Handle openIn(Handle folder, const char *name);
// Makes a new empty file at path (never taking one that exists, never
// following a link) and removes it again: true when it could be made; a file
// there already counts as made.
bool canCreate(const QString &path);
// A hidden temporary at pathTemplate, whose last six X are replaced by its
// own letters; open for writing.
Handle makeTemporary(QByteArray &pathTemplate);
Handle duplicate(Handle handle);
// False (errno set) when the system reports a failure on closing.
bool close(Handle handle);
// Closes an open handle and marks it closed (-1); keeps errno.
void closeIfOpen(Handle &handle);

// One try for the exclusive lock on the open file: held, kept by another
// holder, or refused by the system (errno set).
enum class Lock { Held, Busy, Failed };
Lock tryLock(Handle handle, const QString &path);

// The new file open at handle takes the owner, group and permissions of the
// plain file at path (as far as the system allows), or a new file's usual
// permissions when there is none.
void takeOwnerAndPermissions(Handle handle, const QString &path);

// All of bytes at the current place; false on a failure.
bool write(Handle handle, QByteArrayView bytes);
// One positioned read or write of n bytes at offset at: how many were done,
// -1 on failure.
qint64 readAt(Handle handle, char *into, qint64 n, qint64 at);
qint64 writeAt(Handle handle, QByteArrayView bytes, qint64 at);

// To disk: the whole file (data and everything about it), only its data
// (and its length), or the folder holding path (so a name just given holds).
bool syncFile(Handle handle, const QString &path);
bool syncData(Handle handle, const QString &path);
bool syncFolderOf(const QString &path);

// from takes the name to: only when nothing has it (errno EEXIST otherwise);
// over whatever file has it; swapped with the file that has it, both names
// staying (false on a file system that cannot swap names).
bool renameNew(const QByteArray &from, const QByteArray &to);
bool renameOver(const QByteArray &from, const QByteArray &to);
bool exchange(const QByteArray &from, const QByteArray &to);
bool remove(const QByteArray &path);
bool removeIn(Handle folder, const char *name);

// Of the open file: kind, permissions, identity, length (never its times,
// see PlainFile::status); with modified when times is set.
bool status(Handle handle, Status &out, bool times = false);
// Of the file path names itself (a link is reported as a link) or, with
// follow, of the one it leads to.
bool statusAt(const QString &path, Status &out, bool follow = false);
bool statusIn(Handle folder, const char *name, Status &out, bool follow);

// Calls each(folder, name) for every entry of the folder at path; false when
// it cannot be listed.
bool forEachEntry(const QString &folder,
                  const std::function<void(Handle, const char *)> &each);

// True for the error numbers that mean the file may be read but not written.
bool isWriteDenied(int code);
// True for the error number of a name that is a link where none is followed.
bool isLinkRefused(int code);
// True for the error number of a missing file.
bool isMissing(int code);

} // namespace SystemIo

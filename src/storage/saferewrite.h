#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// Replaces a whole file without ever leaving it half written: the new bytes go
// to a temporary file in the same folder, are flushed to disk, and the
// temporary then takes the file's name in one atomic rename. A crash at any
// moment leaves either the old file or the new one.
//
// Only a plain file is ever replaced: a name held by a folder, a link, a FIFO
// or a device is refused and left exactly as it is.
namespace SafeRewrite {

// The bytes a file's name may take at most: its copies' names add 17 to it
// (".name.quorvane-XXXXXX"), and a file system takes 255 for a name.
constexpr int LONGEST_NAME = 255 - 17;

// On failure the file at path is untouched, no temporary is left behind and
// error (when given) says what went wrong.
bool replace(const QString &path, QByteArrayView bytes, QString *error = nullptr);
// The same for a file that must not exist yet: one that appears meanwhile is
// left as it is, and the error says it exists.
bool create(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// Bytes that lie wholly inside the file at path, open for writing in handle,
// overwritten at offset at in one write and synced before success is told; a
// sync that fails puts the old bytes back. A caller that has just read them
// under a lock may hand them in as old.
bool overwrite(int handle, const QString &path, qint64 at, QByteArrayView bytes,
               QString *error = nullptr, QByteArrayView old = {});

// The file at path, open unbuffered in file, with bytes put at offset at,
// over what stood there or behind its end (the gap filled with zero bytes);
// everything else stays. Bytes wholly inside the file are overwritten as
// overwrite() does; anything that grows the file is copied with the change
// and renamed over the file's name, as replace() does.
bool patch(QFile &file, const QString &path, qint64 at, QByteArrayView bytes,
           QString *error = nullptr);

// One new copy of a file on its way in: a hidden temporary beside the file
// (".name.quorvane-XXXXXX", so no file list shows it), synced to disk and then
// renamed over the file's own name; the folder is synced last, so the new
// name survives a power cut. The copy is locked (flock) from the moment it is
// made until it has taken the name or gone, so sweep() never takes it for a
// leftover. Every step asks IoFaults first, so a test can fail any of them.
// Dropped without commit(), the copy vanishes and the file stays as it was.
class NewCopy
{
public:
    // With exclusive set, the copy never takes the place of a file that has
    // the name by then.
    explicit NewCopy(const QString &path, bool exclusive = false);
    ~NewCopy();
    NewCopy(const NewCopy &) = delete;
    NewCopy &operator=(const NewCopy &) = delete;

    // Refuses a name that something other than a plain file holds. Leftovers
    // of killed writers in the folder are swept first.
    bool open();
    bool write(QByteArrayView bytes);
    // Syncs and closes the copy, renames it over the file, syncs the folder.
    // Where the file system can swap two names, a folder that cannot be
    // synced gets the old file back, so a failure is a change not made.
    bool commit();
    // Why the last step failed.
    QString errorString() const { return m_error; }
    // True when it failed because no plain file has the name.
    bool refused() const { return m_refused; }

private:
    bool fail(const QString &why);
    bool failWithErrno();

    QString m_path;
    bool m_exclusive = false;
    QByteArray m_temp; // the temporary's path, once made
    int m_fd = -1;
    int m_hold = -1;    // keeps the copy locked once m_fd is closed
    int m_oldHold = -1; // the file replaced, locked while it may bear the copy's name
    bool m_refused = false;
    QString m_error;
};

// Syncs the folder that holds path, so a name just given survives a power
// cut; false (with errno set) when it cannot.
bool syncFolderOf(const QString &path);

// The prefix of the temporary copies made for the file at path.
QString temporaryPrefix(const QString &path);

// Removes from folder the copies (".*.quorvane-XXXXXX", plain files) that no
// writer holds locked any more: what a killed writer left. A copy being
// written, and every other file, stays.
void sweep(const QString &folder);

} // namespace SafeRewrite

#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a whole file without ever leaving it half written: the new bytes go
// to a temporary file in the same folder, are flushed to disk, and the
// temporary then takes the file's name in one atomic rename. A crash at any
// moment leaves either the old file or the new one.
namespace SafeRewrite {

// On failure the file at path is untouched, no temporary is left behind and
// error (when given) says what went wrong.
bool replace(const QString &path, QByteArrayView bytes, QString *error = nullptr);

// The file with bytes put at offset at, over what stood there or behind its
// end (the gap filled with zero bytes); everything else stays. A missing file
// counts as empty. Bytes wholly inside the file are overwritten in place with
// one write, so the file holds either the old or the new bytes;
// anything that grows the file is replaced as replace() does.
bool patch(const QString &path, qint64 at, QByteArrayView bytes, QString *error = nullptr);

// One new copy of a file on its way in: a hidden temporary beside the file
// (".name.XXXXXX", so no file list shows it), synced to disk and then
// renamed over the file's own name, which replaces a symbolic link rather
// than writing through it; the folder is synced last, so the new name
// survives a power cut. Every step asks IoFaults first, so a test can fail
// any of them. Dropped without commit(), the copy vanishes and the file stays
// as it was.
class NewCopy
{
public:
    explicit NewCopy(const QString &path);
    ~NewCopy();
    NewCopy(const NewCopy &) = delete;
    NewCopy &operator=(const NewCopy &) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    // Syncs and closes the copy, renames it over the file, syncs the folder.
    bool commit();
    // Why the last step failed.
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);
    bool failWithErrno();

    QString m_path;
    QByteArray m_temp; // the temporary's path, once made
    int m_fd = -1;
    QString m_error;
};

// Syncs the folder that holds path, so a name just given survives a power
// cut; false (with errno set) when it cannot.
bool syncFolderOf(const QString &path);

// The prefix of the temporary copies made for the file at path.
QString temporaryPrefix(const QString &path);

} // namespace SafeRewrite

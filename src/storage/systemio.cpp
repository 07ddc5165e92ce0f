#include "systemio.h"

#include "iofaults.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

#include <cerrno>
#include <cstdio> // renameat2
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace SystemIo {

namespace {

QByteArray systemName(const QString &path)
{
    return QFile::encodeName(path);
}

// O_NONBLOCK only keeps an open from waiting on a FIFO; on a plain file it
// changes nothing, so it may stay.
constexpr int kNoFollow = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

Status::Kind kindOf(unsigned mode)
{
    if (S_ISREG(mode))
        return Status::Kind::Plain;
    if (S_ISDIR(mode))
        return Status::Kind::Folder;
    if (S_ISLNK(mode))
        return Status::Kind::Link;
    return Status::Kind::Other;
}

void copyStatus(const struct statx &st, Status &out)
{
    out.kind = kindOf(st.stx_mode);
    out.permissions = st.stx_mode & 07777;
    out.device = makedev(st.stx_dev_major, st.stx_dev_minor);
    out.inode = st.stx_ino;
    out.size = qint64(st.stx_size);
    out.modified = st.stx_mtime.tv_sec;
}

// Asks for the type, permissions, identity and length only: asking for a
// file's times as well makes the system stamp the next change to it finely,
// and every synced write after that would write its inode too.
bool statusOf(int folder, const char *name, int flags, Status &out, bool times)
{
    struct statx st;
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE | (times ? STATX_MTIME : 0);
    if (::statx(folder, name, flags, mask, &st) != 0)
        return false;
    copyStatus(st, out);
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

Handle openNoFollow(const QString &path, bool write, bool create)
{
    const int flags = (write ? O_RDWR : O_RDONLY) | (create ? O_CREAT : 0) | kNoFollow;
    return ::open(systemName(path).constData(), flags, 0666);
}

Handle openToRead(const QString &path)
{
    return ::open(systemName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

Handle openIn(Handle folder, const char *name)
{
    return ::openat(folder, name, O_RDONLY | kNoFollow);
}

bool canCreate(const QString &path)
{
    // Made exclusively, so that a file another program makes meanwhile is
    // never the one removed.
    const QByteArray name = systemName(path);
    const int fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC,
                          0666);
    if (fd < 0)
        return errno == EEXIST;
    ::close(fd);
    ::unlink(name.constData());
    return true;
}

Handle makeTemporary(QByteArray &pathTemplate)
{
    return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

Handle duplicate(Handle handle)
{
    return ::dup(handle);
}

bool close(Handle handle)
{
    return ::close(handle) == 0;
}

void closeIfOpen(Handle &handle)
{
    if (handle >= 0) {
        const int saved = errno;
        ::close(std::exchange(handle, -1));
        errno = saved;
    }
}

Lock tryLock(Handle handle, const QString &path)
{
    IoFaults::note(IoFaults::Call::Lock, path);
    if (::flock(handle, LOCK_EX | LOCK_NB) == 0)
        return Lock::Held;
    return errno == EWOULDBLOCK || errno == EINTR ? Lock::Busy : Lock::Failed;
}

void takeOwnerAndPermissions(Handle handle, const QString &path)
{
    // Only root may give a file away; anyone else keeps at least the group
    // when they belong to it.
    struct stat old;
    if (::stat(systemName(path).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        [[maybe_unused]] const bool kept = ::fchown(handle, old.st_uid, old.st_gid) == 0
                                           || ::fchown(handle, uid_t(-1), old.st_gid) == 0;
        ::fchmod(handle, old.st_mode & 07777);
    } else {
        ::fchmod(handle, 0666 & ~currentUmask());
    }
}

bool write(Handle handle, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t done = ::write(handle, bytes.data(), size_t(bytes.size()));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes = bytes.sliced(done);
    }
    return true;
}

qint64 readAt(Handle handle, char *into, qint64 n, qint64 at)
{
    return ::pread(handle, into, size_t(n), at);
}

qint64 writeAt(Handle handle, QByteArrayView bytes, qint64 at)
{
    return ::pwrite(handle, bytes.data(), size_t(bytes.size()), at);
}

bool syncFile(Handle handle, const QString &path)
{
    IoFaults::note(IoFaults::Call::Sync, path);
    return ::fsync(handle) == 0;
}

bool syncData(Handle handle, const QString &path)
{
    IoFaults::note(IoFaults::Call::SyncData, path);
    return ::fdatasync(handle) == 0;
}

bool syncFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).path();
    IoFaults::note(IoFaults::Call::SyncFolder, folder);
    const int dir = ::open(systemName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    const bool synced = ::fsync(dir) == 0;
    const int saved = errno;
    ::close(dir);
    errno = saved;
    return synced;
}

bool renameNew(const QByteArray &from, const QByteArray &to)
{
    IoFaults::note(IoFaults::Call::RenameNew, from, to);
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0;
}

bool renameOver(const QByteArray &from, const QByteArray &to)
{
    IoFaults::note(IoFaults::Call::Rename, from, to);
    return ::rename(from.constData(), to.constData()) == 0;
}

bool exchange(const QByteArray &from, const QByteArray &to)
{
    IoFaults::note(IoFaults::Call::Exchange, from, to);
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0;
}

bool remove(const QByteArray &path)
{
    return ::unlink(path.constData()) == 0;
}

bool removeIn(Handle folder, const char *name)
{
    return ::unlinkat(folder, name, 0) == 0;
}

bool status(Handle handle, Status &out, bool times)
{
    return statusOf(handle, "", AT_EMPTY_PATH, out, times);
}

bool statusAt(const QString &path, Status &out, bool follow)
{
    return statusOf(AT_FDCWD, systemName(path).constData(), follow ? 0 : AT_SYMLINK_NOFOLLOW, out,
                    false);
}

bool statusIn(Handle folder, const char *name, Status &out, bool follow)
{
    return statusOf(folder, name, follow ? 0 : AT_SYMLINK_NOFOLLOW, out, false);
}

bool forEachEntry(const QString &folder, const std::function<void(Handle, const char *)> &each)
{
    DIR *entries = ::opendir(systemName(folder).constData());
    if (!entries)
        return false;
    while (const dirent *entry = ::readdir(entries))
        each(::dirfd(entries), entry->d_name);
    ::closedir(entries);
    return true;
}

bool isWriteDenied(int code)
{
    return code == EACCES || code == EROFS || code == EPERM;
}

bool isLinkRefused(int code)
{
    return code == ELOOP;
}

bool isMissing(int code)
{
    return code == ENOENT;
}

} // namespace SystemIo

#include "saferewrite.h"

#include "iofaults.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include <cerrno>
#include <cstdio> // renameat2
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>


namespace SafeRewrite {

namespace {

const QString kInjected = QStringLiteral("injected fault");
constexpr qint64 kCopyChunk = 1 << 20;
// Behind a copy's name: the mark, then the six letters or digits mkostemp
// picks. Named for the program, so that a hidden file of the user's own such
// as ".quiz.dat.backup" is never taken for one of its copies.
constexpr QByteArrayView kMark = ".quorvane-";
constexpr qsizetype kRandom = 6;
static_assert(LONGEST_NAME == 255 - 1 - kMark.size() - kRandom);
// An empty copy this young may be one whose writer has made it and is about
// to lock it.
constexpr time_t kJustMade = 60;

QString described(const QString &what, const QString &path, const QString &why)
{
    return QStringLiteral("%1 \"%2\": %3").arg(what, QFileInfo(path).fileName(), why);
}

bool copyFrom(QFile &from, qint64 bytes, NewCopy &to, QString &why)
{
    while (bytes > 0) {
        const QByteArray chunk = from.read(std::min(bytes, kCopyChunk));
        if (chunk.isEmpty()) {
            why = from.error() == QFileDevice::NoError
                      ? QStringLiteral("the file got shorter while it was being read")
                      : from.errorString();
            return false;
        }
        if (!to.write(chunk)) {
            why = to.errorString();
            return false;
        }
        bytes -= chunk.size();
    }
    return true;
}

// The old file's bytes with the patch in place, into the copy.
bool writePatched(QFile &old, qint64 size, qint64 at, QByteArrayView bytes, NewCopy &copy,
                  QString &why)
{
    if (!copyFrom(old, std::min(at, size), copy, why))
        return false;
    if ((at > size && !copy.write(QByteArray(at - size, '\0'))) || !copy.write(bytes)) {
        why = copy.errorString();
        return false;
    }
    const qint64 behind = at + bytes.size();
    if (size <= behind)
        return true;
    if (!old.seek(behind)) {
        why = old.errorString();
        return false;
    }
    return copyFrom(old, size - behind, copy, why);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

void closeIfOpen(int &fd)
{
    if (fd >= 0)
        ::close(std::exchange(fd, -1));
}

// Why the name cannot be replaced: something other than a plain file has it.
QString targetProblem(const QByteArray &path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder, not a plain file");
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a link, not a plain file");
    return QStringLiteral("it is not a plain file");
}

// ".name.quorvane-" and six letters or digits.
bool isCopyName(QByteArrayView name)
{
    const qsizetype fixed = 1 + kMark.size() + kRandom;
    if (name.size() <= fixed || !name.startsWith('.')
        || !name.chopped(kRandom).endsWith(kMark))
        return false;
    return std::all_of(name.end() - kRandom, name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// A copy nobody holds any more goes: its writer is gone, since every writer
// locks its copy as soon as it is made and until it has taken the file's name.
void removeIfAbandoned(int folder, const char *name)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held;
    struct stat named;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode)
        && !(held.st_size == 0 && held.st_mtim.tv_sec > ::time(nullptr) - kJustMade)
        && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0
        && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
        ::unlinkat(folder, name, 0);
    ::close(fd);
}

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t done = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes = bytes.sliced(done);
    }
    return true;
}

} // namespace

bool syncFolderOf(const QString &path)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    const bool synced = ::fsync(dir) == 0;
    const int saved = errno;
    ::close(dir);
    errno = saved;
    return synced;
}

NewCopy::NewCopy(const QString &path, bool exclusive)
    : m_path(path)
    , m_exclusive(exclusive)
{
}

NewCopy::~NewCopy()
{
    closeIfOpen(m_fd);
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
    // Let go only once the copy's name is gone.
    closeIfOpen(m_hold);
    closeIfOpen(m_oldHold);
}

QString temporaryPrefix(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + QStringLiteral("/.") + info.fileName() + QString::fromLatin1(kMark);
}

void sweep(const QString &folder)
{
    DIR *entries = ::opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        if (isCopyName(entry->d_name))
            removeIfAbandoned(::dirfd(entries), entry->d_name);
    }
    ::closedir(entries);
}

bool NewCopy::open()
{
    if (const QString why = targetProblem(QFile::encodeName(m_path)); !why.isEmpty()) {
        m_refused = true;
        return fail(why);
    }
    if (IoFaults::fails(IoFaults::Op::Create))
        return fail(kInjected);
    sweep(QFileInfo(m_path).path());
    QByteArray name = QFile::encodeName(temporaryPrefix(m_path)) + QByteArray(kRandom, 'X');
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0)
        return failWithErrno();
    m_temp = name;
    // Where the system has no such locks, no copy is ever swept.
    ::flock(m_fd, LOCK_EX | LOCK_NB);
    // The copy takes the owner, group and permissions of the file it replaces,
    // so a set in a shared folder stays its owner's. Only root may give a file
    // away; anyone else keeps at least the group when they belong to it.
    struct stat old;
    if (::stat(QFile::encodeName(m_path).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        [[maybe_unused]] const bool kept = ::fchown(m_fd, old.st_uid, old.st_gid) == 0
                                           || ::fchown(m_fd, uid_t(-1), old.st_gid) == 0;
        ::fchmod(m_fd, old.st_mode & 07777);
    } else {
        ::fchmod(m_fd, 0666 & ~currentUmask());
    }
    return true;
}

bool NewCopy::write(QByteArrayView bytes)
{
    if (IoFaults::fails(IoFaults::Op::Write)) {
        // A full disk takes part of the data before it refuses the rest.
        writeAll(m_fd, bytes.first(bytes.size() / 2));
        return fail(kInjected);
    }
    return writeAll(m_fd, bytes) || failWithErrno();
}

bool NewCopy::commit()
{
    if (IoFaults::fails(IoFaults::Op::Flush))
        return fail(kInjected);
    if (::fsync(m_fd) != 0)
        return failWithErrno();
    if (IoFaults::fails(IoFaults::Op::Close))
        return fail(kInjected);
    // The lock stays with the copy through this second handle.
    m_hold = ::dup(m_fd);
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        return failWithErrno();
    if (IoFaults::fails(IoFaults::Op::Rename))
        return fail(kInjected);
    // Swapped rather than renamed over, where the file system can: the old
    // file keeps the temporary's name until the new name is synced, so a
    // folder that cannot be synced gets it back and the change is reported
    // as not made. The destructor then removes whichever is left over; till
    // then the old file is held too, so no sweep takes it meanwhile. A new
    // file only ever takes a name nobody has.
    const QByteArray path = QFile::encodeName(m_path);
    const char *temp = m_temp.constData();
    bool swapped = false;
    if (m_exclusive) {
        if (::renameat2(AT_FDCWD, temp, AT_FDCWD, path.constData(), RENAME_NOREPLACE) != 0)
            return failWithErrno();
    } else {
        m_oldHold = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (m_oldHold >= 0)
            ::flock(m_oldHold, LOCK_EX | LOCK_NB);
        swapped = ::renameat2(AT_FDCWD, temp, AT_FDCWD, path.constData(), RENAME_EXCHANGE) == 0;
        if (!swapped && ::rename(temp, path.constData()) != 0)
            return failWithErrno();
        // A folder (or anything else) may have taken the name since open().
        if (const QString why = swapped ? targetProblem(m_temp) : QString(); !why.isEmpty()) {
            ::renameat2(AT_FDCWD, temp, AT_FDCWD, path.constData(), RENAME_EXCHANGE);
            m_refused = true;
            return fail(why);
        }
    }
    if (!swapped)
        m_temp.clear();
    // Only a synced folder keeps the new name after a power cut.
    QString why = kInjected;
    if (!IoFaults::fails(IoFaults::Op::Flush)) {
        if (syncFolderOf(m_path))
            return true;
        why = qt_error_string(errno);
    }
    if (swapped)
        ::renameat2(AT_FDCWD, m_temp.constData(), AT_FDCWD, path.constData(), RENAME_EXCHANGE);
    else if (m_exclusive)
        ::unlink(path.constData()); // the file was new: without it all is as before
    return fail(why);
}

bool NewCopy::failWithErrno()
{
    return fail(qt_error_string(errno));
}

bool NewCopy::fail(const QString &why)
{
    m_error = why;
    return false;
}

namespace {

bool writeNew(const QString &path, QByteArrayView bytes, QString *error, bool exclusive)
{
    NewCopy copy(path, exclusive);
    QString what;
    if (!copy.open())
        what = copy.refused() ? QStringLiteral("Could not write")
                              : QStringLiteral("Could not create a new copy of");
    else if (!copy.write(bytes))
        what = QStringLiteral("Could not write the new copy of");
    else if (!copy.commit())
        what = copy.refused() ? QStringLiteral("Could not write") : QStringLiteral("Could not replace");
    else
        return true;
    if (error)
        *error = described(what, path, copy.errorString());
    return false;
}

} // namespace

bool replace(const QString &path, QByteArrayView bytes, QString *error)
{
    return writeNew(path, bytes, error, false);
}

bool create(const QString &path, QByteArrayView bytes, QString *error)
{
    return writeNew(path, bytes, error, true);
}

// One positioned write: a single write of a record either happens or it does
// not, and copying a large set to change one record would make every edit slow.
bool overwrite(int handle, const QString &path, qint64 at, QByteArrayView bytes, QString *error,
               QByteArrayView old)
{
    auto failed = [&](const QString &what, const QString &why) {
        if (error)
            *error = described(what, path, why);
        return false;
    };
    // Positioned reads and writes on the handle: one call each.
    QByteArray read;
    if (old.size() != bytes.size()) {
        read.resize(bytes.size());
        if (::pread(handle, read.data(), size_t(read.size()), at) != read.size())
            return failed(QStringLiteral("Could not read"), qt_error_string(errno));
        old = read;
    }
    auto put = [&](QByteArrayView what) {
        return ::pwrite(handle, what.data(), size_t(what.size()), at) == what.size();
    };
    if (IoFaults::fails(IoFaults::Op::Write))
        return failed(QStringLiteral("Could not write to"), kInjected);
    if (!put(bytes))
        return failed(QStringLiteral("Could not write to"), qt_error_string(errno));
    // The write is handed to the system in one piece, so the program dying
    // cannot leave half a record, and synced before success is reported, so
    // a power cut cannot take back a change the user was told is saved. A
    // sync that fails takes the change back: a failure reported is a change
    // not made.
    QString why;
    if (IoFaults::fails(IoFaults::Op::Flush))
        why = kInjected;
    else if (::fdatasync(handle) != 0)
        why = qt_error_string(errno);
    if (!why.isEmpty()) {
        put(old);
        return failed(QStringLiteral("Could not save"), why);
    }
    return true;
}

bool patch(QFile &old, const QString &path, qint64 at, QByteArrayView bytes, QString *error)
{
    auto failed = [&](const QString &what, const QString &why) {
        if (error)
            *error = described(what, path, why);
        return false;
    };
    const qint64 size = old.size();
    if (at >= 0 && at + bytes.size() <= size)
        return overwrite(old.handle(), path, at, bytes, error);
    NewCopy copy(path);
    QString why;
    if (!copy.open())
        return failed(QStringLiteral("Could not create a new copy of"), copy.errorString());
    if (!old.seek(0) || !writePatched(old, size, at, bytes, copy, why))
        return failed(QStringLiteral("Could not write the new copy of"), why);
    if (!copy.commit())
        return failed(QStringLiteral("Could not replace"), copy.errorString());
    return true;
}

} // namespace SafeRewrite

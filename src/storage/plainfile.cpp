#include "plainfile.h"

#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

namespace {

int openFlagged(const QString &path, int flags, QString *why, int *code)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0) {
        if (code)
            *code = errno;
        *why = errno == ELOOP ? QStringLiteral("it is a link to another file, and only plain "
                                               "files are used as question sets")
                              : qt_error_string(errno);
    }
    // O_NONBLOCK only kept the open from waiting on a FIFO; on a plain file
    // it changes nothing, so it may stay.
    return fd;
}

} // namespace

int openAnyHandle(const QString &path, bool write, QString *why, int *code)
{
    return openFlagged(path, write ? O_RDWR : O_RDONLY, why, code);
}

int openHandle(const QString &path, bool write, bool create, QString *why, int *code)
{
    const int fd = openFlagged(path, (write ? O_RDWR : O_RDONLY) | (create ? O_CREAT : 0), why, code);
    struct statx st;
    if (fd >= 0 && (!status(fd, st) || !isPlain(st))) {
        ::close(fd);
        if (code)
            *code = 0;
        *why = notPlain();
        return -1;
    }
    return fd;
}

int openToRead(const QString &path, QString *why)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *why = qt_error_string(errno);
        return -1;
    }
    struct statx st;
    if (!status(fd, st) || !isPlain(st)) {
        ::close(fd);
        *why = notPlain();
        return -1;
    }
    return fd;
}

bool isPlain(const struct statx &status)
{
    return S_ISREG(status.stx_mode);
}

QString notPlain()
{
    return QStringLiteral("it is not a plain file");
}

bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why, int *code)
{
    const int fd = openHandle(file.fileName(), mode & QIODevice::WriteOnly, create, why, code);
    if (fd < 0)
        return false;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (code)
            *code = EIO;
        *why = file.errorString();
        return false;
    }
    return true;
}

bool samePath(const QString &a, const QString &b)
{
    const QFileInfo x(a);
    const QFileInfo y(b);
    if (x.exists() && y.exists())
        return x.canonicalFilePath() == y.canonicalFilePath();
    return x.absoluteFilePath() == y.absoluteFilePath();
}

QString whyNoFile(const QString &path, int *code)
{
    struct stat info;
    const int failed = ::stat(QFile::encodeName(path).constData(), &info) != 0 ? errno : 0;
    if (code)
        *code = failed;
    if (failed == ENOENT)
        return QStringLiteral("does not exist");
    if (failed)
        return QStringLiteral("cannot be reached: %1").arg(qt_error_string(failed));
    return S_ISREG(info.st_mode) ? QString() : QStringLiteral("is not a file");
}

bool nameSurvives(const QByteArray &raw)
{
    return QFile::encodeName(QFile::decodeName(raw)) == raw;
}

int undecodableSetNames(const QString &folder)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        struct stat info;
        if (!nameSurvives(raw) && raw.toLower().contains(".dat")
            && ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
            ++count;
    }
    ::closedir(dir);
    return count;
}

bool isWriteDenied(int code)
{
    return code == EACCES || code == EROFS || code == EPERM;
}

bool status(int handle, struct statx &out)
{
    return ::statx(handle, "", AT_EMPTY_PATH, STATX_TYPE | STATX_MODE | STATX_INO | STATX_SIZE,
                   &out)
           == 0;
}

} // namespace PlainFile

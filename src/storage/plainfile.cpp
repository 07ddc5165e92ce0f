#include "plainfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

int openHandle(const QString &path, bool write, bool create, QString *why, int *code)
{
    int ignored = 0;
    int &failure = code ? *code : ignored;
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (write ? O_RDWR : O_RDONLY);
    if (create)
        flags |= O_CREAT;
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        failure = errno;
        *why = errno == ELOOP ? QStringLiteral("it is a link to another file, and only plain "
                                               "files are used as question sets")
                              : qt_error_string(errno);
        return -1;
    }
    struct statx st;
    if (!status(fd, st) || !S_ISREG(st.stx_mode)) {
        ::close(fd);
        failure = 0;
        *why = QStringLiteral("it is not a plain file");
        return -1;
    }
    // O_NONBLOCK only kept the open from waiting on a FIFO; on a plain file
    // it changes nothing, so it may stay.
    return fd;
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

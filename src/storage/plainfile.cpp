#include "plainfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why, int *code)
{
    int ignored = 0;
    int &failure = code ? *code : ignored;
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    flags |= (mode & QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    if (create)
        flags |= O_CREAT;
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), flags, 0666);
    if (fd < 0) {
        failure = errno;
        *why = errno == ELOOP ? QStringLiteral("it is a link to another file, and only plain "
                                               "files are used as question sets")
                              : qt_error_string(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        failure = 0;
        *why = QStringLiteral("it is not a plain file");
        return false;
    }
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        failure = EIO;
        *why = file.errorString();
        return false;
    }
    return true;
}

bool isWriteDenied(int code)
{
    return code == EACCES || code == EROFS || code == EPERM;
}

} // namespace PlainFile

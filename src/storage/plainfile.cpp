#include "plainfile.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why)
{
    int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    flags |= (mode & QIODevice::WriteOnly) ? O_RDWR : O_RDONLY;
    if (create)
        flags |= O_CREAT;
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), flags, 0666);
    if (fd < 0) {
        *why = errno == ELOOP ? QStringLiteral("it is a link to another file, and only plain "
                                               "files are used as question sets")
                              : qt_error_string(errno);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *why = QStringLiteral("it is not a plain file");
        return false;
    }
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
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

} // namespace PlainFile

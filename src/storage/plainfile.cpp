#include "plainfile.h"

#include "systemio.h"

#include <QFileInfo>

#include <cerrno>

namespace PlainFile {

namespace {

int openFlagged(const QString &path, bool write, bool create, QString *why, int *code)
{
    const int fd = SystemIo::openNoFollow(path, write, create);
    if (fd < 0) {
        if (code)
            *code = errno;
        *why = SystemIo::isLinkRefused(errno)
                   ? QStringLiteral("it is a link to another file, and only plain "
                                    "files are used as question sets")
                   : qt_error_string(errno);
    }
    return fd;
}

} // namespace

int openAnyHandle(const QString &path, bool write, QString *why, int *code)
{
    return openFlagged(path, write, false, why, code);
}

int openHandle(const QString &path, bool write, bool create, QString *why, int *code)
{
    int fd = openFlagged(path, write, create, why, code);
    SystemIo::Status st;
    if (fd >= 0 && (!PlainFile::status(fd, st) || !isPlain(st))) {
        SystemIo::closeIfOpen(fd);
        if (code)
            *code = 0;
        *why = notPlain();
        return -1;
    }
    return fd;
}

int openToRead(const QString &path, QString *why)
{
    int fd = SystemIo::openToRead(path);
    if (fd < 0) {
        *why = qt_error_string(errno);
        return -1;
    }
    SystemIo::Status st;
    if (!PlainFile::status(fd, st) || !isPlain(st)) {
        SystemIo::closeIfOpen(fd);
        *why = notPlain();
        return -1;
    }
    return fd;
}

bool openToRead(QFile &file, QString *why)
{
    int fd = openToRead(file.fileName(), why);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        SystemIo::closeIfOpen(fd);
        *why = file.errorString();
        return false;
    }
    return true;
}

bool isPlain(const SystemIo::Status &status)
{
    return status.kind == SystemIo::Status::Kind::Plain;
}

QString notPlain()
{
    return QStringLiteral("it is not a plain file");
}

bool open(QFile &file, QIODevice::OpenMode mode, bool create, QString *why, int *code)
{
    int fd = openHandle(file.fileName(), mode & QIODevice::WriteOnly, create, why, code);
    if (fd < 0)
        return false;
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        SystemIo::closeIfOpen(fd);
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
    SystemIo::Status info;
    const int failed = !SystemIo::statusAt(path, info, true) ? errno : 0;
    if (code)
        *code = failed;
    if (SystemIo::isMissing(failed))
        return QStringLiteral("does not exist");
    if (failed)
        return QStringLiteral("cannot be reached: %1").arg(qt_error_string(failed));
    return isPlain(info) ? QString() : QStringLiteral("is not a file");
}

bool nameSurvives(const QByteArray &raw)
{
    return QFile::encodeName(QFile::decodeName(raw)) == raw;
}

int undecodableSetNames(const QString &folder)
{
    int count = 0;
    SystemIo::forEachEntry(folder, [&count](SystemIo::Handle dir, const char *name) {
        const QByteArray raw(name);
        SystemIo::Status info;
        if (!nameSurvives(raw) && raw.toLower().contains(".dat")
            && SystemIo::statusIn(dir, name, info, true) && isPlain(info))
            ++count;
    });
    return count;
}

bool isWriteDenied(int code)
{
    return SystemIo::isWriteDenied(code);
}

bool status(int handle, SystemIo::Status &out)
{
    return SystemIo::status(handle, out);
}

} // namespace PlainFile

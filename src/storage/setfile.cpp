#include "setfile.h"

#include "iofaults.h"
#include "plainfile.h"
#include "saferewrite.h"
#include "systemio.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr qint64 kScanChunkRecords = 512;

QString describe(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

SetFile::SetFile(const QString &path)
    : m_file(path)
    , m_path(path)
{
}

bool SetFile::open()
{
    m_atEnd = false;
    if (!QFileInfo::exists(m_path) && IoFaults::fails(IoFaults::Op::Create))
        return injected(QStringLiteral("Could not create \"%1\"").arg(describe(path())));
    return openPlain(QIODevice::ReadWrite, true);
}

bool SetFile::openReadOnly()
{
    m_atEnd = false;
    return openPlain(QIODevice::ReadOnly, false);
}

bool SetFile::openPlain(QIODevice::OpenMode mode, bool create)
{
    m_file.setFileName(m_path);
    QString why;
    if (PlainFile::open(m_file, mode | QIODevice::Unbuffered, create, &why)) {
        m_error = lengthProblem(m_path, m_file.size());
        if (m_error.isEmpty())
            return true;
        m_file.close();
        return false;
    }
    m_error = QStringLiteral("Could not open \"%1\": %2").arg(describe(path()), why);
    return false;
}

void SetFile::close()
{
    m_file.close();
}

qint64 SetFile::length() const
{
    return m_file.isOpen() ? m_file.size() : QFileInfo(m_file.fileName()).size();
}

int SetFile::countFromLength(qint64 bytes)
{
    if (bytes <= 0)
        return 0;
    const qint64 whole = bytes / QuestionRecord::LENGTH;
    const qint64 rest = bytes % QuestionRecord::LENGTH;
    // 2 * rest can never equal 405, so there is no true tie to break.
    const qint64 count = (2 * rest > QuestionRecord::LENGTH) ? whole + 1 : whole;
    return count > INT_MAX ? INT_MAX : int(count);
}

QString SetFile::lengthProblem(const QString &path, qint64 bytes)
{
    if (countFromLength(bytes) <= MAX_RECORDS)
        return {};
    return QStringLiteral("\"%1\" is %2 bytes long, more than the %3 records a question set can "
                          "hold, so it is not read.")
        .arg(describe(path))
        .arg(bytes)
        .arg(MAX_RECORDS);
}

bool SetFile::readRaw(int handle, int n, QByteArray &raw)
{
    if (n < 1)
        return false;
    raw.resize(QuestionRecord::LENGTH);
    return SystemIo::readAt(handle, raw.data(), QuestionRecord::LENGTH,
                            qint64(n - 1) * QuestionRecord::LENGTH)
           == QuestionRecord::LENGTH;
}

bool SetFile::readRaw(int n, QByteArray &raw)
{
    m_atEnd = !readRaw(m_file.handle(), n, raw);
    return !m_atEnd;
}

bool SetFile::read(int n, QuestionRecord &record)
{
    QByteArray raw;
    if (!readRaw(n, raw))
        return false;
    record = QuestionRecord::fromBytes(raw);
    return true;
}

bool SetFile::write(int n, const QuestionRecord &record)
{
    return writeRaw(n, record.toBytes());
}

namespace {

QString tooMany()
{
    return QStringLiteral("A question set cannot hold more than %1 records.")
        .arg(SetFile::MAX_RECORDS);
}

} // namespace

bool SetFile::writeRaw(int n, QByteArrayView raw)
{
    Q_ASSERT(raw.size() == QuestionRecord::LENGTH);
    if (n < 1 || n > MAX_RECORDS) {
        m_error = tooMany();
        return false;
    }
    if (IoFaults::fails(IoFaults::Op::Write))
        return injected(QStringLiteral("Could not write to \"%1\"").arg(describe(path())));
    const qint64 at = qint64(n - 1) * QuestionRecord::LENGTH;
    const qint64 size = m_file.size();
    if (at > size) {
        // Fill the gap ourselves: a seek past the end leaves it undefined.
        if (!m_file.seek(size) || m_file.write(QByteArray(at - size, '\0')) != at - size)
            return fail(QStringLiteral("Could not write to \"%1\"").arg(describe(path())));
    }
    if (!m_file.seek(at) || m_file.write(raw.data(), raw.size()) != raw.size())
        return fail(QStringLiteral("Could not write to \"%1\"").arg(describe(path())));
    return flush();
}

bool SetFile::flush()
{
    if (IoFaults::fails(IoFaults::Op::Flush))
        return injected(QStringLiteral("Could not write to \"%1\"").arg(describe(path())));
    if (!m_file.flush())
        return fail(QStringLiteral("Could not write to \"%1\"").arg(describe(path())));
    return true;
}

bool SetFile::putRecord(QFile &file, const QString &path, int n, const QuestionRecord &record,
                        QString *error)
{
    if (n < 1 || n > MAX_RECORDS) {
        if (error)
            *error = tooMany();
        return false;
    }
    return SafeRewrite::patch(file, path, qint64(n - 1) * QuestionRecord::LENGTH, record.toBytes(),
                              error);
}

bool SetFile::injected(const QString &what)
{
    m_error = what + QStringLiteral(": injected fault");
    return false;
}

bool SetFile::fail(const QString &what)
{
    m_error = QStringLiteral("%1: %2").arg(what, m_file.errorString());
    return false;
}

namespace {

// Opens path to read as a set; false, with error set, when it cannot be
// opened, and with missing set instead when there is no file.
bool openSet(QFile &file, const QString &path, bool &missing, QString *error)
{
    QString why;
    int code = 0;
    if (PlainFile::open(file, QIODevice::ReadOnly | QIODevice::Unbuffered, false, &why, &code))
        return true;
    // A missing file has no records; a link or a FIFO is refused.
    missing = code == ENOENT;
    if (error && !missing)
        *error = QStringLiteral("Could not open \"%1\": %2").arg(describe(path), why);
    return false;
}

// False, with error saying why, when the file is longer than a set can be.
bool lengthFits(const QFile &file, const QString &path, QString *error)
{
    const QString problem = SetFile::lengthProblem(path, file.size());
    if (error && !problem.isEmpty())
        *error = problem;
    return problem.isEmpty();
}

bool readFailed(const QFile &file, const QString &path, QString *error)
{
    if (error)
        *error = QStringLiteral("Could not read \"%1\": %2").arg(describe(path), file.errorString());
    return false;
}

} // namespace

bool SetFile::scan(const QString &path, const Visitor &visit, QString *error)
{
    QFile file(path);
    bool missing = false;
    if (!openSet(file, path, missing, error))
        return missing;
    return scan(file, path, visit, error);
}

bool SetFile::readAll(const QString &path, QByteArray &records, QString *error)
{
    records.clear();
    QFile file(path);
    bool missing = false;
    if (!openSet(file, path, missing, error))
        return missing;
    if (!lengthFits(file, path, error))
        return false;
    // One read where the file allows, and no further than a set can reach,
    // even when the file grows meanwhile.
    records.resize(std::min(file.size(), qint64(MAX_RECORDS) * QuestionRecord::LENGTH));
    qint64 filled = 0;
    while (filled < records.size()) {
        const qint64 got = file.read(records.data() + filled, records.size() - filled);
        if (got < 0) {
            records.clear();
            return readFailed(file, path, error);
        }
        if (got == 0)
            break;
        filled += got;
    }
    records.truncate(filled - filled % QuestionRecord::LENGTH);
    return true;
}

bool SetFile::scan(QFile &file, const QString &path, const Visitor &visit, QString *error)
{
    if (!lengthFits(file, path, error))
        return false;
    if (!file.seek(0))
        return readFailed(file, path, error);
    const qint64 chunkBytes = kScanChunkRecords * QuestionRecord::LENGTH;
    QByteArray buffer(chunkBytes, Qt::Uninitialized);
    qint64 filled = 0;
    int n = 0;
    for (;;) {
        const qint64 got = file.read(buffer.data() + filled, chunkBytes - filled);
        if (got < 0)
            return readFailed(file, path, error);
        if (got == 0)
            return true; // what is left over is a partial record
        filled += got;
        const qint64 whole = filled / QuestionRecord::LENGTH;
        for (qint64 i = 0; i < whole; ++i) {
            const QByteArrayView raw(buffer.constData() + i * QuestionRecord::LENGTH,
                                     QuestionRecord::LENGTH);
            // A file that grows while it is read is still read no further
            // than a set can reach.
            if (!visit(++n, raw) || n == MAX_RECORDS)
                return true;
        }
        const qint64 used = whole * QuestionRecord::LENGTH;
        std::memmove(buffer.data(), buffer.constData() + used, filled - used);
        filled -= used;
    }
}

#include "saferewrite.h"

#include "iofaults.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>


namespace SafeRewrite {

namespace {

const QString kInjected = QStringLiteral("injected fault");
constexpr qint64 kCopyChunk = 1 << 20;

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

} // namespace

NewCopy::NewCopy(const QString &path)
    : m_file(path)
{
    // Writing straight into the file would defeat the point.
    m_file.setDirectWriteFallback(false);
}

NewCopy::~NewCopy()
{
    if (!m_done && m_file.isOpen()) {
        m_file.cancelWriting(); // commit() now only discards the temporary
        m_file.commit();
    }
}

bool NewCopy::open()
{
    if (IoFaults::fails(IoFaults::Op::Create))
        return fail(kInjected);
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(m_file.errorString());
    return true;
}

bool NewCopy::write(QByteArrayView bytes)
{
    if (IoFaults::fails(IoFaults::Op::Write)) {
        // A full disk takes part of the data before it refuses the rest.
        m_file.write(bytes.data(), bytes.size() / 2);
        return fail(kInjected);
    }
    if (m_file.write(bytes.data(), bytes.size()) != bytes.size())
        return fail(m_file.errorString());
    return true;
}

bool NewCopy::commit()
{
    if (IoFaults::fails(IoFaults::Op::Flush))
        return fail(kInjected);
    if (!m_file.flush())
        return fail(m_file.errorString());
    // QSaveFile closes and renames in one call; both may be failed here.
    if (IoFaults::fails(IoFaults::Op::Close) || IoFaults::fails(IoFaults::Op::Rename))
        return fail(kInjected);
    m_done = true;
    // commit() syncs the temporary to disk before renaming it into place.
    if (!m_file.commit())
        return fail(m_file.errorString());
    return true;
}

bool NewCopy::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool replace(const QString &path, QByteArrayView bytes, QString *error)
{
    NewCopy copy(path);
    QString what;
    if (!copy.open())
        what = QStringLiteral("Could not create a new copy of");
    else if (!copy.write(bytes))
        what = QStringLiteral("Could not write the new copy of");
    else if (!copy.commit())
        what = QStringLiteral("Could not replace");
    else
        return true;
    if (error)
        *error = described(what, path, copy.errorString());
    return false;
}

// Overwrites bytes that lie wholly inside the file with one positioned write:
// a single write of a record either happens or it does not,
// and copying a large set to change one record would make every edit slow.
bool overwriteInPlace(const QString &path, qint64 at, QByteArrayView bytes, QString *error)
{
    auto failed = [&](const QString &what, const QString &why) {
        if (error)
            *error = described(what, path, why);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failed(QStringLiteral("Could not open"), file.errorString());
    if (!file.seek(at))
        return failed(QStringLiteral("Could not read"), file.errorString());
    const QByteArray old = file.read(bytes.size());
    if (old.size() != bytes.size())
        return failed(QStringLiteral("Could not read"), file.errorString());
    auto put = [&](QByteArrayView what) {
        return file.seek(at) && file.write(what.data(), what.size()) == what.size();
    };
    if (IoFaults::fails(IoFaults::Op::Write))
        return failed(QStringLiteral("Could not write to"), kInjected);
    if (!put(bytes))
        return failed(QStringLiteral("Could not write to"), file.errorString());
    // The write is handed to the system in one piece, so the program dying
    // cannot leave half a record; it is not synced, which would make every
    // edit of a large set several times slower. A flush that fails takes the
    // change back, so a failure reported is a change not made.
    QString why;
    if (IoFaults::fails(IoFaults::Op::Flush))
        why = kInjected;
    else if (!file.flush())
        why = file.errorString();
    if (!why.isEmpty()) {
        put(old);
        return failed(QStringLiteral("Could not save"), why);
    }
    file.close();
    return true;
}

bool patch(const QString &path, qint64 at, QByteArrayView bytes, QString *error)
{
    auto failed = [&](const QString &what, const QString &why) {
        if (error)
            *error = described(what, path, why);
        return false;
    };
    if (at >= 0 && at + bytes.size() <= QFileInfo(path).size())
        return overwriteInPlace(path, at, bytes, error);
    QFile old(path);
    const bool existed = old.exists();
    if (existed && !old.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("Could not open"), old.errorString());
    const qint64 size = existed ? old.size() : 0;

    NewCopy copy(path);
    if (!copy.open())
        return failed(QStringLiteral("Could not create a new copy of"), copy.errorString());
    QString why;
    if (!writePatched(old, size, at, bytes, copy, why))
        return failed(QStringLiteral("Could not write the new copy of"), why);
    old.close();
    if (!copy.commit())
        return failed(QStringLiteral("Could not replace"), copy.errorString());
    return true;
}

} // namespace SafeRewrite

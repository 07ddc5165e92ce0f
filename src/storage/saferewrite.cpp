#include "saferewrite.h"

#include "iofaults.h"
#include "systemio.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include <cerrno>
#include <ctime>

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
constexpr qint64 kJustMade = 60;

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

using SystemIo::closeIfOpen;
using Kind = SystemIo::Status::Kind;

// Why the name cannot be replaced: something other than a plain file has it.
QString targetProblem(const QString &path)
{
    SystemIo::Status st;
    if (!SystemIo::statusAt(path, st) || st.kind == Kind::Plain)
        return {};
    if (st.kind == Kind::Folder)
        return QStringLiteral("it is a folder, not a plain file");
    if (st.kind == Kind::Link)
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
void removeIfAbandoned(SystemIo::Handle folder, const char *name)
{
    SystemIo::Handle fd = SystemIo::openIn(folder, name);
    if (fd < 0)
        return;
    SystemIo::Status held;
    SystemIo::Status named;
    if (SystemIo::tryLock(fd, QFile::decodeName(name)) == SystemIo::Lock::Held
        && SystemIo::status(fd, held, true) && held.kind == Kind::Plain
        && !(held.size == 0 && held.modified > ::time(nullptr) - kJustMade)
        && SystemIo::statusIn(folder, name, named, false) && named.device == held.device
        && named.inode == held.inode)
        SystemIo::removeIn(folder, name);
    closeIfOpen(fd);
}

} // namespace

bool syncFolderOf(const QString &path)
{
    return SystemIo::syncFolderOf(path);
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
        SystemIo::remove(m_temp);
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
    SystemIo::forEachEntry(folder, [](SystemIo::Handle entries, const char *name) {
        if (isCopyName(name))
            removeIfAbandoned(entries, name);
    });
}

bool NewCopy::open()
{
    if (const QString why = targetProblem(m_path); !why.isEmpty()) {
        m_refused = true;
        return fail(why);
    }
    if (IoFaults::fails(IoFaults::Op::Create))
        return fail(kInjected);
    sweep(QFileInfo(m_path).path());
    QByteArray name = QFile::encodeName(temporaryPrefix(m_path)) + QByteArray(kRandom, 'X');
    m_fd = SystemIo::makeTemporary(name);
    if (m_fd < 0)
        return failWithErrno();
    m_temp = name;
    // Where the system has no such locks, no copy is ever swept.
    SystemIo::tryLock(m_fd, QFile::decodeName(m_temp));
    // The copy takes the owner, group and permissions of the file it replaces,
    // so a set in a shared folder stays its owner's.
    SystemIo::takeOwnerAndPermissions(m_fd, m_path);
    return true;
}

bool NewCopy::write(QByteArrayView bytes)
{
    if (IoFaults::fails(IoFaults::Op::Write)) {
        // A full disk takes part of the data before it refuses the rest.
        SystemIo::write(m_fd, bytes.first(bytes.size() / 2));
        return fail(kInjected);
    }
    return SystemIo::write(m_fd, bytes) || failWithErrno();
}

bool NewCopy::commit()
{
    if (IoFaults::fails(IoFaults::Op::Flush))
        return fail(kInjected);
    if (!SystemIo::syncFile(m_fd, QFile::decodeName(m_temp)))
        return failWithErrno();
    if (IoFaults::fails(IoFaults::Op::Close))
        return fail(kInjected);
    // The lock stays with the copy through this second handle.
    m_hold = SystemIo::duplicate(m_fd);
    if (!SystemIo::close(std::exchange(m_fd, -1)))
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
    bool swapped = false;
    if (m_exclusive) {
        if (!SystemIo::renameNew(m_temp, path))
            return failWithErrno();
    } else {
        m_oldHold = SystemIo::openNoFollow(m_path, false, false);
        if (m_oldHold >= 0)
            SystemIo::tryLock(m_oldHold, m_path);
        swapped = SystemIo::exchange(m_temp, path);
        if (!swapped && !SystemIo::renameOver(m_temp, path))
            return failWithErrno();
        // A folder (or anything else) may have taken the name since open().
        if (const QString why = swapped ? targetProblem(QFile::decodeName(m_temp)) : QString();
            !why.isEmpty()) {
            SystemIo::exchange(m_temp, path);
            m_refused = true;
            return fail(why);
        }
    }
    if (!swapped)
        m_temp.clear();
    // Only a synced folder keeps the new name after a power cut.
    QString why = kInjected;
    if (!IoFaults::fails(IoFaults::Op::Flush)) {
        if (SystemIo::syncFolderOf(m_path))
            return true;
        why = qt_error_string(errno);
    }
    if (swapped)
        SystemIo::exchange(m_temp, path);
    else if (m_exclusive)
        SystemIo::remove(path); // the file was new: without it all is as before
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
        if (SystemIo::readAt(handle, read.data(), read.size(), at) != read.size())
            return failed(QStringLiteral("Could not read"), qt_error_string(errno));
        old = read;
    }
    auto put = [&](QByteArrayView what) {
        return SystemIo::writeAt(handle, what, at) == what.size();
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
    else if (!SystemIo::syncData(handle, path))
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

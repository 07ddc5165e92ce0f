#include "setlock.h"

#include "plainfile.h"
#include "saferewrite.h"
#include "systemio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

namespace {

QString quotedName(const QString &path)
{
    return QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
}

} // namespace

SetLock::SetLock(const QString &path, std::chrono::milliseconds wait)
    : m_path(path)
{
    const QDeadlineTimer deadline(wait);
    for (;;) {
        SystemIo::Status held;
        if (!openHandle() || !waitForLock(deadline) || !usable(held))
            return;
        SystemIo::Status named;
        if (SystemIo::statusAt(path, named) && named.device == held.device
            && named.inode == held.inode) {
            m_state = State::Held;
            m_size = held.size;
            // Every writer locks its copy while it exists, so one found
            // unlocked now belongs to a writer that was killed.
            SafeRewrite::sweep(QFileInfo(path).path());
            return;
        }
        // Replaced (or removed) while we waited: the name leads elsewhere now.
        SystemIo::closeIfOpen(m_fd);
        if (deadline.hasExpired()) {
            fail(State::Busy, busyText());
            return;
        }
    }
}

bool SetLock::openHandle()
{
    QString why;
    int code = 0;
    // What kind of file it is is asked once it is held, with its length.
    m_fd = PlainFile::openAnyHandle(m_path, true, &why, &code);
    if (m_fd >= 0)
        return true;
    if (PlainFile::isWriteDenied(code))
        fail(State::ReadOnly, readOnlyText());
    else
        fail(SystemIo::isMissing(code) ? State::Missing : State::Failed,
             QStringLiteral("Could not open %1: %2").arg(quotedName(m_path), why));
    return false;
}

bool SetLock::waitForLock(const QDeadlineTimer &deadline)
{
    unsigned long pause = 1;
    SystemIo::Lock lock;
    while ((lock = SystemIo::tryLock(m_fd, m_path)) != SystemIo::Lock::Held) {
        if (lock == SystemIo::Lock::Failed) {
            fail(State::Failed, QStringLiteral("Could not lock %1: %2")
                                    .arg(quotedName(m_path), qt_error_string(errno)));
            return false;
        }
        if (deadline.hasExpired()) {
            fail(State::Busy, busyText());
            return false;
        }
        // Short waits first: most changes take a few milliseconds.
        QThread::msleep(pause);
        pause = std::min(pause * 2, 16UL);
    }
    return true;
}

// The file held must be a plain one that somebody may write.
bool SetLock::usable(SystemIo::Status &held)
{
    if (!PlainFile::status(m_fd, held) || !PlainFile::isPlain(held)) {
        fail(State::Failed,
             QStringLiteral("Could not open %1: %2").arg(quotedName(m_path), PlainFile::notPlain()));
        return false;
    }
    // A set nobody may write stays unwritten, even where the system
    // would let us (the superuser may write anything).
    if ((held.permissions & 0222) == 0) {
        fail(State::ReadOnly, readOnlyText());
        return false;
    }
    return true;
}

QString SetLock::busyText() const
{
    return QCoreApplication::translate("SetLock", "%1 is being changed by another program; try again.")
        .arg(quotedName(m_path));
}

QString SetLock::readOnlyText() const
{
    return QCoreApplication::translate("SetLock", "%1 is read-only: nothing in it can be changed.")
        .arg(quotedName(m_path));
}

SetLock::~SetLock()
{
    m_file.close();
    SystemIo::closeIfOpen(m_fd); // which lets go of the hold
}

QFile &SetLock::file()
{
    if (!m_file.isOpen() && m_fd >= 0)
        m_file.open(m_fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    return m_file;
}

void SetLock::fail(State state, const QString &problem)
{
    SystemIo::closeIfOpen(m_fd);
    m_state = state;
    m_problem = problem;
}

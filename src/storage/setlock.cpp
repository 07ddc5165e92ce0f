#include "setlock.h"

#include "plainfile.h"
#include "saferewrite.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <sys/file.h>
#include <sys/stat.h>

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
    const QString name = quotedName(path);
    const QString busy = QStringLiteral("%1 is being changed by another program; try again.").arg(name);
    const QString readOnly = QStringLiteral("%1 is read-only: nothing in it can be changed.").arg(name);
    unsigned long pause = 1;
    for (;;) {
        QString why;
        int code = 0;
        // What kind of file it is is asked once it is held, with its length.
        m_fd = PlainFile::openAnyHandle(path, true, &why, &code);
        if (m_fd < 0) {
            if (PlainFile::isWriteDenied(code))
                fail(State::ReadOnly, readOnly);
            else
                fail(code == ENOENT ? State::Missing : State::Failed,
                     QStringLiteral("Could not open %1: %2").arg(name, why));
            return;
        }
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                fail(State::Failed, QStringLiteral("Could not lock %1: %2")
                                        .arg(name, qt_error_string(errno)));
                return;
            }
            if (deadline.hasExpired()) {
                fail(State::Busy, busy);
                return;
            }
            // Short waits first: most changes take a few milliseconds.
            QThread::msleep(pause);
            pause = std::min(pause * 2, 16UL);
        }
        struct statx held;
        if (!PlainFile::status(m_fd, held) || !PlainFile::isPlain(held)) {
            fail(State::Failed, QStringLiteral("Could not open %1: %2").arg(name, PlainFile::notPlain()));
            return;
        }
        // A set nobody may write stays unwritten, even where the system
        // would let us (the superuser may write anything).
        if ((held.stx_mode & 0222) == 0) {
            fail(State::ReadOnly, readOnly);
            return;
        }
        struct statx named;
        if (::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW, STATX_INO,
                    &named)
                == 0
            && named.stx_dev_major == held.stx_dev_major && named.stx_dev_minor == held.stx_dev_minor
            && named.stx_ino == held.stx_ino) {
            m_state = State::Held;
            m_size = qint64(held.stx_size);
            // Every writer locks its copy while it exists, so one found
            // unlocked now belongs to a writer that was killed.
            SafeRewrite::sweep(QFileInfo(path).path());
            return;
        }
        // Replaced (or removed) while we waited: the name leads elsewhere now.
        ::close(std::exchange(m_fd, -1));
        if (deadline.hasExpired()) {
            fail(State::Busy, busy);
            return;
        }
    }
}

SetLock::~SetLock()
{
    m_file.close();
    if (m_fd >= 0)
        ::close(m_fd); // which lets go of the hold
}

QFile &SetLock::file()
{
    if (!m_file.isOpen() && m_fd >= 0)
        m_file.open(m_fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    return m_file;
}

void SetLock::fail(State state, const QString &problem)
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    m_state = state;
    m_problem = problem;
}

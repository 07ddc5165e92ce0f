#include "setlock.h"

#include "plainfile.h"
#include "saferewrite.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
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
    , m_file(path)
{
    const QDeadlineTimer deadline(wait);
    const QString name = quotedName(path);
    const QString busy = QStringLiteral("%1 is being changed by another program; try again.").arg(name);
    const QString readOnly = QStringLiteral("%1 is read-only: nothing in it can be changed.").arg(name);
    unsigned long pause = 1;
    for (;;) {
        QString why;
        int code = 0;
        m_file.setFileName(path); // a file opened by its handle forgets its name
        if (!PlainFile::open(m_file, QIODevice::ReadWrite | QIODevice::Unbuffered, false, &why,
                             &code)) {
            if (PlainFile::isWriteDenied(code)) {
                fail(State::ReadOnly, readOnly);
                return;
            }
            fail(code == ENOENT ? State::Missing : State::Failed,
                 QStringLiteral("Could not open %1: %2").arg(name, why));
            return;
        }
        // A set nobody may write stays unwritten, even where the system
        // would let us (the superuser may write anything).
        struct stat held;
        if (::fstat(m_file.handle(), &held) != 0 || (held.st_mode & 0222) == 0) {
            fail(State::ReadOnly, readOnly);
            return;
        }
        while (::flock(m_file.handle(), LOCK_EX | LOCK_NB) != 0) {
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
        struct stat named;
        if (::lstat(QFile::encodeName(path).constData(), &named) == 0 && named.st_dev == held.st_dev
            && named.st_ino == held.st_ino) {
            m_state = State::Held;
            removeStaleCopies();
            return;
        }
        // Replaced (or removed) while we waited: the name leads elsewhere now.
        m_file.close();
        if (deadline.hasExpired()) {
            fail(State::Busy, busy);
            return;
        }
    }
}

void SetLock::fail(State state, const QString &problem)
{
    m_file.close();
    m_state = state;
    m_problem = problem;
}

// Every writer of this set holds it while its copy exists, so a copy found
// now belongs to a writer that was killed before it could tidy up.
void SetLock::removeStaleCopies() const
{
    const QDir dir = QFileInfo(m_path).dir();
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (SafeRewrite::isTemporaryOf(m_path, name))
            QFile::remove(dir.filePath(name));
    }
}

#pragma once

#include "systemio.h"

#include <QFile>
#include <QString>

#include <chrono>

class QDeadlineTimer;

// Holds one set file against every other writer (another copy of the
// program, quorvane-sets) while a change reads what it needs and writes it.
//
// The hold is flock() on the set file itself, not a lock file beside it: the
// system lets go of it however its holder ends, so a killed writer never
// leaves a stale lock, and there is no extra file for the start screen to
// hide or for anyone to tidy up. A set replaced by a renamed copy is a new
// file, though: a writer that waited on the old one finds, once it holds it,
// that the name leads elsewhere now, and starts again on the new one. Every
// writer takes the hold before it reads anything it changes and keeps it
// until its synced write or rename is done, so no two changes interleave.
// Readers take no hold: they see the old set or the new one, each whole.
class SetLock
{
public:
    enum class State {
        Held,
        Missing,  // there is no set file
        ReadOnly, // the set may be read but not written
        Busy,     // another program kept it for longer than we wait
        Failed,   // no plain file, or the system refused
    };

    static constexpr std::chrono::milliseconds WAIT{2500};

    // Tries for the hold for up to wait. Once held, temporary copies that
    // killed writers left in the set's folder are removed.
    explicit SetLock(const QString &path, std::chrono::milliseconds wait = WAIT);
    ~SetLock();
    SetLock(const SetLock &) = delete;
    SetLock &operator=(const SetLock &) = delete;

    State state() const { return m_state; }
    // One sentence saying why the set is not held; empty when it is.
    QString problem() const { return m_problem; }

    // While held: the set's path, its handle open for reading and writing,
    // and its length when the hold was taken.
    QString path() const { return m_path; }
    int handle() const { return m_fd; }
    qint64 size() const { return m_size; }
    // The same handle as an unbuffered QFile, made when first asked for.
    QFile &file();

private:
    bool openHandle();
    bool waitForLock(const QDeadlineTimer &deadline);
    bool usable(SystemIo::Status &held);
    QString busyText() const;
    QString readOnlyText() const;
    void fail(State state, const QString &problem);

    QString m_path;
    int m_fd = -1;
    QFile m_file;
    State m_state = State::Failed;
    qint64 m_size = 0;
    QString m_problem;
};

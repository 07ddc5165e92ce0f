#pragma once

#include <QFile>
#include <QString>

#include <chrono>

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

    // Tries for the hold for up to wait. Once held, temporary copies that a
    // killed writer left beside the set are removed.
    explicit SetLock(const QString &path, std::chrono::milliseconds wait = WAIT);

    State state() const { return m_state; }
    // One sentence saying why the set is not held; empty when it is.
    QString problem() const { return m_problem; }
    // The set, open for reading and writing, while held.
    QFile &file() { return m_file; }

private:
    void fail(State state, const QString &problem);
    void removeStaleCopies() const;

    QString m_path;
    QFile m_file;
    State m_state = State::Failed;
    QString m_problem;
};

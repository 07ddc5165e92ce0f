#pragma once

#include "storage/appstate.h"

#include <QString>
#include <QTemporaryDir>

// A temporary program folder holding the largest set a file can hold: the
// header first, then questions of every round with texts of realistic length,
// non-ASCII letters included. Generated once per run.
class BenchSet
{
public:
    // QUORVANE_BENCH_RECORDS (16 to 32767) makes a smaller set, for quick runs.
    static BenchSet &instance();

    static constexpr int FULL_RECORDS = 32767;
    static constexpr const char *PASSWORD = "Kø-Bench 7";

    bool ok() const { return m_ok; }
    QString problem() const { return m_problem; }

    int records() const { return m_records; }
    QString path() const { return m_state.set.path; }
    AppState &state() { return m_state; }

    // The last question: its record and its number, which no other record has.
    int lastRecord() const { return m_records; }
    int lastNumber() const { return m_lastNumber; }
    // Questions of each round 1 to 15, and records listed by the manager.
    int questionsOfRound(int round) const;
    int listedRows() const { return m_records - 1; }

    // Puts the set file back exactly as generated (after a deletion).
    bool restore();

    // A path in the program folder, for copies.
    QString programFile(const QString &name) const;

private:
    BenchSet();
    bool generate();

    QTemporaryDir m_dir;
    AppState m_state;
    QString m_pristine;
    QString m_problem;
    int m_records = FULL_RECORDS;
    int m_lastNumber = 0;
    bool m_ok = false;
};

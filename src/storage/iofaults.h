#pragma once

#include <QList>
#include <QString>

#include <array>

// The one place where a test can make the file layer's writes fail, as a full
// disk, a yanked drive or a refused rename would. The file layer asks fails()
// before each operation that changes a file; without an armed Plan the answer
// is always no and nothing is counted.
namespace IoFaults {

enum class Op { Create, Write, Flush, Close, Rename };
constexpr int OP_COUNT = 5;

QString name(Op op);

// True when this operation is to fail. Counts it while a Plan is alive.
bool fails(Op op);

// The calls that put a change on disk and keep writers apart, as SystemIo
// makes them: file syncs (fsync), data syncs (fdatasync), folder syncs, the
// exclusive lock, renames over a name, renames to a new name, swaps.
enum class Call { Sync, SyncData, SyncFolder, Lock, Rename, RenameNew, Exchange };

struct Step
{
    Call call;
    QString path;
    QString to = {}; // a rename's new name
    bool operator==(const Step &) const = default;
};

// Adds the call to the alive Plan's journal; without one it does nothing.
void note(Call call, const QString &path, const QString &to = {});
void note(Call call, const QByteArray &path, const QByteArray &to = {});

// While alive, counts every operation of the file layer by kind and makes the
// n-th operation of one kind fail (n counts from 1; 0 fails nothing). With
// sticky set, that one and every later one of the kind fail, as when a folder
// turns read-only. Plans do not nest.
class Plan
{
public:
    Plan();
    Plan(Op op, int n, bool sticky = false);
    ~Plan();
    Plan(const Plan &) = delete;
    Plan &operator=(const Plan &) = delete;

    int count(Op op) const { return m_counts[int(op)]; }
    // True once the planned failure has happened.
    bool fired() const { return m_fired; }
    // Every call noted while alive, in order.
    const QList<Step> &journal() const { return m_journal; }

private:
    friend bool fails(Op op);
    Op m_op = Op::Write;
    int m_n = 0;
    bool m_sticky = false;
    bool m_fired = false;
    std::array<int, OP_COUNT> m_counts{};
    QList<Step> m_journal;
    friend void note(Call, const QString &, const QString &);
};

} // namespace IoFaults

#pragma once

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

private:
    friend bool fails(Op op);
    Op m_op = Op::Write;
    int m_n = 0;
    bool m_sticky = false;
    bool m_fired = false;
    std::array<int, OP_COUNT> m_counts{};
};

} // namespace IoFaults

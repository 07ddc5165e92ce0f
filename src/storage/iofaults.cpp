#include "iofaults.h"

#include <QFile>

namespace IoFaults {

namespace {

Plan *g_plan = nullptr;

} // namespace

QString name(Op op)
{
    switch (op) {
    case Op::Create:
        return QStringLiteral("create");
    case Op::Write:
        return QStringLiteral("write");
    case Op::Flush:
        return QStringLiteral("flush");
    case Op::Close:
        return QStringLiteral("close");
    case Op::Rename:
        return QStringLiteral("rename");
    }
    return QString();
}

bool fails(Op op)
{
    if (!g_plan)
        return false;
    const int seen = ++g_plan->m_counts[int(op)];
    if (op != g_plan->m_op || g_plan->m_n < 1)
        return false;
    const bool fail = g_plan->m_sticky ? seen >= g_plan->m_n : seen == g_plan->m_n;
    g_plan->m_fired = g_plan->m_fired || fail;
    return fail;
}

void note(Call call, const QString &path, const QString &to)
{
    if (g_plan)
        g_plan->m_journal.append(Step{call, path, to});
}

void note(Call call, const QByteArray &path, const QByteArray &to)
{
    if (g_plan)
        note(call, QFile::decodeName(path), to.isNull() ? QString() : QFile::decodeName(to));
}

Plan::Plan()
{
    Q_ASSERT(!g_plan);
    g_plan = this;
}

Plan::Plan(Op op, int n, bool sticky)
    : m_op(op)
    , m_n(n)
    , m_sticky(sticky)
{
    Q_ASSERT(!g_plan);
    g_plan = this;
}

Plan::~Plan()
{
    g_plan = nullptr;
}

} // namespace IoFaults

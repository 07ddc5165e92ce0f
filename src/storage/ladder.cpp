#include "ladder.h"

#include <array>

namespace {
constexpr std::array<int, Ladder::STEPS> kPounds = {
    100, 200, 300, 500, 1000, 2000, 4000, 8000,
    16000, 32000, 64000, 125000, 250000, 500000, 1000000,
};
} // namespace

namespace Ladder {

QString amount(int step)
{
    if (step < 1 || step > STEPS)
        return {};
    return QStringLiteral("\u00A3%1").arg(kPounds[step - 1]);
}

QStringList amounts()
{
    QStringList out;
    for (int step = 1; step <= STEPS; ++step)
        out << amount(step);
    return out;
}

int stepOf(const QString &text)
{
    for (int step = 1; step <= STEPS; ++step) {
        if (amount(step) == text)
            return step;
    }
    return 0;
}

} // namespace Ladder

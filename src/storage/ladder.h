#pragma once

#include <QString>
#include <QStringList>

// The fifteen steps of the money ladder; round k (and level k) is step k.
namespace Ladder {

constexpr int STEPS = 15;

// "£100" ... "£1000000"; empty outside 1 to 15.
QString amount(int step);
QStringList amounts();
// The step of an amount text such as "£1000", or 0.
int stepOf(const QString &amount);

} // namespace Ladder

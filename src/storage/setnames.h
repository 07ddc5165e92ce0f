#pragma once

#include <QString>

namespace SetNames {

// Why a set's file name cannot be used inside the Questions folder, or an
// empty text when it can.
QString problem(const QString &fileName);

} // namespace SetNames

#pragma once

#include <QString>
#include <QStringList>

namespace SetListing {

// The set as text lines: creator and message from the header (never the
// password), one line per question in file order, then the questions per
// round and the total, counted as the main window counts them.
bool lines(const QString &path, QStringList &out, QString *error = nullptr);

} // namespace SetListing

#pragma once

#include <QByteArrayView>
#include <QString>

namespace SaveFile {

// Writes the whole file through a temporary file in the same folder that is
// moved into place only when every byte is written, so a failure leaves the
// old file (or no file) behind.
bool write(const QString &path, QByteArrayView bytes, QString *error = nullptr);

} // namespace SaveFile

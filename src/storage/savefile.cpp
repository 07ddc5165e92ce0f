#include "savefile.h"

#include <QSaveFile>

namespace SaveFile {

bool write(const QString &path, QByteArrayView bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("could not create \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("could not write \"%1\": %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace SaveFile

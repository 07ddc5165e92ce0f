#include "savefile.h"

#include "saferewrite.h"

namespace SaveFile {

bool write(const QString &path, QByteArrayView bytes, QString *error)
{
    SafeRewrite::NewCopy file(path);
    if (!file.open()) {
        if (error)
            *error = QStringLiteral("could not create \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    if (!file.write(bytes) || !file.commit()) {
        if (error)
            *error = QStringLiteral("could not write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace SaveFile

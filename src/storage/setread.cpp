#include "setread.h"

#include "setfile.h"

namespace SetRead {

std::optional<QuestionRecord> recordAt(const QString &path, int n, QString *error)
{
    const std::optional<QByteArray> raw = bytesAt(path, n, error);
    if (!raw)
        return std::nullopt;
    return QuestionRecord::fromBytes(*raw);
}

std::optional<QByteArray> bytesAt(const QString &path, int n, QString *error)
{
    SetFile file(path);
    if (!file.openReadOnly()) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QByteArray raw;
    const bool read = file.readRaw(n, raw);
    file.close();
    if (!read)
        return std::nullopt;
    return raw;
}

} // namespace SetRead

#include "setedits.h"

#include "saferewrite.h"
#include "setfile.h"

#include <QByteArray>
#include <QFileInfo>

#include <vector>

namespace SetEdits {

std::optional<SetStore::Found> findNumber(const QString &path, int number, QString *error)
{
    std::optional<SetStore::Found> found;
    SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) != number)
                return true;
            found = SetStore::Found{n, QuestionRecord::fromBytes(raw)};
            return false;
        },
        error);
    return found;
}

bool rewrite(const QString &path, int n, const QuestionRecord &record, QString *error)
{
    return SetFile::putRecord(path, n, record, error);
}

std::optional<Removal> removeRecord(const QString &path, int n, QString *error)
{
    QByteArray kept;
    // Room for the whole file up front: growing a buffer of many megabytes
    // step by step would copy it over and over.
    kept.reserve(QFileInfo(path).size());
    Removal result;
    const bool read = SetFile::scan(
        path,
        [&](int at, QByteArrayView raw) {
            if (at == n) {
                ++result.removed;
            } else {
                kept.append(raw.data(), raw.size());
                ++result.remaining;
            }
            return true;
        },
        error);
    if (!read)
        return std::nullopt;
    if (result.removed > 0 && !SafeRewrite::replace(path, kept, error))
        return std::nullopt;
    return result;
}

} // namespace SetEdits

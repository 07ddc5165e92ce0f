#include "setstore.h"

#include "setfile.h"

namespace SetStore {

std::optional<Found> findHeader(const QString &path, QString *error)
{
    std::optional<Found> found;
    SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) != QuestionRecord::HEADER_NUMBER)
                return true;
            found = Found{n, QuestionRecord::fromBytes(raw)};
            return false;
        },
        error);
    return found;
}

RoundCounts countRounds(const QString &path, QString *error)
{
    RoundCounts counts{};
    SetFile::scan(
        path,
        [&](int, QByteArrayView raw) {
            const qint16 round = QuestionRecord::roundOf(raw);
            if (round >= 1 && round <= 15)
                ++counts[round - 1];
            return true;
        },
        error);
    return counts;
}

bool append(const QString &path, int &record_count, const QuestionRecord &record,
            QString *error)
{
    const int n = record_count + 1;
    if (!SetFile::putRecord(path, n, record, error))
        return false;
    record_count = n;
    return true;
}

} // namespace SetStore

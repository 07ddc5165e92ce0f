#include "setread.h"

#include "setfile.h"

namespace SetRead {

std::optional<QuestionRecord> recordAt(const QString &path, int n, QString *error)
{
    SetFile file(path);
    if (!file.openReadOnly()) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QuestionRecord record;
    const bool read = file.read(n, record);
    file.close();
    if (!read)
        return std::nullopt;
    return record;
}

} // namespace SetRead

#include "setadding.h"

#include "fixedtext.h"
#include "questionrecord.h"
#include "setfile.h"

#include <QFileInfo>

#include <algorithm>

namespace SetAdding {

bool passwordMatches(const QString &path, const QString &typed, QString *error)
{
    const QString wanted = FixedText::trimSpaces(typed);
    bool matched = false;
    SetFile::scan(
        path,
        [&](int, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) == QuestionRecord::HEADER_NUMBER)
                matched = QuestionRecord::fromBytes(raw).answer_b == wanted;
            return !matched;
        },
        error);
    return matched;
}

std::optional<Slot> nextSlot(const QString &path, int record_count, QString *problem)
{
    int highest = 0;
    QString error;
    const bool read = SetFile::scan(
        path,
        [&](int, QByteArrayView raw) {
            const int number = QuestionRecord::numberOf(raw);
            if (number != QuestionRecord::HEADER_NUMBER)
                highest = std::max(highest, number);
            return true;
        },
        &error);
    if (!read) {
        if (problem)
            *problem = error;
        return std::nullopt;
    }
    // A file grown behind the program's back (another copy of it, the set
    // tool) keeps its new records: the question goes after them.
    const int records = std::max(record_count, SetFile::countFromLength(QFileInfo(path).size()));
    const Slot slot{records + 1, std::max(records + 1, highest + 1)};
    if (slot.number >= FIRST_RESERVED_NUMBER || slot.record > SetFile::MAX_RECORDS) {
        if (problem)
            *problem = QStringLiteral("This question set is full: no more questions can be "
                                      "added to it.");
        return std::nullopt;
    }
    return slot;
}

} // namespace SetAdding

#include "setadding.h"

#include "cp1252.h"
#include "fixedtext.h"
#include "questionrecord.h"
#include "setfile.h"

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
    const Slot slot{record_count + 1, std::max(record_count + 1, highest + 1)};
    if (slot.number >= FIRST_RESERVED_NUMBER || slot.record > SetFile::MAX_RECORDS) {
        if (problem)
            *problem = QStringLiteral("This question set is full: no more questions can be "
                                      "added to it.");
        return std::nullopt;
    }
    return slot;
}

QString storedText(const QString &typed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar c : typed) {
        const QString upper = QString(c).toUpper();
        out += (c.isSurrogate() || !Cp1252::canEncode(upper)) ? QString(c) : upper;
    }
    return out;
}

} // namespace SetAdding

#include "setlisting.h"

#include "ladder.h"
#include "plainfile.h"
#include "questionrecord.h"
#include "questionset.h"
#include "setfile.h"

#include <QFileInfo>

#include <optional>

namespace SetListing {

bool lines(const QString &path, QStringList &out, QString *error)
{
    if (const QString why = PlainFile::whyNoFile(path); !why.isEmpty()) {
        if (error)
            *error = QStringLiteral("\"%1\" %2").arg(path, why);
        return false;
    }
    std::optional<QuestionRecord> header;
    QStringList questions;
    QuestionSet::RoundCounts counts{};
    const bool read = SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            const QuestionRecord rec = QuestionRecord::fromBytes(raw);
            if (rec.isHeader() && !header)
                header = rec;
            if (!QuestionSet::isQuestion(raw))
                return true;
            ++counts[rec.round - 1];
            questions << QStringLiteral("%1 %2 %3 %4 %5")
                             .arg(n, 6)
                             .arg(rec.number, 6)
                             .arg(Ladder::amount(rec.round), -8)
                             .arg(rec.right_answer, -5)
                             .arg(rec.question);
            return true;
        },
        error);
    if (!read)
        return false;

    out.clear();
    if (header) {
        out << QStringLiteral("Creator: %1").arg(header->answer_a)
            << QStringLiteral("Message: %1").arg(header->question);
    } else {
        out << QStringLiteral("No header: the set has no creator or message.");
    }
    out << QString();
    out << QStringLiteral("Record Number Round    Right Question");
    out << questions;
    out << QString();
    int total = 0;
    for (int r = 1; r <= Ladder::STEPS; ++r) {
        out << QStringLiteral("%1 %2").arg(Ladder::amount(r) + QLatin1Char(':'), -9).arg(counts[r - 1]);
        total += counts[r - 1];
    }
    out << QStringLiteral("%1 %2").arg(QStringLiteral("Total:"), -9).arg(total);
    return true;
}

} // namespace SetListing

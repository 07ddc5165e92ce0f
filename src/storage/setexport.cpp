#include "setexport.h"

#include "csv.h"
#include "plainfile.h"
#include "questionrecord.h"
#include "questionset.h"
#include "saferewrite.h"
#include "setfile.h"

#include <QFileInfo>

namespace SetExport {

const QStringList &columns()
{
    static const QStringList names = {
        QStringLiteral("round"),    QStringLiteral("question"), QStringLiteral("answer_a"),
        QStringLiteral("answer_b"), QStringLiteral("answer_c"), QStringLiteral("answer_d"),
        QStringLiteral("right"),
    };
    return names;
}

Result toCsv(const QString &path, const Csv::Format &format)
{
    Result result;
    if (const QString why = PlainFile::whyNoFile(path); !why.isEmpty()) {
        result.error = QStringLiteral("\"%1\" %2").arg(path, why);
        return result;
    }
    const QFileInfo info(path);
    QString text = Csv::row(columns(), format.separator);
    const bool read = SetFile::scan(
        path,
        [&](int n, QByteArrayView raw) {
            const QuestionRecord rec = QuestionRecord::fromBytes(raw);
            if (rec.isHeader()) {
                // Never a question, whatever its round: it holds the password.
                if (rec.inRound())
                    result.warnings << QStringLiteral("record %1 left out: it is a header "
                                                      "(number 9999) although its round is %2")
                                           .arg(n)
                                           .arg(rec.round);
                return true;
            }
            if (!rec.inRound()) {
                result.warnings << QStringLiteral("record %1 left out: round %2 is outside 1 to 15")
                                           .arg(n)
                                           .arg(rec.round);
                return true;
            }
            if (!QuestionSet::isQuestion(raw)) {
                result.warnings << QStringLiteral("record %1 left out: number %2 is %3 or above, "
                                                  "so it is no question")
                                       .arg(n)
                                       .arg(rec.number)
                                       .arg(QuestionSet::FIRST_RESERVED_NUMBER);
                return true;
            }
            if (QuestionSet::typedRight(rec.right_answer).isEmpty())
                result.warnings << QStringLiteral("record %1: right answer \"%2\" is not a to d; "
                                                  "its row will not import until it is fixed")
                                       .arg(n)
                                       .arg(rec.right_answer);
            text += Csv::row({QString::number(rec.round), rec.question, rec.answer_a, rec.answer_b,
                              rec.answer_c, rec.answer_d, rec.right_answer.toUpper()},
                             format.separator);
            ++result.rows;
            return true;
        },
        &result.error);
    if (!read)
        return result;
    if (info.size() % QuestionRecord::LENGTH != 0)
        result.warnings << QStringLiteral("the last %1 byte(s) are not a whole record and are left out")
                               .arg(info.size() % QuestionRecord::LENGTH);
    result.csv = Csv::encode(text, format.encoding);
    return result;
}

Result toFile(const QString &path, const QString &csvPath, const Csv::Format &format)
{
    if (PlainFile::samePath(csvPath, path)) {
        Result refused;
        refused.error = QStringLiteral("the CSV file must not be the set file itself");
        return refused;
    }
    Result result = toCsv(path, format);
    if (result.error.isEmpty())
        SafeRewrite::replace(csvPath, result.csv, &result.error);
    return result;
}

} // namespace SetExport

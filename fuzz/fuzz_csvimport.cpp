// The CSV import of quorvane-sets over arbitrary bytes: parsing, checking
// every row, and writing what it accepts into a new set and an existing one.
#include "fuzzsupport.h"

#include "storage/csv.h"
#include "storage/setcheck.h"
#include "storage/setimport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QTemporaryDir *g_dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    g_dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Every separator over the decoded text, whatever the header says.
    const Csv::Decoded decoded = Csv::decode(bytes);
    FUZZ_CHECK(decoded.error.isEmpty() ? decoded.errorLine == 0 : decoded.errorLine >= 1);
    for (const QChar separator : Csv::separators()) {
        const Csv::Parsed parsed = Csv::parse(decoded.text, separator);
        for (const Csv::Row &row : parsed.rows) {
            FUZZ_CHECK(row.line >= 1);
            // A row written out parses back to the same fields.
            const Csv::Parsed again = Csv::parse(Csv::row(row.fields, separator), separator);
            FUZZ_CHECK(again.error.isEmpty());
            if (!again.rows.isEmpty())
                FUZZ_CHECK(again.rows.first().fields == row.fields);
        }
    }

    const SetImport::Rows rows = SetImport::readCsv(bytes);
    if (!rows.ok() || rows.questions.isEmpty())
        return 0;
    const QString created = g_dir->filePath(QStringLiteral("created.dat"));
    QFile::remove(created);
    const SetImport::Result made =
        SetImport::create(created, {QStringLiteral("Fuzz"), QStringLiteral("Hi"), QStringLiteral("pw")},
                          rows.questions);
    FUZZ_CHECK(made.status == SetImport::Result::Written);
    FUZZ_CHECK(made.records == rows.questions.size() + 1);
    FUZZ_CHECK(QFile(created).size() == qint64(made.records) * QuestionRecord::LENGTH);
    const SetCheck::Report report = SetCheck::check(created);
    FUZZ_CHECK(report.readable() && report.questions == rows.questions.size());

    const SetImport::Result added = SetImport::append(created, QStringLiteral("pw"), rows.questions);
    FUZZ_CHECK(added.status == SetImport::Result::Written
               || added.status == SetImport::Result::Refused);
    return 0;
}

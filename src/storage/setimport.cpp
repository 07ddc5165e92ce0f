#include "setimport.h"

#include "csv.h"
#include "fixedtext.h"
#include "plainfile.h"
#include "questionset.h"
#include "saferewrite.h"
#include "setexport.h"
#include "setfile.h"
#include "setlock.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace {

constexpr int kColumns = 7;

// Why typed cannot be stored in a field of width characters, or empty; the
// character named is the first at fault in typed, counted in characters.
QString fieldProblem(const QString &name, const QString &typed, int width)
{
    const QuestionSet::TextFault fault = QuestionSet::textFault(typed, width);
    // Nearly every field is fine: its message is made only when it is not.
    if (fault.kind == QuestionSet::TextFault::None)
        return {};
    const QString c = Csv::shown(QString::fromUcs4(&fault.character, 1));
    const QString at = QString::number(fault.at + 1);
    switch (fault.kind) {
    case QuestionSet::TextFault::ControlCharacter:
        return QStringLiteral("%1 holds a line break or another control character, %2 at "
                              "character %3")
            .arg(name, c, at);
    case QuestionSet::TextFault::OutsideCodePage:
        return QStringLiteral("%1 holds a character that Windows-1252 cannot store, %2 at "
                              "character %3")
            .arg(name, c, at);
    case QuestionSet::TextFault::TooLong:
        return QStringLiteral("%1 is %2 characters long; at most %3 fit")
            .arg(name)
            .arg(QuestionSet::storedText(typed).size())
            .arg(width);
    default:
        return {};
    }
}

// Checks a row and packs it into rec, LENGTH bytes, as a set stores it,
// numbered 0 until it is written; rec is of use only when no problem is found.
QList<SetImport::Problem> validate(const Csv::Row &row, char *rec)
{
    QList<SetImport::Problem> problems;
    auto add = [&](const QString &reason) { problems << SetImport::Problem{row.line, reason}; };
    if (row.fields.size() != kColumns) {
        add(QStringLiteral("%1 field(s) instead of %2").arg(row.fields.size()).arg(kColumns));
        return problems;
    }
    const std::optional<qint16> round = QuestionSet::typedRound(row.fields[0]);
    if (!round)
        add(QStringLiteral("round \"%1\" is not 1 to 15 or a prize amount such as \u00A31000")
                .arg(Csv::shown(row.fields[0].trimmed())));
    qToLittleEndian<qint16>(round.value_or(0), rec + QuestionRecord::ROUND_AT);
    qToLittleEndian<qint16>(0, rec + QuestionRecord::NUMBER_AT);

    static constexpr int at[] = {QuestionRecord::QUESTION_AT, QuestionRecord::ANSWER_A_AT,
                                 QuestionRecord::ANSWER_B_AT, QuestionRecord::ANSWER_C_AT,
                                 QuestionRecord::ANSWER_D_AT};
    for (int i = 0; i < 5; ++i) {
        const QString &name = SetExport::columns()[i + 1];
        const QString &typed = row.fields[i + 1];
        const int width = i == 0 ? QuestionRecord::QUESTION_WIDTH : QuestionRecord::ANSWER_WIDTH;
        // Stored texts are trimmed of spaces, and upper case makes no spaces.
        // A field is packed as it is checked, and looked at again only when
        // it does not fit, to say why.
        if (FixedText::trimmedView(typed).isEmpty())
            add(QStringLiteral("%1 is missing").arg(name));
        else if (!QuestionSet::storeInto(rec + at[i], typed, width))
            add(fieldProblem(name, typed, width));
    }

    const QString right = QuestionSet::typedRight(row.fields[6]);
    if (right.isEmpty())
        add(QStringLiteral("right \"%1\" is not A, B, C or D")
                .arg(Csv::shown(row.fields[6].trimmed())));
    else
        rec[QuestionRecord::RIGHT_AT] = char(right.front().unicode());
    return problems;
}

QString tooLarge()
{
    return QStringLiteral("it is larger than %1 MB, more than the questions of any set take as CSV")
        .arg(SetImport::MAX_CSV_BYTES >> 20);
}

void setError(QString *error, const QString &name, const QString &why)
{
    if (error)
        *error = QStringLiteral("could not read \"%1\": %2").arg(name, why);
}

SetImport::Result refused(SetImport::Result::Status status, const QString &message)
{
    SetImport::Result r;
    r.status = status;
    r.messages << message;
    return r;
}

// Puts the questions, numbered as the set numbers them, behind the bytes of
// the set's records, refusing to pass the limits.
bool pack(const SetImport::Records &questions, const QuestionSet::Numbering &numbering,
          QByteArray &set, SetImport::Result &result)
{
    const qsizetype count = questions.size();
    const int first = numbering.next();
    if (numbering.records + count > SetFile::MAX_RECORDS) {
        result = refused(SetImport::Result::Refused,
                         QStringLiteral("%1 question(s) would take the set past %2 records")
                             .arg(count)
                             .arg(SetFile::MAX_RECORDS));
        return false;
    }
    if (count > numbering.room()) {
        result = refused(SetImport::Result::Refused,
                         QStringLiteral("%1 question(s) would need numbers up to %2; numbers "
                                        "stop below %3")
                             .arg(count)
                             .arg(first + count - 1)
                             .arg(QuestionSet::FIRST_RESERVED_NUMBER));
        return false;
    }
    // The records are copied whole and numbered in place.
    const qsizetype start = set.size();
    set.reserve(start + questions.bytes().size());
    set += questions.bytes();
    for (qsizetype k = 0; k < count; ++k) {
        char *rec = set.data() + start + k * QuestionRecord::LENGTH;
        qToLittleEndian<qint16>(qint16(first + k), rec + QuestionRecord::NUMBER_AT);
    }
    return true;
}

} // namespace

namespace SetImport {

Records::Records(const QList<QuestionRecord> &questions)
{
    m_bytes.reserve(questions.size() * QuestionRecord::LENGTH);
    for (const QuestionRecord &q : questions)
        q.appendTo(m_bytes);
}

QuestionRecord Records::at(qsizetype k) const
{
    return QuestionRecord::fromBytes(QByteArrayView(m_bytes).sliced(k * QuestionRecord::LENGTH));
}

Rows readCsv(const QByteArray &bytes)
{
    Rows out;
    // Room for as many rows as the text can hold (the shortest row takes 14
    // bytes) up to what a set can, so that the records are not moved as
    // they grow.
    out.questions.reserve(std::min(bytes.size() / 14, qsizetype(SetFile::MAX_RECORDS)));
    int firstLine = 0;
    // Each row is checked as it is parsed; a row that is not the header
    // counts only once the header has been found.
    const Csv::Table table = Csv::read(bytes, SetExport::columns(), [&](const Csv::Row &row) {
        if (firstLine == 0) {
            firstLine = row.line;
            return true;
        }
        char rec[QuestionRecord::LENGTH];
        const QList<Problem> problems = validate(row, rec);
        if (problems.isEmpty())
            out.questions.append(QByteArrayView(rec, QuestionRecord::LENGTH));
        out.problems << problems;
        return true;
    });
    out.format = table.format;
    const QString headerRow = SetExport::columns().join(QLatin1Char(','));
    if (firstLine == 0 && table.error.isEmpty()) {
        out.problems << Problem{1, QStringLiteral("the file is empty; it needs at least the "
                                                  "header row %1")
                                       .arg(headerRow)};
        return out;
    }
    if (firstLine != 0 && !table.headerFound) {
        out.questions.clear();
        out.problems = {Problem{firstLine, QStringLiteral("the first row must be the header row "
                                                          "%1, separated by commas, semicolons "
                                                          "or tabs")
                                              .arg(headerRow)}};
        return out;
    }
    if (!table.error.isEmpty())
        out.problems << Problem{table.errorLine, table.error};
    return out;
}

std::optional<Rows> readCsvFile(const QString &path, QString *error)
{
    QString why;
    QFile csv(path);
    if (PlainFile::openToRead(csv, &why)) {
        if (csv.size() <= MAX_CSV_BYTES)
            return readCsv(csv, path, error);
        why = tooLarge();
    }
    setError(error, path, why);
    return std::nullopt;
}

std::optional<Rows> readCsv(QIODevice &in, const QString &name, QString *error)
{
    // Read in pieces, so that a file growing meanwhile or a device that never
    // ends stops at the limit.
    constexpr qint64 piece = qint64(1) << 20;
    QByteArray bytes;
    if (!in.isSequential()) // a file: its length is known, so it is read into one piece
        bytes.reserve(std::min(in.size(), MAX_CSV_BYTES) + piece);
    qint64 total = 0;
    for (;;) {
        bytes.resize(total + piece);
        const qint64 got = in.read(bytes.data() + total, piece);
        if (got < 0) {
            setError(error, name, in.errorString());
            return std::nullopt;
        }
        if (got == 0)
            break;
        total += got;
        if (total > MAX_CSV_BYTES) {
            setError(error, name, tooLarge());
            return std::nullopt;
        }
    }
    bytes.resize(total);
    return readCsv(bytes);
}

QStringList firstLines(const QStringList &lines, int limit)
{
    if (limit < 0 || lines.size() <= limit)
        return lines;
    return lines.first(limit) << QStringLiteral("and %1 more").arg(lines.size() - limit);
}

QStringList problemLines(const QString &csvName, const QList<Problem> &problems, int limit)
{
    QStringList lines;
    for (const Problem &p : problems)
        lines << QStringLiteral("%1, line %2: %3").arg(csvName, QString::number(p.line), p.reason);
    return firstLines(lines, limit);
}

QuestionRecord headerFor(const Details &details)
{
    const QuestionSet::Details filled = QuestionSet::withDefaults(
        {FixedText::trimSpaces(details.creator), FixedText::trimSpaces(details.message),
         details.password},
        QuestionSet::FillEachBlank);
    return QuestionRecord::header(filled.message, filled.creator, filled.password);
}

QStringList detailProblems(const Details &details)
{
    const QuestionRecord header = headerFor(details);
    struct Field
    {
        QString name;
        QString text;
        int width;
    };
    const Field fields[] = {
        {QStringLiteral("the creator's name"), header.answer_a, QuestionRecord::ANSWER_WIDTH},
        {QStringLiteral("the message"), header.question, QuestionRecord::QUESTION_WIDTH},
        {QStringLiteral("the password"), header.answer_b, QuestionRecord::ANSWER_WIDTH},
    };
    QStringList out;
    for (const Field &f : fields) {
        if (const QString why = fieldProblem(f.name, f.text, f.width); !why.isEmpty())
            out << why;
    }
    return out;
}

Result create(const QString &path, const Details &details, const Records &questions)
{
    if (QFileInfo::exists(path))
        return refused(Result::Failed, QStringLiteral("\"%1\" already exists; give --append to add "
                                                      "to it")
                                           .arg(path));
    if (const QString problem = QuestionSet::nameProblem(QFileInfo(path).fileName()); !problem.isEmpty())
        return refused(Result::Failed, problem);
    if (const QStringList problems = detailProblems(details); !problems.isEmpty()) {
        Result r;
        r.status = Result::Refused;
        r.messages = problems;
        return r;
    }
    Result result;
    QByteArray bytes = headerFor(details).toBytes();
    QuestionSet::Numbering numbering;
    numbering.records = 1;
    numbering.see(bytes);
    if (!pack(questions, numbering, bytes, result))
        return result;
    QString error;
    if (!SafeRewrite::create(path, bytes, &error))
        return refused(Result::Failed, error);
    result.status = Result::Written;
    result.firstNumber = numbering.next();
    result.records = 1 + int(questions.size());
    return result;
}

namespace {

// False, with result or error saying why, unless password lets an import
// into the set.
bool passwordOpens(const QString &path, const QString &password, Result &result, QString &error)
{
    switch (QuestionSet(path).unlock(password, QuestionSet::Purpose::Importing, &error)) {
    case QuestionSet::Unlock::Opened:
        return true;
    case QuestionSet::Unlock::NoHeader:
        error.clear();
        result = refused(Result::Refused,
                         QStringLiteral("\"%1\" has no header, so no password can match").arg(path));
        return false;
    case QuestionSet::Unlock::WrongPassword:
        result = refused(Result::Refused, QStringLiteral("password incorrect for \"%1\"").arg(path));
        return false;
    default:
        return false;
    }
}

// No password given: the caller has already let the user into the set.
Result appendGuarded(const QString &path, const std::optional<QString> &password,
                     const Records &questions)
{
    int code = 0;
    if (const QString why = PlainFile::whyNoFile(path, &code); !why.isEmpty())
        return refused(Result::Failed,
                       QStringLiteral("\"%1\" %2%3")
                           .arg(path, why,
                                code == ENOENT ? QStringLiteral("; leave out --append to create it")
                                               : QString()));
    Result result;
    QString error;
    // Read and written while no other program may change the set in between.
    const QuestionSet::Change done = QuestionSet(path).locked(
        [&](SetLock &held) {
            QFile &set = held.file();
            if (set.size() % QuestionRecord::LENGTH != 0) {
                result = refused(Result::Refused,
                                 QStringLiteral("\"%1\" is %2 bytes long, not a whole number of "
                                                "records; run check on it first")
                                     .arg(path)
                                     .arg(set.size()));
                return QuestionSet::Change::Refused;
            }
            QByteArray existing;
            existing.reserve(set.size());
            QuestionSet::Numbering numbering;
            const bool read = SetFile::scan(
                set, path,
                [&](int n, QByteArrayView raw) {
                    numbering.records = n;
                    numbering.see(raw);
                    existing += raw;
                    return true;
                },
                &error);
            if (!read)
                return QuestionSet::Change::Unreadable;
            if (password && !passwordOpens(path, *password, result, error))
                return QuestionSet::Change::Refused;
            if (!pack(questions, numbering, existing, result))
                return QuestionSet::Change::Refused;
            if (!SafeRewrite::replace(path, existing, &error))
                return QuestionSet::Change::Failed;
            result.status = Result::Written;
            result.firstNumber = numbering.next();
            result.records = numbering.records + int(questions.size());
            return QuestionSet::Change::Done;
        },
        &error);
    // Refusals of the data or the password are already in result; anything
    // else kept the file from being used.
    if (done == QuestionSet::Change::Done || !result.messages.isEmpty())
        return result;
    return refused(Result::Failed, error);
}

} // namespace

Result append(const QString &path, const Records &questions)
{
    return appendGuarded(path, std::nullopt, questions);
}

Result append(const QString &path, const QString &password, const Records &questions)
{
    return appendGuarded(path, password, questions);
}

} // namespace SetImport

#include "questionset.h"

#include "charscan.h"
#include "cp1252.h"
#include "csv.h"
#include "fixedtext.h"
#include "ladder.h"
#include "plainfile.h"
#include "saferewrite.h"
#include "setfile.h"
#include "setlock.h"
#include "systemio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

void setText(QString *out, const QString &text)
{
    if (out)
        *out = text;
}

// A scan's visitor that keeps the first header and stops there: the header
// is the first record numbered 9999, wherever it stands.
SetFile::Visitor firstHeader(std::optional<QuestionSet::Found> &found)
{
    return [&found](int n, QByteArrayView raw) {
        if (QuestionRecord::numberOf(raw) != QuestionRecord::HEADER_NUMBER)
            return true;
        found = QuestionSet::Found{n, QuestionRecord::fromBytes(raw), raw.toByteArray()};
        return false;
    };
}

// A whole number, rounded to the nearest with ties to even; nothing when the
// text is not a plain decimal number.
std::optional<int> wholeNumber(const QString &text)
{
    // Plain digits, as nearly every imported round is, need no parsing.
    if (!text.isEmpty() && text.size() <= 9
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        int value = 0;
        for (const QChar c : text)
            value = value * 10 + (c.unicode() - u'0');
        return value;
    }
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double value = text.toDouble();
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        whole = below + 1;
    return int(whole);
}

// C0 and C1 controls and DEL.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Whether a text of length characters, once trimmed, is too long for a field.
bool tooLong(qsizetype length, qsizetype width)
{
    return length > width;
}

void storeTexts(QuestionRecord &record)
{
    for (QString *text : {&record.question, &record.answer_a, &record.answer_b,
                          &record.answer_c, &record.answer_d})
        *text = QuestionSet::storedText(*text);
}

} // namespace

QuestionSet::QuestionSet(const QString &path)
    : m_path(path)
{
}

// ------------------------------------------------------ what a set holds

bool QuestionSet::isQuestion(QByteArrayView raw)
{
    const qint16 round = QuestionRecord::roundOf(raw);
    return round >= 1 && round <= 15 && QuestionRecord::numberOf(raw) < FIRST_RESERVED_NUMBER;
}

bool QuestionSet::playable(const RoundCounts &counts)
{
    return std::all_of(counts.begin(), counts.end(), [](int count) { return count > 0; });
}

QStringList QuestionSet::namesIn(const QString &folder)
{
    // Name filters match in any letter case; hidden files (a write's copy)
    // are left out, and so are links, which a set may never be.
    return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files | QDir::NoSymLinks,
                                  QDir::Name | QDir::IgnoreCase);
}

void QuestionSet::Numbering::see(QByteArrayView raw)
{
    const int number = QuestionRecord::numberOf(raw);
    if (number < FIRST_RESERVED_NUMBER)
        highest = std::max(highest, number);
}

int QuestionSet::Numbering::next() const
{
    return std::max(records, highest) + 1;
}

int QuestionSet::Numbering::room() const
{
    return std::max(0, std::min(SetFile::MAX_RECORDS - records, FIRST_RESERVED_NUMBER - next()));
}

// ------------------------------------------------------------ text rules

bool QuestionSet::canStore(char32_t c)
{
    return !isControl(c) && c <= 0xFFFF && Cp1252::canEncode(QString(QChar(char16_t(c))));
}

QuestionSet::TextFault QuestionSet::textFault(QStringView typed, qsizetype width)
{
    // The whole text is looked at first, and character by character only
    // when it fails: an import checks hundreds of thousands of fields.
    // One pass: printable ASCII, nearly all of any text, is passed at once,
    // eight characters at a time.
    bool fine = true;
    for (qsizetype at = 0; fine && at < typed.size(); ++at) {
        at += CharScan::printableAscii(typed.sliced(at));
        if (at < typed.size())
            fine = !isControl(typed[at].unicode()) && Cp1252::byteOf(typed[at]) >= 0;
    }
    if (!fine) {
        const QList<uint> characters = typed.toUcs4();
        for (const TextFault::Kind kind : {TextFault::ControlCharacter, TextFault::OutsideCodePage}) {
            for (qsizetype i = 0; i < characters.size(); ++i) {
                const char32_t c = characters[i];
                if (kind == TextFault::ControlCharacter ? isControl(c) : !canStore(c))
                    return {kind, c, i};
            }
        }
    }
    // Upper case never changes a storable text's length; trimming does.
    if (tooLong(FixedText::trimmedView(typed).size(), width))
        return {TextFault::TooLong, 0, width};
    return {};
}

QString QuestionSet::textProblem(const QString &field, const QString &text)
{
    QStringList missing;
    for (const char32_t c : text.toUcs4()) {
        if (canStore(c))
            continue;
        // Shown so that a tab or an invisible character can be seen.
        if (const QString character = Csv::shown(QString::fromUcs4(&c, 1));
            !missing.contains(character))
            missing << character;
    }
    if (missing.isEmpty())
        return {};
    return tr("%1 holds characters that a question set cannot store: %2")
        .arg(field, missing.join(QLatin1Char(' ')));
}

QString QuestionSet::upperCased(const QString &typed)
{
    auto capital = [](QChar c) {
        const QString upper = QString(c).toUpper();
        const bool keep = c.isSurrogate() || upper.size() != 1 || !Cp1252::canEncode(upper);
        return keep ? c : upper.front();
    };
    // The capitals of the characters a set can hold, worked out once: an
    // import upper-cases every letter of tens of thousands of questions.
    static const std::array<QChar, 256> capitals = [&] {
        std::array<QChar, 256> table;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            table[b] = capital(Cp1252::decode(QByteArrayView(&byte, 1)).front());
        }
        return table;
    }();
    auto capitalOf = [&](QChar c) {
        const int b = Cp1252::byteOf(c);
        return b >= 0 ? capitals[b] : capital(c);
    };
    // Text already in capitals is handed back as it is, without a copy. ASCII
    // other than a to z, most of such a text, is its own capital.
    auto ownCapital = [&](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 ? (u < u'a' || u > u'z') : capitalOf(c) == c;
    };
    qsizetype i = 0;
    for (;;) {
        i += CharScan::capitalAscii(QStringView(typed).sliced(i));
        if (i == typed.size() || !ownCapital(typed[i]))
            break;
        ++i;
    }
    if (i == typed.size())
        return typed;
    QString out = typed;
    for (QChar *c = out.data() + i; c != out.data() + out.size(); ++c)
        *c = capitalOf(*c);
    return out;
}

QString QuestionSet::storedText(const QString &typed)
{
    const QString upper = upperCased(typed);
    const QStringView kept = FixedText::trimmedView(upper);
    return kept.size() == upper.size() ? upper : kept.toString();
}

bool QuestionSet::storeInto(char *to, QStringView typed, qsizetype width)
{
    // The byte stored for each byte of the code page, worked out once from
    // the rules above: its capital's, or -1 for a control character.
    static const std::array<short, 256> stored = [] {
        std::array<short, 256> table;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = Cp1252::decode(QByteArrayView(&byte, 1));
            table[b] = isControl(c.front().unicode()) ? -1 : short(Cp1252::byteOf(upperCased(c).front()));
        }
        return table;
    }();
    // Spaces are never upper-cased into anything else, nor anything into them.
    const QStringView kept = FixedText::trimmedView(typed);
    if (tooLong(kept.size(), width))
        return false;
    // Printable ASCII and Latin-1, nearly all of any text, go eight
    // characters at a time; each other character through the table.
    for (qsizetype i = 0; i < kept.size(); ++i) {
        i += CharScan::capitalsOfLatin1(kept.sliced(i), to + i);
        if (i == kept.size())
            break;
        const int b = Cp1252::byteOf(kept[i]);
        if (b < 0 || stored[b] < 0)
            return false;
        to[i] = char(stored[b]);
    }
    std::memset(to + kept.size(), ' ', width - kept.size());
    return true;
}

QString QuestionSet::questionProblem(const QuestionRecord &typed)
{
    const std::pair<QString, const QString *> fields[] = {
        {tr("The question"), &typed.question},
        {tr("Answer A"), &typed.answer_a},
        {tr("Answer B"), &typed.answer_b},
        {tr("Answer C"), &typed.answer_c},
        {tr("Answer D"), &typed.answer_d}};
    for (const auto &[field, text] : fields) {
        if (QString problem = textProblem(field, upperCased(*text)); !problem.isEmpty())
            return problem;
    }
    return {};
}

QString QuestionSet::nameProblem(const QString &fileName)
{
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
        return tr("The set name must not contain / or \\.");
    if (fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return tr("The set name must not be \".\" or \"..\".");
    for (const QChar c : fileName) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return tr("The set name must not contain control characters.");
    }
    // Every change writes a copy whose name is longer than the set's, and
    // a set that can never be changed is no use.
    if (QFile::encodeName(fileName).size() > SafeRewrite::LONGEST_NAME)
        return tr("The set name is too long: a set's file name may take at most %1 bytes (an "
                  "accented letter takes two).")
            .arg(SafeRewrite::LONGEST_NAME);
    return {};
}

QString QuestionSet::freeName(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    // A link leading nowhere holds its name as well as a file does.
    auto taken = [&dir](const QString &name) {
        const QFileInfo there(dir.filePath(name));
        return there.exists() || there.isSymLink();
    };
    if (!taken(fileName))
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot > 0 ? fileName.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString tail = QStringLiteral(" (%1)").arg(n) + extension;
        QString stem = fileName.left(fileName.size() - extension.size());
        while (!stem.isEmpty()
               && QFile::encodeName(stem + tail).size() > SafeRewrite::LONGEST_NAME)
            stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() ? 2 : 1);
        if (!taken(stem + tail))
            return stem + tail;
    }
}

QuestionSet::Details QuestionSet::withDefaults(Details details, BlankDetails rule)
{
    const bool noCreatorGiven = FixedText::trimSpaces(details.creator).isEmpty();
    const bool noMessageGiven = FixedText::trimSpaces(details.message).isEmpty();
    const bool both = rule == FillBothWhenEitherBlank && (noCreatorGiven || noMessageGiven);
    if (noCreatorGiven || both)
        details.creator = noCreator();
    if (noMessageGiven || both)
        details.message = noMessage();
    return details;
}

std::optional<qint16> QuestionSet::typedRound(const QString &typed)
{
    // Plain digits, as nearly every imported round is, are their own capitals
    // and have no spaces to trim.
    const bool digits = !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    const QString text = digits ? typed : FixedText::trimSpaces(typed.toUpper());
    // A prize, as the main window's round box shows it.
    if (text.startsWith(u'\u00A3')) {
        const int step = Ladder::stepOf(text);
        return step > 0 ? std::optional<qint16>(step) : std::nullopt;
    }
    const std::optional<int> round = wholeNumber(text);
    if (!round || *round < 1 || *round > 15)
        return std::nullopt;
    return qint16(*round);
}

QString QuestionSet::typedRight(const QString &typed)
{
    // A single letter, as nearly every imported row has, is answered at once.
    if (typed.size() == 1 && (typed[0].unicode() | 0x20) >= u'a' && (typed[0].unicode() | 0x20) <= u'd')
        return QString(QChar(char16_t(typed[0].unicode() | 0x20)));
    const QString right = FixedText::trimSpaces(typed.toUpper());
    if (right < QLatin1String("A") || right > QLatin1String("D"))
        return {};
    return right.toLower().left(QuestionRecord::RIGHT_WIDTH);
}

// ------------------------------------------------------------ reading

std::optional<int> QuestionSet::openCounting(QString *error) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Read-only first, so that a set that may not be written still plays.
    SetFile file(m_path);
    if (!file.openReadOnly() && !file.open()) {
        setText(error, file.errorString());
        return std::nullopt;
    }
    const int count = file.recordCount();
    file.close();
    return count;
}

QString QuestionSet::openProblem() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QFile file(m_path);
    QString why;
    int code = 0;
    if (PlainFile::open(file, QIODevice::ReadOnly, false, &why, &code)) {
        why = SetFile::lengthProblem(m_path, file.size());
    } else if (code == ENOENT) {
        // Made and removed again, to see that it can be made (the main window
        // makes it and writes its header).
        why = SystemIo::canCreate(m_path) ? QString() : qt_error_string(errno);
    }
    if (why.isEmpty())
        return {};
    return tr("The question set \"%1\" cannot be opened or created: %2")
        .arg(QFileInfo(m_path).fileName(), why);
}

std::optional<QuestionSet::Found> QuestionSet::findHeader(QString *error) const
{
    std::optional<Found> found;
    SetFile::scan(m_path, firstHeader(found), error);
    return found;
}

QuestionSet::RoundCounts QuestionSet::countRounds(QString *error) const
{
    RoundCounts counts{};
    forEachQuestion([&](int, QByteArrayView raw) { ++counts[QuestionRecord::roundOf(raw) - 1]; },
                    error);
    return counts;
}

bool QuestionSet::forEachQuestion(const std::function<void(int, QByteArrayView)> &visit,
                                  QString *error) const
{
    return SetFile::scan(
        m_path,
        [&](int n, QByteArrayView raw) {
            if (isQuestion(raw))
                visit(n, raw);
            return true;
        },
        error);
}

bool QuestionSet::isNew() const
{
    return SetFile::countFromLength(QFileInfo(m_path).size()) < 1;
}

QuestionSet::Unlock QuestionSet::unlock(const QString &typed, Purpose purpose,
                                        QString *error) const
{
    // The manager's gate has always ignored letter case; adding and
    // importing, which change the set without opening it, never have.
    const bool ignoreCase = purpose == Purpose::Managing;
    auto compared = [ignoreCase](const QString &text) {
        return FixedText::trimSpaces(ignoreCase ? text.toUpper() : text);
    };
    const QString wanted = compared(typed);
    bool matched = false;
    bool headed = false;
    QString why;
    const bool read = SetFile::scan(
        m_path,
        [&](int, QByteArrayView raw) {
            if (QuestionRecord::numberOf(raw) == QuestionRecord::HEADER_NUMBER) {
                headed = true;
                matched = compared(QuestionRecord::fromBytes(raw).answer_b) == wanted;
            }
            return !matched;
        },
        &why);
    if (matched)
        return Unlock::Opened;
    // No password is wrong where there is none to compare with.
    if (read && !headed)
        why = missingHeader();
    setText(error, why);
    if (!read)
        return Unlock::Unreadable;
    return headed ? Unlock::WrongPassword : Unlock::NoHeader;
}

QString QuestionSet::missingHeader() const
{
    const QString name = QFileInfo(m_path).fileName();
    if (!QFileInfo::exists(m_path))
        return tr("The question set \"%1\" no longer exists.").arg(name);
    return tr("The question set \"%1\" has lost its header and cannot be changed.").arg(name);
}

std::optional<QuestionSet::Pick> QuestionSet::pick(int n, QString *error) const
{
    SetFile file(m_path);
    if (!file.openReadOnly()) {
        setText(error, QFileInfo::exists(m_path) ? file.errorString() : missingHeader());
        return std::nullopt;
    }
    Pick picked{n, {}};
    const bool read = file.readRaw(n, picked.bytes);
    file.close();
    if (!read)
        return std::nullopt;
    return picked;
}

// ------------------------------------------------------------ changing

namespace {

std::optional<QuestionSet::Numbering> numberingIn(QFile &set, const QString &path,
                                                  QString *error)
{
    QuestionSet::Numbering numbering;
    const bool read = SetFile::scan(
        set, path,
        [&](int, QByteArrayView raw) {
            numbering.see(raw);
            return true;
        },
        error);
    if (!read)
        return std::nullopt;
    numbering.records = SetFile::countFromLength(set.size());
    return numbering;
}

std::optional<QuestionSet::Slot> slotFrom(const std::optional<QuestionSet::Numbering> &numbering,
                                          QString *problem)
{
    if (!numbering)
        return std::nullopt;
    if (numbering->room() < 1) {
        setText(problem, QuestionSet::tr("This question set is full: no more questions can be "
                                         "added to it."));
        return std::nullopt;
    }
    return QuestionSet::Slot{numbering->records + 1, numbering->next()};
}

bool stillPicked(const SetLock &held, const QuestionSet::Pick &picked)
{
    QByteArray now;
    return SetFile::readRaw(held.handle(), picked.record, now) && now == picked.bytes;
}

std::optional<QuestionSet::Found> headerIn(QFile &set, const QString &path, QString *error)
{
    std::optional<QuestionSet::Found> found;
    SetFile::scan(set, path, firstHeader(found), error);
    return found;
}

// Why a pick no longer found cannot be changed: the set has lost its header
// (Refused), or another program changed the record (Moved).
QuestionSet::Change pickGone(SetLock &held, const QuestionSet &set, QString *error)
{
    QString why;
    if (headerIn(held.file(), set.path(), &why))
        return QuestionSet::Change::Moved;
    setText(error, why.isEmpty() ? set.missingHeader() : why);
    return why.isEmpty() ? QuestionSet::Change::Refused : QuestionSet::Change::Unreadable;
}

QuestionSet::Change removeIn(QFile &set, const QString &path, int n, QuestionSet::Removal &result,
                             QString *error)
{
    QByteArray kept;
    // Room for the whole file up front: growing a buffer of many megabytes
    // step by step would copy it over and over.
    kept.reserve(std::min(set.size(), qint64(SetFile::MAX_RECORDS) * QuestionRecord::LENGTH));
    result = {};
    const bool read = SetFile::scan(
        set, path,
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
        return QuestionSet::Change::Unreadable;
    if (result.removed > 0 && !SafeRewrite::replace(path, kept, error))
        return QuestionSet::Change::Failed;
    return QuestionSet::Change::Done;
}

} // namespace

QuestionSet::Change QuestionSet::locked(const Work &work, QString *error) const
{
    SetLock lock(m_path);
    switch (lock.state()) {
    case SetLock::State::Held:
        break;
    case SetLock::State::ReadOnly:
    case SetLock::State::Busy:
        setText(error, lock.problem());
        return Change::Refused;
    case SetLock::State::Missing:
        setText(error, missingHeader());
        return Change::Unreadable;
    default:
        setText(error, lock.problem());
        return Change::Unreadable;
    }
    if (const QString problem = SetFile::lengthProblem(m_path, lock.size());
        !problem.isEmpty()) {
        setText(error, problem);
        return Change::Unreadable;
    }
    return work(lock);
}

std::optional<QuestionSet::Numbering> QuestionSet::numbering(QString *error) const
{
    QFile set(m_path);
    QString why;
    int code = 0;
    if (!PlainFile::open(set, QIODevice::ReadOnly | QIODevice::Unbuffered, false, &why, &code)) {
        if (code == ENOENT)
            return Numbering{};
        setText(error, why);
        return std::nullopt;
    }
    return numberingIn(set, m_path, error);
}

std::optional<QuestionSet::Slot> QuestionSet::nextSlot(QString *problem) const
{
    return slotFrom(numbering(problem), problem);
}

QuestionSet::Change QuestionSet::writeHeader(int &recordCount, const QuestionRecord &header,
                                             QString *error) const
{
    return locked(
        [&](SetLock &held) {
            if (const int records = SetFile::countFromLength(held.size()); records > 0) {
                recordCount = records;
                return Change::Done;
            }
            if (!SetFile::putRecord(held.file(), m_path, 1, header, error))
                return Change::Failed;
            recordCount = 1;
            return Change::Done;
        },
        error);
}

QuestionSet::Change QuestionSet::add(QuestionRecord typed, int &recordCount,
                                     QString *problem) const
{
    storeTexts(typed);
    return locked(
        [&](SetLock &held) {
            const std::optional<Slot> slot =
                slotFrom(numberingIn(held.file(), m_path, problem), problem);
            if (!slot)
                return Change::Refused;
            typed.number = qint16(slot->number);
            if (!SetFile::putRecord(held.file(), m_path, slot->record, typed, problem))
                return Change::Failed;
            recordCount = slot->record;
            return Change::Done;
        },
        problem);
}

QuestionSet::Change QuestionSet::edit(Pick &picked, QuestionRecord edited, QString *error) const
{
    storeTexts(edited);
    return locked(
        [&](SetLock &held) {
            // The picked record is there, whole: it is overwritten in place
            // through the handle alone, which keeps the edit at one synced write.
            if (!stillPicked(held, picked))
                return pickGone(held, *this, error);
            const QByteArray bytes = edited.toBytes();
            if (!SafeRewrite::overwrite(held.handle(), m_path,
                                        qint64(picked.record - 1) * QuestionRecord::LENGTH, bytes,
                                        error, picked.bytes))
                return Change::Failed;
            picked.bytes = bytes;
            return Change::Done;
        },
        error);
}

QuestionSet::Change QuestionSet::remove(const Pick &picked, Removal &removal,
                                        QString *error) const
{
    return locked(
        [&](SetLock &held) {
            return stillPicked(held, picked)
                       ? removeIn(held.file(), m_path, picked.record, removal, error)
                       : pickGone(held, *this, error);
        },
        error);
}

std::optional<QuestionSet::Removal> QuestionSet::removeRecord(int n, QString *error) const
{
    Removal removal;
    if (locked([&](SetLock &held) { return removeIn(held.file(), m_path, n, removal, error); },
               error)
        != Change::Done)
        return std::nullopt;
    return removal;
}

QuestionSet::Change QuestionSet::changeDetails(Pick &loaded, const Details &typed,
                                               QString *error) const
{
    return locked(
        [&](SetLock &held) {
            QString why;
            std::optional<Found> found = headerIn(held.file(), m_path, &why);
            if (!found) {
                setText(error, why.isEmpty() ? missingHeader() : why);
                return why.isEmpty() ? Change::Refused : Change::Unreadable;
            }
            // Details shown before another program changed them would
            // quietly undo that change.
            if (found->bytes != loaded.bytes)
                return Change::Moved;
            QuestionRecord &header = found->record;
            const Details details = withDefaults({FixedText::trimSpaces(typed.creator),
                                                  FixedText::trimSpaces(typed.message), {}},
                                                 FillBothWhenEitherBlank);
            header.answer_a = details.creator;
            header.question = details.message;
            if (const QString password = FixedText::trimSpaces(typed.password); !password.isEmpty())
                header.answer_b = password;
            if (!SetFile::putRecord(held.file(), m_path, found->n, header, error))
                return Change::Failed;
            loaded = {found->n, header.toBytes()};
            return Change::Done;
        },
        error);
}

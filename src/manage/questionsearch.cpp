#include "questionsearch.h"

#include "storage/cp1252.h"
#include "storage/questionrecord.h"
#include "storage/setfile.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

// What each byte of a stored text becomes when searched: one or two bytes.
struct Folded
{
    char bytes[2] = {0, 0};
    int size = 0;
};

// Between the fields of a record, so that a search never matches across two.
constexpr char kFieldBreak = '\x1F';

const std::array<Folded, 256> &foldTable()
{
    static const std::array<Folded, 256> table = [] {
        std::array<Folded, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            QString text = Cp1252::decode(QByteArrayView(&byte, 1))
                               .normalized(QString::NormalizationForm_D);
            text.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
            // Through upper case first, so that "ß" becomes "ss" as "SS" does.
            const QString lower = text.toUpper().toLower();
            const QByteArray folded = Cp1252::encode(lower);
            const bool fits = Cp1252::canEncode(lower) && !folded.isEmpty() && folded.size() <= 2
                              && b != kFieldBreak;
            Folded &f = t[std::size_t(b)];
            f.size = fits ? int(folded.size()) : 1;
            f.bytes[0] = fits ? folded[0] : byte;
            f.bytes[1] = fits && folded.size() == 2 ? folded[1] : 0;
        }
        return t;
    }();
    return table;
}

void appendFolded(QByteArray &out, QByteArrayView stored)
{
    const auto &table = foldTable();
    for (const char c : stored) {
        const Folded &f = table[std::size_t(uchar(c))];
        out.append(f.bytes, f.size);
    }
}

using Bytes16 = uchar __attribute__((vector_size(16)));

// Where needle first stands in text from at on, or -1. Sixteen places are
// tried at once by their first and last bytes, and only where both fit is
// the rest compared: a keystroke searches every text of the largest set.
qsizetype find(const uchar *text, qsizetype size, qsizetype at, QByteArrayView needle)
{
    const qsizetype n = needle.size();
    const auto *wanted = reinterpret_cast<const uchar *>(needle.data());
    const Bytes16 firsts = Bytes16{} + wanted[0];
    const Bytes16 lasts = Bytes16{} + wanted[n - 1];
    for (; at + n - 1 + 16 <= size; at += 16) {
        Bytes16 starts, ends;
        std::memcpy(&starts, text + at, 16);
        std::memcpy(&ends, text + at + n - 1, 16);
        const auto both = (starts == firsts) & (ends == lasts);
        quint64 halves[2];
        std::memcpy(halves, &both, 16);
        for (int half = 0; half < 2; ++half) {
            // Each place that fits is a byte of all ones.
            for (quint64 bits = halves[half]; bits != 0;) {
                const int bit = std::countr_zero(bits);
                const qsizetype place = at + 8 * half + bit / 8;
                if (std::memcmp(text + place, wanted, size_t(n)) == 0)
                    return place;
                bits &= ~(quint64(0xFF) << bit);
            }
        }
    }
    for (; at + n <= size; ++at) {
        if (std::memcmp(text + at, wanted, size_t(n)) == 0)
            return at;
    }
    return -1;
}

// The first byte each byte folds to: what sorting compares.
const std::array<uchar, 256> &sortTable()
{
    static const std::array<uchar, 256> table = [] {
        std::array<uchar, 256> t{};
        for (std::size_t b = 0; b < t.size(); ++b)
            t[b] = uchar(foldTable()[b].bytes[0]);
        return t;
    }();
    return table;
}

} // namespace

QByteArray QuestionSearch::fold(QStringView text)
{
    if (!Cp1252::canEncode(text))
        return {};
    QByteArray out;
    appendFolded(out, Cp1252::encode(text));
    return out;
}

int QuestionSearch::compare(QByteArrayView a, QByteArrayView b)
{
    const auto &table = sortTable();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int x = table[uchar(a[i])];
        const int y = table[uchar(b[i])];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QuestionSearch::SortKey QuestionSearch::sortKey(QByteArrayView stored)
{
    const auto &table = sortTable();
    // Eight letters to a number, the first in the highest byte, so that the
    // numbers order as the letters do; a short text ends in zero bytes.
    auto eight = [&](qsizetype from) {
        quint64 key = 0;
        for (qsizetype i = from; i < from + 8; ++i)
            key = key << 8 | (i < stored.size() ? table[uchar(stored[i])] : 0);
        return key;
    };
    return {eight(0), eight(8)};
}

bool QuestionSearch::build(const QString &path, QString *error)
{
    m_texts.clear();
    m_starts.clear();
    constexpr int widths[] = {QuestionRecord::QUESTION_WIDTH, QuestionRecord::ANSWER_WIDTH,
                              QuestionRecord::ANSWER_WIDTH, QuestionRecord::ANSWER_WIDTH,
                              QuestionRecord::ANSWER_WIDTH};
    m_built = SetFile::scan(
        path,
        [&](int, QByteArrayView raw) {
            m_starts.append(m_texts.size());
            qsizetype at = QuestionRecord::QUESTION_AT;
            for (const int width : widths) {
                QByteArrayView field = raw.sliced(at, width);
                while (!field.isEmpty() && field.back() == ' ') // the padding says nothing
                    field.chop(1);
                appendFolded(m_texts, field);
                m_texts.append(kFieldBreak);
                at += width;
            }
            return true;
        },
        error);
    m_starts.append(m_texts.size());
    return m_built;
}

QList<bool> QuestionSearch::recordsHolding(QByteArrayView needle) const
{
    const qsizetype records = m_starts.size() - 1;
    QList<bool> held(std::max<qsizetype>(records + 1, 1), false);
    // A typed field break would match across fields.
    if (needle.isEmpty() || needle.contains(kFieldBreak))
        return held;
    const auto *texts = reinterpret_cast<const uchar *>(m_texts.constData());
    qsizetype record = 0; // counted from 0 here
    for (qsizetype at = 0; (at = find(texts, m_texts.size(), at, needle)) >= 0;) {
        while (m_starts[record + 1] <= at)
            ++record;
        held[record + 1] = true;
        at = m_starts[record + 1]; // one hit is enough: on to the next record
    }
    return held;
}

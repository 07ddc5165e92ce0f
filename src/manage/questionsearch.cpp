#include "questionsearch.h"

#include "storage/cp1252.h"
#include "storage/questionrecord.h"
#include "storage/setfile.h"

#include <array>

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
    const auto &table = foldTable();
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int x = uchar(table[std::size_t(uchar(a[i]))].bytes[0]);
        const int y = uchar(table[std::size_t(uchar(b[i]))].bytes[0]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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

bool QuestionSearch::matches(int record, QByteArrayView needle) const
{
    if (record < 1 || record >= m_starts.size())
        return false;
    const qsizetype start = m_starts[record - 1];
    const QByteArrayView texts = QByteArrayView(m_texts).sliced(start, m_starts[record] - start);
    return texts.indexOf(needle) >= 0;
}

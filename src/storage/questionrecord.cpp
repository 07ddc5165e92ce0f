#include "questionrecord.h"

#include "cp1252.h"
#include "fixedtext.h"

#include <QtEndian>

namespace {

QString textAt(QByteArrayView raw, int offset, int width)
{
    return FixedText::trimSpaces(Cp1252::decode(raw.sliced(offset, width)));
}

void putInt16(QByteArray &out, qint16 value)
{
    char le[2];
    qToLittleEndian<qint16>(value, le);
    out.append(le, 2);
}

} // namespace

QuestionRecord QuestionRecord::header(const QString &message, const QString &creator,
                                      const QString &password)
{
    QuestionRecord rec;
    rec.round = HEADER_ROUND;
    rec.number = HEADER_NUMBER;
    rec.question = FixedText::trimSpaces(message);
    rec.answer_a = FixedText::trimSpaces(creator);
    rec.answer_b = FixedText::trimSpaces(password);
    return rec;
}

QByteArray QuestionRecord::toBytes() const
{
    QByteArray out;
    out.reserve(LENGTH);
    appendTo(out);
    return out;
}

void QuestionRecord::appendTo(QByteArray &out) const
{
    [[maybe_unused]] const qsizetype start = out.size();
    putInt16(out, round);
    putInt16(out, number);
    FixedText::packInto(out, question, QUESTION_WIDTH);
    FixedText::packInto(out, answer_a, ANSWER_WIDTH);
    FixedText::packInto(out, answer_b, ANSWER_WIDTH);
    FixedText::packInto(out, answer_c, ANSWER_WIDTH);
    FixedText::packInto(out, answer_d, ANSWER_WIDTH);
    FixedText::packInto(out, right_answer, RIGHT_WIDTH);
    Q_ASSERT(out.size() - start == LENGTH);
}

qint16 QuestionRecord::roundOf(QByteArrayView raw)
{
    return qFromLittleEndian<qint16>(raw.data() + ROUND_AT);
}

qint16 QuestionRecord::numberOf(QByteArrayView raw)
{
    return qFromLittleEndian<qint16>(raw.data() + NUMBER_AT);
}

QuestionRecord QuestionRecord::fromBytes(QByteArrayView raw)
{
    Q_ASSERT(raw.size() >= LENGTH);
    QuestionRecord rec;
    rec.round = roundOf(raw);
    rec.number = numberOf(raw);
    rec.question = textAt(raw, QUESTION_AT, QUESTION_WIDTH);
    rec.answer_a = textAt(raw, ANSWER_A_AT, ANSWER_WIDTH);
    rec.answer_b = textAt(raw, ANSWER_B_AT, ANSWER_WIDTH);
    rec.answer_c = textAt(raw, ANSWER_C_AT, ANSWER_WIDTH);
    rec.answer_d = textAt(raw, ANSWER_D_AT, ANSWER_WIDTH);
    rec.right_answer = textAt(raw, RIGHT_AT, RIGHT_WIDTH);
    return rec;
}

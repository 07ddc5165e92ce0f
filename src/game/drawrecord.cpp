#include "drawrecord.h"

#include "storage/cp1252.h"
#include "storage/fixedtext.h"
#include "storage/questionrecord.h"

#include <QtEndian>

namespace {

QString text(QByteArrayView raw, int at, int width)
{
    return FixedText::trimSpaces(Cp1252::decode(raw.sliced(at, width)));
}

} // namespace

QByteArray DrawRecord::pack(qint16 seq, QByteArrayView setRecord)
{
    QByteArray raw;
    raw.reserve(LENGTH);
    packInto(raw, seq, setRecord);
    return raw;
}

void DrawRecord::packInto(QByteArray &out, qint16 seq, QByteArrayView setRecord)
{
    Q_ASSERT(setRecord.size() >= QuestionRecord::LENGTH);
    char le[2];
    qToLittleEndian<qint16>(seq, le);
    out.append(le, 2);
    // The six texts sit together at the end of both records.
    out.append(setRecord.sliced(QuestionRecord::QUESTION_AT,
                                QuestionRecord::LENGTH - QuestionRecord::QUESTION_AT));
    static_assert(QUESTION_AT + QuestionRecord::LENGTH - QuestionRecord::QUESTION_AT == LENGTH);
}

DrawRecord DrawRecord::fromBytes(QByteArrayView raw)
{
    Q_ASSERT(raw.size() >= LENGTH);
    DrawRecord r;
    r.seq = seqOf(raw);
    r.question = text(raw, QUESTION_AT, QuestionRecord::QUESTION_WIDTH);
    r.answer_a = text(raw, ANSWER_A_AT, QuestionRecord::ANSWER_WIDTH);
    r.answer_b = text(raw, ANSWER_B_AT, QuestionRecord::ANSWER_WIDTH);
    r.answer_c = text(raw, ANSWER_C_AT, QuestionRecord::ANSWER_WIDTH);
    r.answer_d = text(raw, ANSWER_D_AT, QuestionRecord::ANSWER_WIDTH);
    r.right_answer = Cp1252::decode(raw.sliced(RIGHT_AT, 1));
    return r;
}

qint16 DrawRecord::seqOf(QByteArrayView raw)
{
    return qFromLittleEndian<qint16>(raw.data() + SEQ_AT);
}

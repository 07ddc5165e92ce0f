#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One 403-byte record of the draw scratch file: a sequence number followed by
// the six text fields of a set record, copied byte for byte.
struct DrawRecord
{
    static constexpr int LENGTH = 403;
    static constexpr int SEQ_AT = 0;
    static constexpr int QUESTION_AT = 2;
    static constexpr int ANSWER_A_AT = 202;
    static constexpr int ANSWER_B_AT = 252;
    static constexpr int ANSWER_C_AT = 302;
    static constexpr int ANSWER_D_AT = 352;
    static constexpr int RIGHT_AT = 402;

    qint16 seq = 0;
    // Texts are trimmed of spaces; the right-answer letter is kept as stored.
    QString question;
    QString answer_a;
    QString answer_b;
    QString answer_c;
    QString answer_d;
    QString right_answer;

    // The draw record for a raw 405-byte set record.
    static QByteArray pack(qint16 seq, QByteArrayView setRecord);
    // The same, added to the end of out.
    static void packInto(QByteArray &out, qint16 seq, QByteArrayView setRecord);
    // raw must hold at least LENGTH bytes.
    static DrawRecord fromBytes(QByteArrayView raw);
    static qint16 seqOf(QByteArrayView raw);
};

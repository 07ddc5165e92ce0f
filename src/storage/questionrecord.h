#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One 405-byte record of a set file. Texts are held trimmed; padding and
// trimming happen only when a record is packed or unpacked.
struct QuestionRecord
{
    static constexpr int LENGTH = 405;
    static constexpr int QUESTION_WIDTH = 200;
    static constexpr int ANSWER_WIDTH = 50;
    static constexpr int RIGHT_WIDTH = 1;
    static constexpr qint16 HEADER_ROUND = 99;
    static constexpr qint16 HEADER_NUMBER = 9999;

    // Byte offsets of the fields within a record.
    static constexpr int ROUND_AT = 0;
    static constexpr int NUMBER_AT = 2;
    static constexpr int QUESTION_AT = 4;
    static constexpr int ANSWER_A_AT = 204;
    static constexpr int ANSWER_B_AT = 254;
    static constexpr int ANSWER_C_AT = 304;
    static constexpr int ANSWER_D_AT = 354;
    static constexpr int RIGHT_AT = 404;

    qint16 round = 0;
    qint16 number = 0;
    QString question;
    QString answer_a;
    QString answer_b;
    QString answer_c;
    QString answer_d;
    QString right_answer;

    bool isHeader() const { return number == HEADER_NUMBER; }
    bool inRound() const { return round >= 1 && round <= 15; }

    // The header of a new set: message, creator and password, trimmed.
    static QuestionRecord header(const QString &message, const QString &creator,
                                 const QString &password);

    QByteArray toBytes() const;
    // The same bytes, behind what out already holds.
    void appendTo(QByteArray &out) const;
    // raw must hold at least LENGTH bytes.
    static QuestionRecord fromBytes(QByteArrayView raw);

    static qint16 roundOf(QByteArrayView raw);
    static qint16 numberOf(QByteArrayView raw);

    friend bool operator==(const QuestionRecord &, const QuestionRecord &) = default;
};

#pragma once

#include "storage/ladder.h"
#include "storage/questionrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class RandomSource;

// The questions of one game and the draw of each round's question. The set is
// read once, when the game starts: a set changed or deleted during the game
// can then neither repeat a question nor put one of another round on screen,
// and each round's draw is over the questions the round had at the start.
class QuestionDraw
{
public:
    // Reads every round's questions from the set file in one pass. False,
    // with error set, when the file cannot be read; nothing is kept then.
    bool read(const QString &setPath, QString *error = nullptr);

    // How many questions round (1 to 15) has.
    int count(int round) const;
    bool everyRoundHasAQuestion() const;

    // One question of the round at random, each equally likely: the r-th in
    // set order for r = pick(count), one number taken from random. None when
    // the round has no question (and no number is taken). Texts are trimmed;
    // the right letter is exactly as stored.
    std::optional<QuestionRecord> draw(int round, RandomSource &random) const;

private:
    // The set's records, whole and in set order.
    QByteArray m_records;
    // Where round r's questions start in m_records, in set order, at index r - 1.
    std::array<QList<qsizetype>, Ladder::STEPS> m_rounds;
};

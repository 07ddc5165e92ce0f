#include "questiondraw.h"

#include "randomsource.h"
#include "storage/cp1252.h"
#include "storage/questionset.h"
#include "storage/setfile.h"

bool QuestionDraw::read(const QString &setPath, QString *error)
{
    // The set read whole in one go and kept as it is, each round a list of
    // where its questions stand in it: no record is copied again. A set that
    // cannot be read leaves no records, so no round has a question.
    m_rounds = {};
    const bool ok = SetFile::readAll(setPath, m_records, error);
    for (qsizetype at = 0; at < m_records.size(); at += QuestionRecord::LENGTH) {
        const QByteArrayView raw = QByteArrayView(m_records).sliced(at, QuestionRecord::LENGTH);
        if (QuestionSet::isQuestion(raw))
            m_rounds[QuestionRecord::roundOf(raw) - 1].append(at);
    }
    return ok;
}

int QuestionDraw::count(int round) const
{
    if (round < 1 || round > Ladder::STEPS)
        return 0;
    return int(m_rounds[round - 1].size());
}

bool QuestionDraw::everyRoundHasAQuestion() const
{
    QuestionSet::RoundCounts counts{};
    for (int round = 1; round <= Ladder::STEPS; ++round)
        counts[round - 1] = count(round);
    return QuestionSet::playable(counts);
}

std::optional<QuestionRecord> QuestionDraw::draw(int round, RandomSource &random) const
{
    const int questions = count(round);
    if (questions == 0)
        return std::nullopt;
    const int r = random.pick(questions);
    const QByteArrayView raw = QByteArrayView(m_records)
                                   .sliced(m_rounds[round - 1][r - 1], QuestionRecord::LENGTH);
    QuestionRecord drawn = QuestionRecord::fromBytes(raw);
    drawn.right_answer = Cp1252::decode(raw.sliced(QuestionRecord::RIGHT_AT, 1));
    return drawn;
}

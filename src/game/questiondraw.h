#pragma once

#include "drawrecord.h"

#include <QString>

#include <optional>

struct AppState;
class RandomSource;

// Draws one question of a round at random through the scratch file
// Questions/q_rand.tmp, which exists only while the draw runs.
namespace QuestionDraw {

struct Result
{
    // False when the set file could not be read; nothing is drawn then.
    bool ok = true;
    QString error;
    int count = 0;  // questions of the round
    int drawn = 0;  // their sequence number that was drawn
    // The record to show; empty when the round has no question.
    std::optional<DrawRecord> record;
};

Result run(AppState &state, int round, RandomSource &random);

QString scratchPath(const AppState &state);

} // namespace QuestionDraw

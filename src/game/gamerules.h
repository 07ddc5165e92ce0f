#pragma once

#include "gamestate.h"
#include "soundservice.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class RandomSource;

// The rules of a game, apart from any window: what the ladder pays, what a
// wrong answer or walking away leaves, what the lifelines say and which music
// plays. The game screen only connects its controls to them.
//
// A level counts the ladder steps won: 0 before the first right answer, 15
// after the last. Answer letters are "a" .. "d", exactly as a set stores them;
// any other right letter makes every answer wrong.
namespace GameRules {

constexpr int TOP_LEVEL = 15;

// The letters "a" .. "d" in order.
const QStringList &letters();

// Whether a press counts: only while a question waits for its answer, and
// an answer only while it is one of "a" .. "d" that 50:50 has not taken away.
bool counts(const GameState &game, GamePress press, const QString &letter = QString());

// What the player holds at a level: "£0", then the ladder's amounts.
QString winnings(int level);
// The guaranteed step a level stands on: 0, 5 or 10.
int guaranteedStep(int level);
// What a wrong answer at a level leaves the player with: "£0", "£1000" or
// "£32000".
QString leavingAmount(int level);

enum class Outcome { Right, TopPrize, Wrong };
// A confirmed answer: right (the game goes on), right at the last question,
// or wrong. Letters compare exactly, case included.
Outcome judge(const QString &letter, const QString &rightLetter, int level);

// The background that starts when a level is reached with the music on:
// first_bg at 0, second_bg at 5, final_bg at 10, none elsewhere.
std::optional<GameSound> stepBackground(int level);
// The background of a level's band, restarted after a lifeline: first_bg
// below 5, second_bg below 10, final_bg below 15, none from 15.
std::optional<GameSound> bandBackground(int level);

// The two answers 50:50 takes away; none for a right letter that is no letter.
QStringList fiftyHides(const QString &rightLetter);

// The sides K of the die each friend throws: 1 to 4 vote for A to D, the rest
// for the right answer, which so gets (K - 3) / K of the votes.
int pollSides(int level);
// One poll of 100 votes for A .. D. Every friend throws, but no vote counts
// for a right letter that is no letter.
std::array<qint16, 4> poll(RandomSource &random, int level, const QString &rightLetter);

// What the friend on the phone says. The reply (1 to 7) is drawn first, then
// the guess (1 to 3), which picks one of the three wrong letters; the guess is
// drawn even when the reply does not use it.
QString buddyReply(RandomSource &random, const QString &playerName, const QString &rightLetter);

} // namespace GameRules

#pragma once

#include "questiondraw.h"
#include "storage/questionrecord.h"

#include <QString>
#include <QStringList>

#include <array>

// Where a game stands. It decides what a press does (GameRules::counts), so a
// press that arrives while one of the game's boxes is open, or after the
// outcome, does nothing, whether it came by mouse, key, a screen reader or a
// timer.
enum class GamePhase {
    // A question waits for its answer: the only time a press counts.
    Asking,
    // A Yes/No box is open: the final answer, leaving or quitting.
    Confirming,
    // The game tells the player something: the welcome, a right answer, a
    // lifeline's message or chart.
    Announcing,
    // The outcome is decided: lost, won, walked away or quit.
    Over,
};

// What the player can press during a game.
enum class GamePress { Answer, TakeMoney, Quit, Lifeline, Music };

// The three lifelines, each used at most once a game.
enum class Lifeline { Fifty, AskFriends, RingBuddy };

// How a game ended; None while it goes on.
enum class GameEnd { None, Won, WalkedAway, Lost, Quit, Unplayable };

// The state of one game, held by the Game model and set afresh when it opens.
struct GameState
{
    GamePhase phase = GamePhase::Announcing;
    GameEnd end = GameEnd::None;
    // Every round's questions, read from the set when the game starts.
    QuestionDraw questions;
    QString playerName;
    // The question being asked, which is also the round it is drawn from.
    qint16 questionNumber = 0;
    // Ladder steps won so far (0 to 15).
    qint16 level = 0;
    // The question on screen; its right letter exactly as stored.
    QuestionRecord question;
    // The answers 50:50 took away from the question on screen.
    QStringList removed;
    // Which lifelines are used, by Lifeline's order.
    std::array<bool, 3> used{};
    // The poll of Ask Your Friends, votes for A .. D.
    std::array<qint16, 4> poll{};
    // What the buddy said.
    QString buddyReply;
};

#pragma once

#include "questiondraw.h"

#include <QString>
#include <QStringList>

class SoundBank;

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

// The state of one game, held by the game screen and set afresh when it opens.
struct GameState
{
    GamePhase phase = GamePhase::Announcing;
    // Every round's questions, read from the set when the game starts.
    QuestionDraw questions;
    // The question being asked, which is also the round it is drawn from.
    qint16 question_number = 0;
    // Ladder steps won so far (0 to 15).
    qint16 level = 0;
    // The right-answer letter of the question on screen, exactly as stored.
    QString right_letter;
    // The answers 50:50 took away from the question on screen.
    QStringList removed;
    // Background music switch.
    bool music_on = true;
    // The nine sounds of this game; owned by the sound service.
    SoundBank *sounds = nullptr;
};

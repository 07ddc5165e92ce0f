#pragma once

#include "gamerules.h"
#include "gamestate.h"

#include <QObject>

class RandomSource;

// One game of fifteen questions, apart from any window: the draw, the level,
// the question asked and its right letter, the lifelines and what each did,
// the winnings and how the game ended. The game screen shows it and asks it
// what a press does; the certificate and the poll chart are given what they
// show from it.
class Game : public QObject
{
    Q_OBJECT
public:
    explicit Game(RandomSource &random, QObject *parent = nullptr);

    // Why a set cannot be played.
    enum class Problem { None, Unreadable, RoundWithoutQuestion };
    // Reads every round's questions from the set, once: a set changed under
    // the game changes nothing of it. Anything but None ends the game as
    // Unplayable; error then holds the system's reason for Unreadable.
    Problem load(const QString &setPath, QString *error = nullptr);
    void setPlayerName(const QString &name) { m_state.playerName = name; }
    // Level 0 and the first question.
    void begin();

    // Whether a press counts now (GameRules::counts).
    bool counts(GamePress press, const QString &letter = QString()) const;
    // The screen's boxes open and close: Confirming while a Yes/No box is
    // open, Announcing while the game tells something, Asking again after.
    // Only the game's own ends make it Over.
    void setPhase(GamePhase phase);

    // Draws the next round's question; the question waits for its answer.
    void askQuestion();
    // A confirmed answer: right climbs a step (the next question is drawn by
    // askQuestion, once the screen has said so), right at the last question
    // wins, wrong loses.
    GameRules::Outcome answer(const QString &letter);
    void takeMoney();
    void quit();
    // Uses a lifeline once: 50:50 takes two wrong answers away, Ask Your
    // Friends polls them, Ring A Buddy asks the buddy. The game announces it
    // until lifelineDone().
    void useLifeline(Lifeline lifeline);
    void lifelineDone();

    GamePhase phase() const { return m_state.phase; }
    GameEnd end() const { return m_state.end; }
    const QString &playerName() const { return m_state.playerName; }
    int questionNumber() const { return m_state.questionNumber; }
    int level() const { return m_state.level; }
    const QuestionRecord &question() const { return m_state.question; }
    const QString &rightLetter() const { return m_state.question.right_answer; }
    const QStringList &removed() const { return m_state.removed; }
    bool used(Lifeline lifeline) const { return m_state.used[int(lifeline)]; }
    int lifelinesUsed() const;
    const std::array<qint16, 4> &poll() const { return m_state.poll; }
    const QString &buddyReply() const { return m_state.buddyReply; }
    // What the player holds, or leaves with once the game is over: the
    // level's amount, the guaranteed step after a wrong answer, "£0" after
    // quitting.
    QString winnings() const;

signals:
    void questionShown();
    void answerJudged(const QString &letter, GameRules::Outcome outcome);
    void lifelineUsed(Lifeline lifeline);
    void ended(GameEnd end);

private:
    void finish(GameEnd end);

    RandomSource &m_random;
    GameState m_state;
};

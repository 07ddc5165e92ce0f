#include "game.h"

#include <algorithm>

Game::Game(RandomSource &random, QObject *parent)
    : QObject(parent)
    , m_random(random)
{
}

Game::Problem Game::load(const QString &setPath, QString *error)
{
    Problem problem = Problem::None;
    if (!m_state.questions.read(setPath, error))
        problem = Problem::Unreadable;
    else if (!m_state.questions.everyRoundHasAQuestion())
        problem = Problem::RoundWithoutQuestion;
    if (problem != Problem::None)
        finish(GameEnd::Unplayable);
    return problem;
}

void Game::begin()
{
    m_state.level = 0;
    m_state.questionNumber = 0;
    askQuestion();
}

bool Game::counts(GamePress press, const QString &letter) const
{
    return GameRules::counts(m_state, press, letter);
}

void Game::setPhase(GamePhase phase)
{
    Q_ASSERT(phase != GamePhase::Over);
    if (m_state.phase != GamePhase::Over)
        m_state.phase = phase;
}

void Game::askQuestion()
{
    ++m_state.questionNumber;
    // Every round had a question when the game started, and still has.
    const std::optional<QuestionRecord> drawn =
        m_state.questions.draw(m_state.questionNumber, m_random);
    Q_ASSERT(drawn);
    if (!drawn)
        return;
    m_state.question = *drawn;
    m_state.removed.clear();
    m_state.phase = GamePhase::Asking;
    emit questionShown();
}

GameRules::Outcome Game::answer(const QString &letter)
{
    const GameRules::Outcome outcome = GameRules::judge(letter, rightLetter(), m_state.level);
    if (outcome == GameRules::Outcome::Right) {
        ++m_state.level;
        // The next question comes with all four answers.
        m_state.removed.clear();
    } else if (outcome == GameRules::Outcome::TopPrize) {
        m_state.level = GameRules::TOP_LEVEL;
    }
    emit answerJudged(letter, outcome);
    if (outcome != GameRules::Outcome::Right)
        finish(outcome == GameRules::Outcome::Wrong ? GameEnd::Lost : GameEnd::Won);
    return outcome;
}

void Game::takeMoney()
{
    finish(GameEnd::WalkedAway);
}

void Game::quit()
{
    finish(GameEnd::Quit);
}

void Game::useLifeline(Lifeline lifeline)
{
    m_state.phase = GamePhase::Announcing;
    m_state.used[int(lifeline)] = true;
    switch (lifeline) {
    case Lifeline::Fifty: m_state.removed = GameRules::fiftyHides(rightLetter()); break;
    case Lifeline::AskFriends:
        m_state.poll = GameRules::poll(m_random, m_state.level, rightLetter());
        break;
    case Lifeline::RingBuddy:
        m_state.buddyReply = GameRules::buddyReply(m_random, m_state.playerName, rightLetter());
        break;
    }
    emit lifelineUsed(lifeline);
}

void Game::lifelineDone()
{
    setPhase(GamePhase::Asking);
}

int Game::lifelinesUsed() const
{
    return int(std::count(m_state.used.begin(), m_state.used.end(), true));
}

QString Game::winnings() const
{
    switch (m_state.end) {
    case GameEnd::Lost: return GameRules::leavingAmount(m_state.level);
    case GameEnd::Quit:
    case GameEnd::Unplayable: return GameRules::winnings(0);
    default: return GameRules::winnings(m_state.level);
    }
}

void Game::finish(GameEnd end)
{
    m_state.phase = GamePhase::Over;
    m_state.end = end;
    emit ended(end);
}

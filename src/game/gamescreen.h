#pragma once

#include "gamestate.h"
#include "soundservice.h"

#include <QDialog>
#include <QList>

#include <array>

struct AppState;
struct Services;
class CrossMark;
class LifelineButton;
class QLabel;
class QPushButton;
class ShapeBox;

// The game screen: one game of fifteen questions, from the name prompt to
// the last answer, walking away or quitting. The rules it follows are in
// GameRules; the screen connects its controls to them.
// Window object name "Form3".
class GameScreen : public QDialog
{
    Q_OBJECT
public:
    // Loads the game at once: sounds, name prompt, ladder, first question.
    GameScreen(AppState &state, Services &services, QWidget *parent = nullptr);
    ~GameScreen() override;

    // Runs one game modally over the main window; returns once it has ended,
    // false when the main window was deleted meanwhile.
    static bool play(QWidget *mainWindow, AppState &state, Services &services);

    // True once the game has ended and the screen is closing (or closed).
    bool isOver() const { return m_over; }
    const GameState &game() const { return m_game; }

    // The colours of the ladder and the answer boxes.
    static QColor ladderNormal();
    static QColor ladderReached();
    static QColor boxNormal();
    static QColor boxHover();
    static QColor boxChosen();
    static QColor boxRight();

public slots:
    // Escape does not end a game; the close box and "Quit This Game" do.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // A lifeline's picture, which uses it, and the cross shown once it is used.
    struct Lifeline
    {
        LifelineButton *button = nullptr;
        CrossMark *cross = nullptr;
        bool used() const;
    };

    void buildQuestion();
    void buildAnswers();
    void buildLadder();
    void buildLifelines();
    void buildCommands();
    void load();
    // Takes the game's questions from the set; false when it cannot be
    // played, which ends the game.
    bool readQuestions();
    void askPlayerName();

    // Draws the next round's question and shows it.
    void ask_question();
    // Tell screen readers what the question, the answers and the ladder now say.
    void speakQuestion();
    void speakAnswers();
    void speakLadder();
    // Redraws the ladder, the winnings and the answers from the level, and
    // changes the background at the band steps.
    void money();
    void stop_background();
    void play_effect(GameSound sound);
    void play_background(GameSound sound);

    void hoverAnswer(const QString &letter);
    void answerClicked(const QString &letter);
    void rightAnswer(const QString &letter);
    void topPrize(const QString &letter);
    void wrongAnswer();
    void takeMoneyClicked();
    void quitClicked();
    // Asks whether to quit; on Yes the game is over.
    bool confirmQuit();
    void musicClicked();
    void fiftyClicked();
    void askFriendsClicked();
    void ringBuddyClicked();
    // Stops the music and plays a lifeline's sound as its cross appears.
    void startLifeline(Lifeline &lifeline, GameSound sound);
    // After a lifeline's dialog: the question waits for its answer again,
    // and the band's track plays from its beginning.
    void endLifeline();
    // Keeps the winnings and the lifelines used for the certificate.
    void recordResult();
    // Ends a game won or walked away from; the certificate opens from here.
    void showCertificate();
    void endGame();
    void resetBoxes();

    ShapeBox *boxOf(const QString &letter) const;
    QLabel *answerLabelOf(const QString &letter) const;
    QWidget *dialogParent();
    void message(const QString &text, const QString &title);
    bool askYesNo(const QString &text, const QString &title);
    // A Yes/No box of the game: while it is open no press counts; on No the
    // question waits for its answer again.
    bool confirm(const QString &text, const QString &title);

    AppState &m_state;
    Services &m_services;
    GameState m_game;
    bool m_over = false;

    QPushButton *m_musicButton = nullptr;
    QLabel *m_questionLabel = nullptr;
    // Index i holds answer "a" + i.
    std::array<ShapeBox *, 4> m_answerBoxes{};
    std::array<QLabel *, 4> m_answerLabels{};
    // Index i holds step i + 1: q1 .. q15 and q100 .. q1000000.
    QList<QLabel *> m_stepLabels;
    QList<QLabel *> m_amountLabels;
    ShapeBox *m_ladderBox = nullptr;
    // Holds the winnings that the messages quote.
    QLabel *m_winningsLabel = nullptr;
    Lifeline m_fifty;
    Lifeline m_askFriends;
    Lifeline m_ringBuddy;
    QPushButton *m_takeMoneyButton = nullptr;
    QPushButton *m_quitButton = nullptr;
};

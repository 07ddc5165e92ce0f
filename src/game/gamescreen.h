#pragma once

#include "game.h"
#include "soundservice.h"

#include <QDialog>
#include <QList>

#include <array>

struct ChosenSet;
struct ProgramFolders;
struct Services;
class CrossMark;
class LifelineButton;
class QLabel;
class QPushButton;
class ShapeBox;

// The game screen: the view of one Game, from the name prompt to the last
// answer, walking away or quitting. It shows what the game does and asks the
// game what each press does; the messages and sounds are its own.
// Window object name "Form3".
class GameScreen : public QDialog
{
    Q_OBJECT
public:
    // Loads the game at once: sounds, name prompt, ladder, first question.
    GameScreen(const ProgramFolders &folders, const ChosenSet &set, Services &services,
               QWidget *parent = nullptr);
    ~GameScreen() override;

    // Runs one game modally over the main window; returns once it has ended,
    // false when the main window was deleted meanwhile.
    static bool play(QWidget *mainWindow, const ProgramFolders &folders, const ChosenSet &set,
                     Services &services);

    // True once the game has ended and the screen is closing (or closed).
    bool isOver() const { return m_over; }
    const Game &game() const { return m_game; }

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
    struct LifelinePanel
    {
        LifelineButton *button = nullptr;
        CrossMark *cross = nullptr;
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

    // What the game did, shown.
    void showQuestion();
    void showJudged(const QString &letter, GameRules::Outcome outcome);
    void showLifelineUsed(Lifeline lifeline);
    // Tell screen readers what the question, the answers and the ladder now say.
    void speakQuestion();
    void nameQuestion();
    void speakAnswers();
    void speakLadder();
    // Redraws the ladder, the winnings and the answers from the level, and
    // changes the background at the band steps.
    void showMoney();
    void stopBackground();
    void playEffect(GameSound sound);
    void playBackground(GameSound sound);

    void hoverAnswer(const QString &letter);
    void answerClicked(const QString &letter);
    void rightAnswer();
    void topPrize();
    void wrongAnswer();
    void takeMoneyClicked();
    void quitClicked();
    // Asks whether to quit; on Yes the game is over.
    bool confirmQuit();
    void musicClicked();
    void fiftyClicked();
    void askFriendsClicked();
    void ringBuddyClicked();
    // Whether a lifeline's press counts: once, while a question waits.
    bool lifelineCounts(Lifeline lifeline);
    // After a lifeline's dialog: the question waits for its answer again,
    // and the band's track plays from its beginning.
    void endLifeline();
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

    const ProgramFolders &m_folders; // the music lies there
    const ChosenSet &m_set;
    Services &m_services;
    Game m_game;
    bool m_over = false;
    // Background music switch.
    bool m_musicOn = true;
    // The nine sounds of this game; owned by the sound service.
    SoundBank *m_sounds = nullptr;

    QPushButton *m_musicButton = nullptr;
    QLabel *m_questionLabel = nullptr;
    // Index i holds answer "a" + i.
    std::array<ShapeBox *, 4> m_answerBoxes{};
    std::array<QLabel *, 4> m_answerLabels{};
    // Index i holds step i + 1: q1 .. q15 and q100 .. q1000000.
    QList<QLabel *> m_stepLabels;
    QList<QLabel *> m_amountLabels;
    ShapeBox *m_ladderBox = nullptr;
    // Shows the winnings, too small to read.
    QLabel *m_winningsLabel = nullptr;
    // By Lifeline's order: 50:50, Ask Your Friends, Ring A Buddy.
    std::array<LifelinePanel, 3> m_lifelines{};
    QPushButton *m_takeMoneyButton = nullptr;
    QPushButton *m_quitButton = nullptr;
};

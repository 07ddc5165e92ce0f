#pragma once

#include "gamestate.h"
#include "soundservice.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

struct AppState;
struct Services;
class CrossMark;
class LifelineButton;
class QLabel;
class QPushButton;
class RandomSource;
class ShapeBox;

// The game screen: one game of fifteen questions, from the name prompt to
// the last answer, walking away or quitting.
// Window object name "Form3".
class GameScreen : public QWidget
{
    Q_OBJECT
public:
    // Loads the game at once: sounds, name prompt, ladder, first question.
    GameScreen(AppState &state, Services &services, QWidget *parent = nullptr);
    ~GameScreen() override;

    // Runs one game modally over the main window and returns once the game
    // screen has closed and been destroyed.
    static void play(QWidget *mainWindow, AppState &state, Services &services);

    // True once the game has ended and the screen is closing (or closed).
    bool isOver() const { return m_over; }
    const GameState &game() const { return m_game; }

    // Draws the next round's question and shows it.
    void ask_question();
    // Redraws the ladder, lbl_dosh and the answers from the level, and
    // changes the background at the band steps.
    void money();

    // Sound operations, also for the lifelines.
    void stop_background();
    void play_effect(GameSound sound);
    void play_background(GameSound sound);
    static std::optional<GameSound> step_background(int level);
    static std::optional<GameSound> band_background(int level);

    // Answers with "a" .. "d" as a click on that answer's label does.
    void answer_click(const QString &letter);
    void Command1_click();
    void Command2_click();
    void cmd_music_click();
    // The three lifelines; each works once per game.
    void life_50_click();
    void life_ask_click();
    void life_ring_click();

    // The two answers 50:50 takes away for a right letter; none for a
    // letter that is not "a" .. "d".
    static QStringList fiftyHides(const QString &right_letter);
    // The friend's wrong guess: the g-th (1..3) of the other three letters,
    // upper case; empty for a letter that is not "a" .. "d".
    static QString wrongGuess(const QString &right_letter, int g);
    // What the friend says for reply r (1..7) and guess g (1..3).
    static QString buddyReply(const QString &player_name, const QString &right_letter, int r,
                              int g);
    // The sides K of the die each friend throws: 1 to 4 vote for A to D,
    // the rest for the right answer, which so gets (K - 3) / K of the votes.
    static int pollSides(int level);
    // One poll of 100 votes for A .. D; no votes at all for a right letter
    // that is not "a" .. "d".
    static std::array<qint16, 4> poll(RandomSource &random, int level,
                                      const QString &right_letter);

    QPushButton *cmd_music = nullptr;
    ShapeBox *sh_question = nullptr;
    QLabel *lbl_q = nullptr;
    ShapeBox *sh_a = nullptr;
    ShapeBox *sh_b = nullptr;
    ShapeBox *sh_c = nullptr;
    ShapeBox *sh_d = nullptr;
    QLabel *la_a = nullptr;
    QLabel *la_b = nullptr;
    QLabel *la_c = nullptr;
    QLabel *la_d = nullptr;
    QLabel *lbl_a = nullptr;
    QLabel *lbl_b = nullptr;
    QLabel *lbl_c = nullptr;
    QLabel *lbl_d = nullptr;
    ShapeBox *sh_qbox = nullptr;
    // Index i holds step i + 1: q1 .. q15 and q100 .. q1000000.
    QList<QLabel *> stepLabels;
    QList<QLabel *> amountLabels;
    QLabel *lbl_dosh = nullptr;
    ShapeBox *sh_talk = nullptr;
    ShapeBox *Shape1 = nullptr;
    ShapeBox *Shape2 = nullptr;
    LifelineButton *life_50 = nullptr;
    LifelineButton *life_ask = nullptr;
    LifelineButton *life_ring = nullptr;
    CrossMark *cross_50 = nullptr;
    CrossMark *cross_ask = nullptr;
    CrossMark *cross_ring = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

    // The colours of the ladder and the answer boxes.
    static QColor ladderNormal();
    static QColor ladderReached();
    static QColor boxNormal();
    static QColor boxHover();
    static QColor boxChosen();
    static QColor boxRight();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildAnswers();
    void buildLadder();
    void buildLifelines();
    void load();
    void askPlayerName();
    void answer_hover(const QString &letter);
    void rightAnswer(const QString &letter);
    void topPrize(const QString &letter);
    void wrongAnswer();
    void recordResult();
    // After a lifeline's dialog: the band's track from its beginning.
    void restartMusic();
    // Ends a game won or walked away from; the certificate opens from here.
    void showCertificate();
    void endGame();
    void resetBoxes();

    ShapeBox *boxOf(const QString &letter) const;
    QLabel *answerLabelOf(const QString &letter) const;
    QString letterOf(QObject *answerLabel) const;
    QWidget *dialogParent();
    void message(const QString &text, const QString &title);
    bool askYesNo(const QString &text, const QString &title);

    AppState &m_state;
    Services &m_services;
    GameState m_game;
    bool m_over = false;
};

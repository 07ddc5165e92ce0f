#include "gamescreen.h"

#include "answerlabel.h"
#include "certificatewindow.h"
#include "crossmark.h"
#include "gamerules.h"
#include "lifelinebutton.h"
#include "playername.h"
#include "pollchart.h"
#include "questiondraw.h"
#include "shapebox.h"
#include "storage/appstate.h"
#include "storage/ladder.h"
#include "ui/dialogservice.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/modalscreen.h"
#include "ui/services.h"
#include "ui/textdisplay.h"
#include "ui/windowicon.h"
#include "ui/zoom.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

using GameRules::letters;

namespace {

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename Label = QLabel>
Label *textLabel(QWidget *parent, const QString &name, const QString &text, qreal points)
{
    auto *label = named(new Label(parent), name);
    label->setText(text);
    label->setFont(Fonts::sans(points, true));
    Colors::setForeground(label, Qt::white);
    return label;
}

ShapeBox *shape(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *box = named(new ShapeBox(parent), name);
    box->setBorderColor(Colors::fromBgr(0xC0C0C0));
    Twips::place(box, left, top, width, height);
    return box;
}

QPushButton *commandButton(QWidget *parent, const QString &name, const QString &text,
                           qreal points)
{
    auto *button = named(new QPushButton(text, parent), name);
    button->setFont(Fonts::sans(points));
    // In a dialog Enter would press the focused button; here it never did.
    button->setAutoDefault(false);
    return button;
}

} // namespace

QColor GameScreen::ladderNormal() { return Colors::fromBgr(0x000000); }
QColor GameScreen::ladderReached() { return Colors::fromBgr(33023); }
QColor GameScreen::boxNormal() { return Colors::fromBgr(0x404040); }
QColor GameScreen::boxHover() { return Colors::fromBgr(0x808080); }
QColor GameScreen::boxChosen() { return Colors::fromBgr(33023); }
QColor GameScreen::boxRight() { return Colors::fromBgr(49152); }

bool GameScreen::Lifeline::used() const
{
    return !cross->isHidden();
}

GameScreen::GameScreen(AppState &state, Services &services, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_services(services)
{
    Q_ASSERT(services.dialogs && services.random && services.sound && services.printer);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Quorvane?"));
    WindowIcon::apply(this);
    Twips::setClientSize(this, 8895, 5055);
    Colors::setBackground(this, Colors::fromBgr(0x800000));
    buildQuestion();
    buildAnswers();
    buildLadder();
    buildLifelines();
    buildCommands();
    TextDisplay::plainLabels(this);
    Zoom::attach(this);
    load();
}

GameScreen::~GameScreen() = default;

bool GameScreen::play(QWidget *mainWindow, AppState &state, Services &services)
{
    ModalScreen screen(new GameScreen(state, services, mainWindow));
    // A set that cannot be read ends the game before it is shown.
    return screen->isOver() || screen.run();
}

// ------------------------------------------------------------ building

void GameScreen::buildQuestion()
{
    m_musicButton = commandButton(this, QStringLiteral("cmd_music"), QStringLiteral("Music Off"),
                                  7.5);
    Twips::place(m_musicButton, 120, 0, 975, 255);
    connect(m_musicButton, &QPushButton::clicked, this, &GameScreen::musicClicked);

    ShapeBox *box = shape(this, QStringLiteral("sh_question"), 120, 360, 7095, 1215);
    box->setFillColor(Colors::fromBgr(0x200000));
    m_questionLabel = textLabel(this, QStringLiteral("lbl_q"), QStringLiteral("Question"), 9);
    m_questionLabel->setWordWrap(true);
    m_questionLabel->setAlignment(Qt::AlignCenter);
    // Tab comes here first, so a screen reader reads the question, then the answers.
    m_questionLabel->setFocusPolicy(Qt::TabFocus);
    Twips::place(m_questionLabel, 240, 480, 6855, 975);
}

void GameScreen::buildAnswers()
{
    const int tops[] = {1680, 2280, 2880, 3480};
    for (int i = 0; i < 4; ++i) {
        const QString letter = letters().at(i);
        ShapeBox *box = shape(this, QStringLiteral("sh_") + letter, 120, tops[i], 7095, 495);
        box->setFillColor(boxNormal());
        m_answerBoxes[i] = box;

        // A bullet, then " A:" and so on.
        QLabel *tag = textLabel(this, QStringLiteral("la_") + letter,
                                QChar(0x2022) + QStringLiteral(" ") + letter.toUpper() +
                                    QLatin1Char(':'),
                                9);
        tag->setAlignment(Qt::AlignCenter);
        Twips::place(tag, 120, tops[i] + 120, 600, 255);

        auto *label = textLabel<AnswerLabel>(this, QStringLiteral("lbl_") + letter,
                                             QStringLiteral("Answer"), 8.25);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Twips::place(label, 720, tops[i] + 60, 6375, 375);
        connect(label, &AnswerLabel::pointedAt, this, [this, letter] { hoverAnswer(letter); });
        connect(label, &AnswerLabel::chosen, this, [this, letter] { answerClicked(letter); });
        m_answerLabels[i] = label;

        // Keyboard players answer with the letter keys.
        auto *key = new QShortcut(QKeySequence(Qt::Key_A + i), this);
        connect(key, &QShortcut::activated, this, [this, letter] { answerClicked(letter); });
    }
}

void GameScreen::buildLadder()
{
    m_ladderBox = shape(this, QStringLiteral("sh_qbox"), 7320, 120, 1455, 3855);
    for (int step = 1; step <= Ladder::STEPS; ++step) {
        const int top = 240 + (Ladder::STEPS - step) * 240;
        const QString digits = Ladder::amount(step).mid(1);
        QLabel *number = textLabel(this, QStringLiteral("q%1").arg(step),
                                   QStringLiteral("%1").arg(step, 2, 10, QLatin1Char('0')), 9);
        number->setAlignment(Qt::AlignCenter);
        Twips::place(number, 7440, top, 495, 255);
        QLabel *amount = textLabel(this, QStringLiteral("q") + digits,
                                   step == Ladder::STEPS ? QStringLiteral("MILLION") : digits, 9);
        amount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        amount->setIndent(4);
        Twips::place(amount, 7800, top, 855, 255);
        for (QLabel *label : {number, amount})
            Colors::setBackground(label, ladderNormal());
        m_stepLabels.append(number);
        m_amountLabels.append(amount);
    }
}

void GameScreen::buildLifelines()
{
    struct Panel
    {
        const char *shapeName;
        const char *buttonName;
        const char *crossName;
        const char *captionName;
        const char *caption;
        LifelineButton::Kind kind;
        Lifeline *lifeline;
        void (GameScreen::*clicked)();
    };
    const Panel panels[] = {
        {"sh_talk", "life_50", "cross_50", "Label3", "50% Remove", LifelineButton::Kind::Fifty,
         &m_fifty, &GameScreen::fiftyClicked},
        {"Shape1", "life_ask", "cross_ask", "Label2", "Ask Your Friends",
         LifelineButton::Kind::Ask, &m_askFriends, &GameScreen::askFriendsClicked},
        {"Shape2", "life_ring", "cross_ring", "Label1", "Ring A Buddy",
         LifelineButton::Kind::Ring, &m_ringBuddy, &GameScreen::ringBuddyClicked},
    };
    int left = 120;
    for (const Panel &p : panels) {
        shape(this, QLatin1String(p.shapeName), left, 4080, 2295, 855);

        auto *button = named(new LifelineButton(p.kind, this), QLatin1String(p.buttonName));
        button->setAccessibleName(QLatin1String(p.caption));
        button->setToolTip(QLatin1String(p.caption));
        Twips::place(button, left + 120, 4140, 900, 735);
        connect(button, &LifelineButton::clicked, this, p.clicked);
        p.lifeline->button = button;

        p.lifeline->cross = named(new CrossMark(this), QLatin1String(p.crossName));
        Twips::place(p.lifeline->cross, left + 135, 4155, 870, 705);

        QLabel *caption = textLabel(this, QLatin1String(p.captionName),
                                    QLatin1String(p.caption), 9);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Twips::place(caption, left + 1080, 4200, 1095, 615);
        caption->setBuddy(button);
        left += 2400;
    }
}

void GameScreen::buildCommands()
{
    m_takeMoneyButton = commandButton(this, QStringLiteral("Command1"),
                                      QStringLiteral("Take Money"), 8);
    Twips::place(m_takeMoneyButton, 7320, 4080, 1455, 375);
    m_quitButton = commandButton(this, QStringLiteral("Command2"),
                                 QStringLiteral("Quit This Game"), 8);
    Twips::place(m_quitButton, 7320, 4560, 1455, 375);
    connect(m_takeMoneyButton, &QPushButton::clicked, this, &GameScreen::takeMoneyClicked);
    connect(m_quitButton, &QPushButton::clicked, this, &GameScreen::quitClicked);

    // Holds the winnings for the messages; deliberately too small to read,
    // and drawn clear so that no clipped glyph shows, not even on the corner
    // of the question box it touches.
    m_winningsLabel = textLabel(this, QStringLiteral("lbl_dosh"), QString(), 9);
    Colors::setForeground(m_winningsLabel, Qt::transparent);
    Twips::place(m_winningsLabel, 0, 240, 135, 135);

    QWidget *order[] = {m_questionLabel,     m_answerLabels[0],  m_answerLabels[1],
                        m_answerLabels[2],   m_answerLabels[3],  m_fifty.button,
                        m_askFriends.button, m_ringBuddy.button, m_takeMoneyButton,
                        m_quitButton,        m_musicButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// ------------------------------------------------------------ a game

void GameScreen::load()
{
    m_game = GameState{};
    m_game.sounds = &m_services.sound->loadGame(m_state.musicDir());
    m_game.music_on = true;
    m_musicButton->setText(QStringLiteral("Music Off"));
    if (!readQuestions())
        return;
    askPlayerName();
    for (const Lifeline *lifeline : {&m_fifty, &m_askFriends, &m_ringBuddy}) {
        lifeline->cross->hide();
        lifeline->button->setAccessibleDescription(QStringLiteral("Not used yet"));
    }
    m_game.level = 0;
    m_game.question_number = 0;
    money();
    ask_question();
}

bool GameScreen::readQuestions()
{
    // The game keeps what it reads here, so a set changed under it changes
    // nothing of the game.
    QString error;
    if (!m_game.questions.read(m_state.set_path, &error)) {
        message(QStringLiteral("The questions could not be read from the question set.\n%1")
                    .arg(error),
                QStringLiteral("Question"));
    } else if (!m_game.questions.everyRoundHasAQuestion()) {
        message(QStringLiteral("You Must Have At Least One Question For Each Round"),
                QStringLiteral("Questions"));
    } else {
        return true;
    }
    m_game.phase = GamePhase::Over;
    endGame();
    return false;
}

void GameScreen::askPlayerName()
{
    DialogService::PromptOptions options;
    // The box takes no more than the certificate can show.
    options.maxLength = PlayerName::MAX_LENGTH;
    // Over the main window, a little in from its top-left corner.
    if (QWidget *main = parentWidget())
        options.position = main->mapToGlobal(QPoint(main->width() / 4, main->height() / 4));
    QString name;
    for (;;) {
        name = m_services.dialogs->prompt(dialogParent(), QStringLiteral("What Is Your Full Name?"),
                                          QStringLiteral("Player"), options);
        if (PlayerName::isBlank(name))
            continue;
        const QString tooLong = PlayerName::lengthProblem(name);
        if (tooLong.isEmpty())
            break;
        message(tooLong, QStringLiteral("Player"));
    }
    message(QStringLiteral("Lets Play Quorvane!"), QStringLiteral("Play"));
    m_state.player_name = name;
}

void GameScreen::ask_question()
{
    ++m_game.question_number;
    // Every round had a question when the game started, and still has.
    const std::optional<QuestionRecord> drawn =
        m_game.questions.draw(m_game.question_number, *m_services.random);
    Q_ASSERT(drawn);
    if (!drawn)
        return;
    m_questionLabel->setText(drawn->question);
    const QString answers[] = {drawn->answer_a, drawn->answer_b, drawn->answer_c,
                               drawn->answer_d};
    for (int i = 0; i < 4; ++i)
        m_answerLabels[i]->setText(answers[i]);
    m_game.right_letter = drawn->right_answer;
    speakQuestion();
    m_game.phase = GamePhase::Asking;
}

void GameScreen::speakQuestion()
{
    TextDisplay::setSpokenName(m_questionLabel,
                               QStringLiteral("Question %1: %2")
                                   .arg(m_game.question_number)
                                   .arg(m_questionLabel->text()));
    speakAnswers();
    speakLadder();
    // Readers follow the focus: a new question is read before its answers.
    m_questionLabel->setFocus();
}

void GameScreen::speakAnswers()
{
    for (int i = 0; i < 4; ++i) {
        QLabel *label = m_answerLabels[i];
        const QString shown = m_game.removed.contains(letters().at(i)) ? QStringLiteral("removed")
                                                                       : label->text();
        TextDisplay::setSpokenName(label, letters().at(i).toUpper() + QStringLiteral(": ") + shown);
    }
}

void GameScreen::speakLadder()
{
    const QString step = m_game.question_number >= 1 && m_game.question_number <= Ladder::STEPS
                             ? QStringLiteral("Question %1 for %2. ")
                                   .arg(m_game.question_number)
                                   .arg(Ladder::amount(m_game.question_number))
                             : QString();
    TextDisplay::setSpokenName(m_ladderBox, QStringLiteral("Money ladder: ") + step +
                                                QStringLiteral("Won so far: ") +
                                                m_winningsLabel->text());
}

void GameScreen::money()
{
    m_game.removed.clear();
    for (QLabel *label : m_answerLabels)
        label->show();
    if (m_game.music_on) {
        if (const auto track = GameRules::step_background(m_game.level))
            play_background(*track);
    }
    for (QLabel *label : m_stepLabels + m_amountLabels)
        Colors::setBackground(label, ladderNormal());
    if (m_game.level >= 1 && m_game.level <= Ladder::STEPS) {
        Colors::setBackground(m_stepLabels.at(m_game.level - 1), ladderReached());
        Colors::setBackground(m_amountLabels.at(m_game.level - 1), ladderReached());
    }
    if (m_game.level >= 0 && m_game.level <= Ladder::STEPS)
        m_winningsLabel->setText(GameRules::winnings(m_game.level));
    speakAnswers();
    speakLadder();
}

void GameScreen::stop_background()
{
    for (GameSound track : {GameSound::first_bg, GameSound::second_bg, GameSound::final_bg})
        m_game.sounds->stop(track);
}

void GameScreen::play_effect(GameSound sound)
{
    m_game.sounds->play(sound);
}

void GameScreen::play_background(GameSound sound)
{
    stop_background();
    m_game.sounds->play(sound);
}

// ------------------------------------------------------------ answering

void GameScreen::hoverAnswer(const QString &letter)
{
    for (const QString &l : letters())
        boxOf(l)->setFillColor(l == letter ? boxHover() : boxNormal());
}

void GameScreen::answerClicked(const QString &letter)
{
    if (!GameRules::counts(m_game, GamePress::Answer, letter) || Modal::blocks(this))
        return;
    boxOf(letter)->setFillColor(boxChosen());
    if (!confirm(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Answer?")))
        return;
    const GameRules::Outcome outcome = GameRules::judge(letter, m_game.right_letter, m_game.level);
    if (outcome != GameRules::Outcome::Right)
        m_game.phase = GamePhase::Over;
    switch (outcome) {
    case GameRules::Outcome::Right: rightAnswer(letter); break;
    case GameRules::Outcome::TopPrize: topPrize(letter); break;
    case GameRules::Outcome::Wrong: wrongAnswer(); break;
    }
}

void GameScreen::rightAnswer(const QString &letter)
{
    boxOf(letter)->setFillColor(boxRight());
    ++m_game.level;
    money();
    message(QStringLiteral("Well Done. You've Just Won ") + m_winningsLabel->text(),
            QStringLiteral("Correct"));
    message(QStringLiteral("Have A Look At The Next Question..."), QStringLiteral("Correct"));
    resetBoxes();
    ask_question();
}

void GameScreen::topPrize(const QString &letter)
{
    boxOf(letter)->setFillColor(boxRight());
    m_game.level = GameRules::TOP_LEVEL;
    money();
    stop_background();
    play_effect(GameSound::win_bg);
    message(QStringLiteral("You've Just Won £1000000!"), QStringLiteral("Congratulations"));
    message(QStringLiteral("Click Here To Continue"), QStringLiteral("Congratulations"));
    recordResult();
    showCertificate();
}

void GameScreen::wrongAnswer()
{
    if (ShapeBox *right = boxOf(m_game.right_letter))
        right->setFillColor(boxRight());
    stop_background();
    play_effect(GameSound::lose_bg);
    const QString title = QStringLiteral("Wrong");
    message(QStringLiteral("I'm Afraid Its The Wrong Answer..."), title);
    message(QStringLiteral("The Correct Answer Was ") + m_game.right_letter.toUpper(), title);
    message(QStringLiteral("You Leave With ") + GameRules::leavingAmount(m_game.level), title);
    resetBoxes();
    endGame();
}

void GameScreen::takeMoneyClicked()
{
    if (!GameRules::counts(m_game, GamePress::TakeMoney) || Modal::blocks(this))
        return;
    if (m_game.level == 0) {
        m_game.phase = GamePhase::Announcing;
        message(QStringLiteral("Leave With Nothing?"), QStringLiteral("Leave"));
        m_game.phase = GamePhase::Asking;
        return;
    }
    if (!confirm(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Leave")))
        return;
    m_game.phase = GamePhase::Over;
    recordResult();
    stop_background();
    play_effect(GameSound::take_bg);
    message(QStringLiteral("You Go Away With ") + m_winningsLabel->text(), QStringLiteral("Leave"));
    message(QStringLiteral("Click Here To Continue"), QStringLiteral("Leave"));
    showCertificate();
}

void GameScreen::quitClicked()
{
    if (!GameRules::counts(m_game, GamePress::Quit) || Modal::blocks(this) || !confirmQuit())
        return;
    stop_background();
    endGame();
}

bool GameScreen::confirmQuit()
{
    if (!confirm(QStringLiteral("Are You Sure You Want To Quit?"), QStringLiteral("Quit")))
        return false;
    m_game.phase = GamePhase::Over;
    return true;
}

void GameScreen::musicClicked()
{
    if (!GameRules::counts(m_game, GamePress::Music) || Modal::blocks(this))
        return;
    m_game.music_on = !m_game.music_on;
    m_musicButton->setText(m_game.music_on ? QStringLiteral("Music Off")
                                           : QStringLiteral("Music On"));
    if (!m_game.music_on)
        stop_background();
    else if (const auto track = GameRules::step_background(m_game.level))
        play_background(*track);
}

void GameScreen::recordResult()
{
    m_state.winnings = m_winningsLabel->text();
    qint16 used = 0;
    for (const Lifeline *lifeline : {&m_fifty, &m_ringBuddy, &m_askFriends})
        used += lifeline->used() ? 1 : 0;
    m_state.lifelines_used = used;
}

void GameScreen::showCertificate()
{
    ModalScreen certificate(new CertificateWindow(m_state, m_services, this));
    if (certificate.run())
        endGame();
}

// ------------------------------------------------------------ lifelines

void GameScreen::fiftyClicked()
{
    if (!GameRules::counts(m_game, GamePress::Lifeline) || m_fifty.used()
        || Modal::blocks(this))
        return;
    m_game.removed = GameRules::fiftyHides(m_game.right_letter);
    for (const QString &letter : m_game.removed)
        answerLabelOf(letter)->hide();
    speakAnswers();
    startLifeline(m_fifty, GameSound::fifty);
    message(QStringLiteral("Computer, Take Away Two Wrong Answers..."), QStringLiteral("50%"));
    endLifeline();
}

void GameScreen::askFriendsClicked()
{
    if (!GameRules::counts(m_game, GamePress::Lifeline) || m_askFriends.used()
        || Modal::blocks(this))
        return;
    startLifeline(m_askFriends, GameSound::ask);
    const std::array<qint16, 4> votes =
        GameRules::poll(*m_services.random, m_game.level, m_game.right_letter);
    m_state.poll_a = votes[0];
    m_state.poll_b = votes[1];
    m_state.poll_c = votes[2];
    m_state.poll_d = votes[3];
    ModalScreen chart(new PollChart(m_state, this));
    if (chart.run())
        endLifeline();
}

void GameScreen::ringBuddyClicked()
{
    if (!GameRules::counts(m_game, GamePress::Lifeline) || m_ringBuddy.used()
        || Modal::blocks(this))
        return;
    startLifeline(m_ringBuddy, GameSound::ring);
    message(GameRules::buddyReply(*m_services.random, m_state.player_name, m_game.right_letter),
            QStringLiteral("Ring A Buddy"));
    endLifeline();
}

void GameScreen::startLifeline(Lifeline &lifeline, GameSound sound)
{
    m_game.phase = GamePhase::Announcing;
    stop_background();
    play_effect(sound);
    lifeline.cross->show();
    // Used up: Tab passes it by, and readers hear it is used.
    lifeline.button->setEnabled(false);
    lifeline.button->setAccessibleDescription(QStringLiteral("Used"));
}

void GameScreen::endLifeline()
{
    m_game.phase = GamePhase::Asking;
    if (!m_game.music_on)
        return;
    if (const auto track = GameRules::band_background(m_game.level))
        play_background(*track);
}

// ------------------------------------------------------------ closing

void GameScreen::endGame()
{
    m_over = true;
    close();
}

void GameScreen::resetBoxes()
{
    for (ShapeBox *box : m_answerBoxes)
        box->setFillColor(boxNormal());
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    // Closing would take the modal screen that runs over this one with it.
    if (Modal::blocks(this)) {
        event->ignore();
        return;
    }
    // The close box quits like "Quit This Game", so music never plays on
    // behind the main window; like it, it counts only while a question waits.
    if (!m_over) {
        if (!GameRules::counts(m_game, GamePress::Quit) || !confirmQuit()) {
            event->ignore();
            return;
        }
        stop_background();
        m_over = true;
    }
    event->accept();
}

ShapeBox *GameScreen::boxOf(const QString &letter) const
{
    const int i = letters().indexOf(letter);
    return i < 0 ? nullptr : m_answerBoxes[i];
}

QLabel *GameScreen::answerLabelOf(const QString &letter) const
{
    const int i = letters().indexOf(letter);
    return i < 0 ? nullptr : m_answerLabels[i];
}

QWidget *GameScreen::dialogParent()
{
    // While the game loads the screen is not shown yet; the main window is.
    if (!isVisible() && parentWidget())
        return parentWidget();
    return this;
}

void GameScreen::message(const QString &text, const QString &title)
{
    m_services.dialogs->message(dialogParent(), text, title);
}

bool GameScreen::askYesNo(const QString &text, const QString &title)
{
    return m_services.dialogs->askYesNo(dialogParent(), text, title);
}

bool GameScreen::confirm(const QString &text, const QString &title)
{
    m_game.phase = GamePhase::Confirming;
    const bool yes = askYesNo(text, title);
    m_game.phase = yes ? GamePhase::Announcing : GamePhase::Asking;
    return yes;
}

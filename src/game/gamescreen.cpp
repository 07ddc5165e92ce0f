#include "gamescreen.h"

#include "answerlabel.h"
#include "certificatewindow.h"
#include "crossmark.h"
#include "gamerules.h"
#include "lifelinebutton.h"
#include "playername.h"
#include "pollchart.h"
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

// Answer "a" + i of a question.
QString answerOf(const QuestionRecord &question, int i)
{
    const QString *answers[] = {&question.answer_a, &question.answer_b, &question.answer_c,
                                &question.answer_d};
    return *answers[i];
}

} // namespace

QColor GameScreen::ladderNormal() { return Colors::fromBgr(0x000000); }
QColor GameScreen::ladderReached() { return Colors::fromBgr(33023); }
QColor GameScreen::boxNormal() { return Colors::fromBgr(0x404040); }
QColor GameScreen::boxHover() { return Colors::fromBgr(0x808080); }
QColor GameScreen::boxChosen() { return Colors::fromBgr(33023); }
QColor GameScreen::boxRight() { return Colors::fromBgr(49152); }

GameScreen::GameScreen(const ProgramFolders &folders, const ChosenSet &set, Services &services,
                       QWidget *parent)
    : QDialog(parent)
    , m_folders(folders)
    , m_set(set)
    , m_services(services)
    , m_game(*services.random)
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
    connect(&m_game, &Game::questionShown, this, &GameScreen::showQuestion);
    connect(&m_game, &Game::answerJudged, this, &GameScreen::showJudged);
    connect(&m_game, &Game::lifelineUsed, this, &GameScreen::showLifelineUsed);
    load();
}

GameScreen::~GameScreen() = default;

bool GameScreen::play(QWidget *mainWindow, const ProgramFolders &folders, const ChosenSet &set,
                      Services &services)
{
    ModalScreen screen(new GameScreen(folders, set, services, mainWindow));
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
        LifelinePanel *lifeline;
        void (GameScreen::*clicked)();
    };
    const Panel panels[] = {
        {"sh_talk", "life_50", "cross_50", "Label3", "50% Remove", LifelineButton::Kind::Fifty,
         &m_lifelines[int(Lifeline::Fifty)], &GameScreen::fiftyClicked},
        {"Shape1", "life_ask", "cross_ask", "Label2", "Ask Your Friends",
         LifelineButton::Kind::Ask, &m_lifelines[int(Lifeline::AskFriends)],
         &GameScreen::askFriendsClicked},
        {"Shape2", "life_ring", "cross_ring", "Label1", "Ring A Buddy",
         LifelineButton::Kind::Ring, &m_lifelines[int(Lifeline::RingBuddy)],
         &GameScreen::ringBuddyClicked},
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

    // Shows the winnings; deliberately too small to read,
    // and drawn clear so that no clipped glyph shows, not even on the corner
    // of the question box it touches.
    m_winningsLabel = textLabel(this, QStringLiteral("lbl_dosh"), QString(), 9);
    Colors::setForeground(m_winningsLabel, Qt::transparent);
    Twips::place(m_winningsLabel, 0, 240, 135, 135);

    QWidget *order[] = {m_questionLabel,     m_answerLabels[0],  m_answerLabels[1],
                        m_answerLabels[2],   m_answerLabels[3],  m_lifelines[0].button,
                        m_lifelines[1].button, m_lifelines[2].button, m_takeMoneyButton,
                        m_quitButton,        m_musicButton};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// ------------------------------------------------------------ a game

void GameScreen::load()
{
    m_sounds = &m_services.sound->loadGame(m_folders.musicDir());
    m_musicOn = true;
    m_musicButton->setText(QStringLiteral("Music Off"));
    if (!readQuestions())
        return;
    askPlayerName();
    for (const LifelinePanel &lifeline : m_lifelines) {
        lifeline.cross->hide();
        lifeline.button->setAccessibleDescription(QStringLiteral("Not used yet"));
    }
    showMoney();
    m_game.begin();
}

bool GameScreen::readQuestions()
{
    QString error;
    switch (m_game.load(m_set.path, &error)) {
    case Game::Problem::None: return true;
    case Game::Problem::Unreadable:
        message(QStringLiteral("The questions could not be read from the question set.\n%1")
                    .arg(error),
                QStringLiteral("Question"));
        break;
    case Game::Problem::RoundWithoutQuestion:
        message(QStringLiteral("You Must Have At Least One Question For Each Round"),
                QStringLiteral("Questions"));
        break;
    }
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
    m_game.setPlayerName(name);
}

void GameScreen::showQuestion()
{
    m_questionLabel->setText(m_game.question().question);
    for (int i = 0; i < 4; ++i)
        m_answerLabels[i]->setText(answerOf(m_game.question(), i));
    speakQuestion();
}

void GameScreen::speakQuestion()
{
    nameQuestion();
    speakAnswers();
    speakLadder();
    // Readers follow the focus: a new question is read before its answers.
    m_questionLabel->setFocus();
}

// The question as a reader hears it: its number, its text and, once 50:50
// has been used on it, which answers went.
void GameScreen::nameQuestion()
{
    QString said = QStringLiteral("Question %1: %2")
                       .arg(m_game.questionNumber())
                       .arg(m_game.question().question);
    QStringList gone = m_game.removed();
    if (gone.size() == 2) {
        gone.sort();
        said += QLatin1Char(' ')
                + tr("Answers %1 and %2 were removed.").arg(gone[0].toUpper(), gone[1].toUpper());
    }
    TextDisplay::setSpokenName(m_questionLabel, said);
}

void GameScreen::speakAnswers()
{
    for (int i = 0; i < 4; ++i) {
        const QString shown = m_game.removed().contains(letters().at(i))
                                  ? QStringLiteral("removed")
                                  : answerOf(m_game.question(), i);
        TextDisplay::setSpokenName(m_answerLabels[i],
                                   letters().at(i).toUpper() + QStringLiteral(": ") + shown);
    }
}

void GameScreen::speakLadder()
{
    const int number = m_game.questionNumber();
    const QString step = number >= 1 && number <= Ladder::STEPS
                             ? QStringLiteral("Question %1 for %2. ")
                                   .arg(number)
                                   .arg(Ladder::amount(number))
                             : QString();
    TextDisplay::setSpokenName(m_ladderBox, QStringLiteral("Money ladder: ") + step +
                                                QStringLiteral("Won so far: ") +
                                                m_game.winnings());
}

void GameScreen::showMoney()
{
    const int level = m_game.level();
    for (QLabel *label : m_answerLabels)
        label->show();
    if (m_musicOn) {
        if (const auto track = GameRules::stepBackground(level))
            playBackground(*track);
    }
    for (QLabel *label : m_stepLabels + m_amountLabels)
        Colors::setBackground(label, ladderNormal());
    if (level >= 1 && level <= Ladder::STEPS) {
        Colors::setBackground(m_stepLabels.at(level - 1), ladderReached());
        Colors::setBackground(m_amountLabels.at(level - 1), ladderReached());
    }
    m_winningsLabel->setText(m_game.winnings());
    speakAnswers();
    speakLadder();
}

void GameScreen::stopBackground()
{
    for (GameSound track : {GameSound::first_bg, GameSound::second_bg, GameSound::final_bg})
        m_sounds->stop(track);
}

void GameScreen::playEffect(GameSound sound)
{
    m_sounds->play(sound);
}

void GameScreen::playBackground(GameSound sound)
{
    stopBackground();
    m_sounds->play(sound);
}

// ------------------------------------------------------------ answering

void GameScreen::hoverAnswer(const QString &letter)
{
    for (const QString &l : letters())
        boxOf(l)->setFillColor(l == letter ? boxHover() : boxNormal());
}

void GameScreen::answerClicked(const QString &letter)
{
    if (!m_game.counts(GamePress::Answer, letter) || Modal::blocks(this))
        return;
    boxOf(letter)->setFillColor(boxChosen());
    if (!confirm(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Answer?")))
        return;
    switch (m_game.answer(letter)) {
    case GameRules::Outcome::Right: rightAnswer(); break;
    case GameRules::Outcome::TopPrize: topPrize(); break;
    case GameRules::Outcome::Wrong: wrongAnswer(); break;
    }
}

void GameScreen::showJudged(const QString &letter, GameRules::Outcome outcome)
{
    const bool wrong = outcome == GameRules::Outcome::Wrong;
    if (ShapeBox *right = boxOf(wrong ? m_game.rightLetter() : letter))
        right->setFillColor(boxRight());
    if (!wrong)
        showMoney();
}

void GameScreen::rightAnswer()
{
    message(QStringLiteral("Well Done. You've Just Won ") + m_game.winnings(),
            QStringLiteral("Correct"));
    message(QStringLiteral("Have A Look At The Next Question..."), QStringLiteral("Correct"));
    resetBoxes();
    m_game.askQuestion();
}

void GameScreen::topPrize()
{
    stopBackground();
    playEffect(GameSound::win_bg);
    message(QStringLiteral("You've Just Won £1000000!"), QStringLiteral("Congratulations"));
    message(QStringLiteral("Click Here To Continue"), QStringLiteral("Congratulations"));
    showCertificate();
}

void GameScreen::wrongAnswer()
{
    stopBackground();
    playEffect(GameSound::lose_bg);
    const QString title = QStringLiteral("Wrong");
    message(QStringLiteral("I'm Afraid Its The Wrong Answer..."), title);
    message(QStringLiteral("The Correct Answer Was ") + m_game.rightLetter().toUpper(), title);
    message(QStringLiteral("You Leave With ") + m_game.winnings(), title);
    resetBoxes();
    endGame();
}

void GameScreen::takeMoneyClicked()
{
    if (!m_game.counts(GamePress::TakeMoney) || Modal::blocks(this))
        return;
    if (m_game.level() == 0) {
        m_game.setPhase(GamePhase::Announcing);
        message(QStringLiteral("Leave With Nothing?"), QStringLiteral("Leave"));
        m_game.setPhase(GamePhase::Asking);
        return;
    }
    if (!confirm(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Leave")))
        return;
    m_game.takeMoney();
    stopBackground();
    playEffect(GameSound::take_bg);
    message(QStringLiteral("You Go Away With ") + m_game.winnings(), QStringLiteral("Leave"));
    message(QStringLiteral("Click Here To Continue"), QStringLiteral("Leave"));
    showCertificate();
}

void GameScreen::quitClicked()
{
    if (!m_game.counts(GamePress::Quit) || Modal::blocks(this) || !confirmQuit())
        return;
    stopBackground();
    endGame();
}

bool GameScreen::confirmQuit()
{
    if (!confirm(QStringLiteral("Are You Sure You Want To Quit?"), QStringLiteral("Quit")))
        return false;
    m_game.quit();
    return true;
}

void GameScreen::musicClicked()
{
    if (!m_game.counts(GamePress::Music) || Modal::blocks(this))
        return;
    m_musicOn = !m_musicOn;
    m_musicButton->setText(m_musicOn ? QStringLiteral("Music Off") : QStringLiteral("Music On"));
    if (!m_musicOn)
        stopBackground();
    else if (const auto track = GameRules::stepBackground(m_game.level()))
        playBackground(*track);
}

void GameScreen::showCertificate()
{
    const Certificate shown{m_game.playerName(), m_game.winnings(), m_game.lifelinesUsed(),
                            m_set.name};
    ModalScreen certificate(new CertificateWindow(shown, m_services, this));
    if (certificate.run())
        endGame();
}

// ------------------------------------------------------------ lifelines

bool GameScreen::lifelineCounts(Lifeline lifeline)
{
    return m_game.counts(GamePress::Lifeline) && !m_game.used(lifeline) && !Modal::blocks(this);
}

void GameScreen::fiftyClicked()
{
    if (!lifelineCounts(Lifeline::Fifty))
        return;
    m_game.useLifeline(Lifeline::Fifty);
    message(QStringLiteral("Computer, Take Away Two Wrong Answers..."), QStringLiteral("50%"));
    endLifeline();
}

void GameScreen::askFriendsClicked()
{
    if (!lifelineCounts(Lifeline::AskFriends))
        return;
    m_game.useLifeline(Lifeline::AskFriends);
    ModalScreen chart(new PollChart(m_game.poll(), this));
    if (chart.run())
        endLifeline();
}

void GameScreen::ringBuddyClicked()
{
    if (!lifelineCounts(Lifeline::RingBuddy))
        return;
    m_game.useLifeline(Lifeline::RingBuddy);
    message(m_game.buddyReply(), QStringLiteral("Ring A Buddy"));
    endLifeline();
}

void GameScreen::showLifelineUsed(Lifeline lifeline)
{
    if (lifeline == Lifeline::Fifty) {
        for (const QString &letter : m_game.removed())
            answerLabelOf(letter)->hide();
        speakAnswers();
        nameQuestion();
    }
    // The question takes the focus, so that once the lifeline's message or
    // chart closes a screen reader reads it again with what the lifeline
    // changed, rather than moving on to the next lifeline.
    m_questionLabel->setFocus();
    // The lifeline's sound plays as its cross appears, over no music.
    stopBackground();
    const GameSound sounds[] = {GameSound::fifty, GameSound::ask, GameSound::ring};
    playEffect(sounds[int(lifeline)]);
    const LifelinePanel &panel = m_lifelines[int(lifeline)];
    panel.cross->show();
    // Used up: Tab passes it by, and readers hear it is used.
    panel.button->setEnabled(false);
    panel.button->setAccessibleDescription(QStringLiteral("Used"));
}

void GameScreen::endLifeline()
{
    m_game.lifelineDone();
    if (!m_musicOn)
        return;
    if (const auto track = GameRules::bandBackground(m_game.level()))
        playBackground(*track);
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
        if (!m_game.counts(GamePress::Quit) || !confirmQuit()) {
            event->ignore();
            return;
        }
        stopBackground();
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
    m_game.setPhase(GamePhase::Confirming);
    const bool yes = askYesNo(text, title);
    m_game.setPhase(yes ? GamePhase::Announcing : GamePhase::Asking);
    return yes;
}

#include "gamescreen.h"

#include "ui/services.h"
#include "crossmark.h"
#include "certificatewindow.h"
#include "pollchart.h"
#include "lifelinebutton.h"
#include "qtprintservice.h"
#include "qtsoundservice.h"
#include "questiondraw.h"
#include "randomsource.h"
#include "shapebox.h"
#include "storage/appstate.h"
#include "storage/fixedtext.h"
#include "storage/ladder.h"
#include "systemrandomsource.h"
#include "ui/dialogservice.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/textdisplay.h"
#include "ui/modal.h"
#include "ui/windowicon.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

const QStringList LETTERS = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                             QStringLiteral("d")};

template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, qreal points)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setFont(Fonts::sans(points, true));
    Colors::setForeground(label, Qt::white);
    return label;
}

ShapeBox *shape(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *box = named(new ShapeBox(parent), name);
    Twips::place(box, left, top, width, height);
    return box;
}

} // namespace

QColor GameScreen::ladderNormal() { return Colors::fromBgr(0x000000); }
QColor GameScreen::ladderReached() { return Colors::fromBgr(33023); }
QColor GameScreen::boxNormal() { return Colors::fromBgr(0x404040); }
QColor GameScreen::boxHover() { return Colors::fromBgr(0x808080); }
QColor GameScreen::boxChosen() { return Colors::fromBgr(33023); }
QColor GameScreen::boxRight() { return Colors::fromBgr(49152); }

GameScreen::GameScreen(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::Dialog)
    , m_state(state)
    , m_services(services)
{
    Q_ASSERT(services.dialogs && services.random && services.sound);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Quorvane?"));
    WindowIcon::apply(this);
    Twips::setClientSize(this, 8895, 5055);
    Colors::setBackground(this, Colors::fromBgr(0x800000));
    buildControls();
    TextDisplay::plainLabels(this);
    load();
}

GameScreen::~GameScreen() = default;

void GameScreen::play(QWidget *mainWindow, AppState &state, Services &services)
{
    // The program's own generator, sounds and printer serve unless the caller
    // brings its own; a fresh generator per game is seeded once for that game.
    SystemRandomSource random;
    std::optional<QtSoundService> sound;
    std::optional<QtPrintService> printer;
    Services game = services;
    if (!game.random)
        game.random = &random;
    if (!game.sound)
        game.sound = &sound.emplace();
    if (!game.printer)
        game.printer = &printer.emplace();

    QPointer<GameScreen> form = new GameScreen(state, game, mainWindow);
    if (form->isOver()) {
        delete form;
        return;
    }
    Modal::showUntilClosed(form);
}

void GameScreen::buildControls()
{
    cmd_music = named(new QPushButton(QStringLiteral("Music Off"), this), "cmd_music");
    cmd_music->setFont(Fonts::sans(7.5));
    Twips::place(cmd_music, 120, 0, 975, 255);

    sh_question = shape(this, "sh_question", 120, 360, 7095, 1215);
    sh_question->setFillColor(Colors::fromBgr(0x200000));
    sh_question->setBorderColor(Colors::fromBgr(0xC0C0C0));
    lbl_q = textLabel(this, "lbl_q", QStringLiteral("Question"), 9);
    lbl_q->setWordWrap(true);
    lbl_q->setAlignment(Qt::AlignCenter);
    Twips::place(lbl_q, 240, 480, 6855, 975);

    buildAnswers();
    buildLadder();
    buildLifelines();

    Command1 = named(new QPushButton(QStringLiteral("Take Money"), this), "Command1");
    Twips::place(Command1, 7320, 4080, 1455, 375);
    Command2 = named(new QPushButton(QStringLiteral("Quit This Game"), this), "Command2");
    Twips::place(Command2, 7320, 4560, 1455, 375);
    for (QPushButton *button : {Command1, Command2})
        button->setFont(Fonts::sans(8));

    // Holds the winnings for the messages; deliberately too small to read,
    // and drawn in the window's colour so that no clipped glyph shows.
    lbl_dosh = textLabel(this, "lbl_dosh", QString(), 9);
    Colors::setForeground(lbl_dosh, Colors::fromBgr(0x800000));
    Twips::place(lbl_dosh, 0, 240, 135, 135);

    connect(cmd_music, &QPushButton::clicked, this, &GameScreen::cmd_music_click);
    connect(Command1, &QPushButton::clicked, this, &GameScreen::Command1_click);
    connect(Command2, &QPushButton::clicked, this, &GameScreen::Command2_click);
    connect(life_50, &LifelineButton::clicked, this, &GameScreen::life_50_click);
    connect(life_ask, &LifelineButton::clicked, this, &GameScreen::life_ask_click);
    connect(life_ring, &LifelineButton::clicked, this, &GameScreen::life_ring_click);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, cmd_music);
    setTabOrder(cmd_music, life_50);
    setTabOrder(life_50, life_ask);
    setTabOrder(life_ask, life_ring);
}

void GameScreen::buildAnswers()
{
    const int tops[] = {1680, 2280, 2880, 3480};
    ShapeBox **boxes[] = {&sh_a, &sh_b, &sh_c, &sh_d};
    QLabel **tags[] = {&la_a, &la_b, &la_c, &la_d};
    QLabel **answers[] = {&lbl_a, &lbl_b, &lbl_c, &lbl_d};
    for (int i = 0; i < 4; ++i) {
        const QString letter = LETTERS.at(i);
        ShapeBox *box = shape(this, QStringLiteral("sh_") + letter, 120, tops[i], 7095, 495);
        box->setFillColor(boxNormal());
        box->setBorderColor(Colors::fromBgr(0xC0C0C0));
        *boxes[i] = box;

        // A bullet, then " A:" and so on.
        QLabel *tag = textLabel(this, QStringLiteral("la_") + letter,
                                QChar(0x2022) + QStringLiteral(" ") + letter.toUpper() +
                                    QLatin1Char(':'),
                                9);
        tag->setAlignment(Qt::AlignCenter);
        Twips::place(tag, 120, tops[i] + 120, 600, 255);
        *tags[i] = tag;

        QLabel *label = textLabel(this, QStringLiteral("lbl_") + letter,
                                  QStringLiteral("Answer"), 8.25);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        Twips::place(label, 720, tops[i] + 60, 6375, 375);
        *answers[i] = label;

        // Keyboard players answer with the letter keys.
        auto *key = new QShortcut(QKeySequence(Qt::Key_A + i), this);
        connect(key, &QShortcut::activated, this, [this, label, letter] {
            if (!label->isHidden())
                answer_click(letter);
        });
    }
}

void GameScreen::buildLadder()
{
    sh_qbox = shape(this, "sh_qbox", 7320, 120, 1455, 3855);
    sh_qbox->setBorderColor(Colors::fromBgr(0xC0C0C0));
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
        stepLabels.append(number);
        amountLabels.append(amount);
    }
}

void GameScreen::buildLifelines()
{
    struct Panel
    {
        const char *shapeName;
        const char *pictureName;
        const char *crossName;
        const char *captionName;
        const char *caption;
        LifelineButton::Kind kind;
        ShapeBox **box;
        LifelineButton **picture;
        CrossMark **cross;
        QLabel **label;
    };
    const Panel panels[] = {
        {"sh_talk", "life_50", "cross_50", "Label3", "50% Remove", LifelineButton::Kind::Fifty,
         &sh_talk, &life_50, &cross_50, &Label3},
        {"Shape1", "life_ask", "cross_ask", "Label2", "Ask Your Friends",
         LifelineButton::Kind::Ask, &Shape1, &life_ask, &cross_ask, &Label2},
        {"Shape2", "life_ring", "cross_ring", "Label1", "Ring A Buddy",
         LifelineButton::Kind::Ring, &Shape2, &life_ring, &cross_ring, &Label1},
    };
    int left = 120;
    for (const Panel &p : panels) {
        *p.box = shape(this, QLatin1String(p.shapeName), left, 4080, 2295, 855);
        (*p.box)->setBorderColor(Colors::fromBgr(0xC0C0C0));

        auto *picture = named(new LifelineButton(p.kind, this), QLatin1String(p.pictureName));
        picture->setAccessibleName(QLatin1String(p.caption));
        picture->setToolTip(QLatin1String(p.caption));
        Twips::place(picture, left + 120, 4140, 900, 735);
        *p.picture = picture;

        auto *cross = named(new CrossMark(this), QLatin1String(p.crossName));
        Twips::place(cross, left + 135, 4155, 870, 705);
        *p.cross = cross;

        QLabel *caption = textLabel(this, QLatin1String(p.captionName),
                                    QLatin1String(p.caption), 9);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Twips::place(caption, left + 1080, 4200, 1095, 615);
        caption->setBuddy(picture);
        *p.label = caption;
        left += 2400;
    }
}

void GameScreen::load()
{
    m_game = GameState{};
    m_game.sounds = &m_services.sound->loadGame(m_state.musicDir());
    m_game.music_on = true;
    cmd_music->setText(QStringLiteral("Music Off"));
    askPlayerName();
    for (CrossMark *cross : {cross_50, cross_ask, cross_ring})
        cross->hide();
    m_game.level = 0;
    m_game.question_number = 0;
    money();
    ask_question();
}

void GameScreen::askPlayerName()
{
    DialogService::PromptOptions options;
    // Over the main window, a little in from its top-left corner.
    if (QWidget *main = parentWidget())
        options.position = main->mapToGlobal(QPoint(main->width() / 4, main->height() / 4));
    QString name;
    do {
        name = m_services.dialogs->prompt(dialogParent(), QStringLiteral("What Is Your Full Name?"),
                                          QStringLiteral("Player"), options);
    } while (FixedText::trimSpaces(name).isEmpty());
    message(QStringLiteral("Lets Play Quorvane!"), QStringLiteral("Play"));
    m_state.player_name = name;
}

void GameScreen::ask_question()
{
    ++m_game.question_number;
    const QuestionDraw::Result drawn =
        QuestionDraw::run(m_state, m_game.question_number, *m_services.random);
    if (!drawn.ok) {
        // Without its questions the game cannot go on; say why rather than
        // leave the previous question on screen.
        message(QStringLiteral("The next question could not be read from the question set.\n%1")
                    .arg(drawn.error),
                QStringLiteral("Question"));
        stop_background();
        endGame();
        return;
    }
    if (!drawn.record)
        return; // a round without questions keeps what is shown
    lbl_q->setText(drawn.record->question);
    lbl_a->setText(drawn.record->answer_a);
    lbl_b->setText(drawn.record->answer_b);
    lbl_c->setText(drawn.record->answer_c);
    lbl_d->setText(drawn.record->answer_d);
    m_game.right_letter = drawn.record->right_answer;
}

void GameScreen::money()
{
    for (QLabel *label : {lbl_a, lbl_b, lbl_c, lbl_d})
        label->show();
    if (m_game.music_on) {
        if (const auto track = step_background(m_game.level))
            play_background(*track);
    }
    for (QLabel *label : stepLabels + amountLabels)
        Colors::setBackground(label, ladderNormal());
    if (m_game.level == 0) {
        lbl_dosh->setText(QStringLiteral("£0"));
    } else if (m_game.level >= 1 && m_game.level <= Ladder::STEPS) {
        Colors::setBackground(stepLabels.at(m_game.level - 1), ladderReached());
        Colors::setBackground(amountLabels.at(m_game.level - 1), ladderReached());
        lbl_dosh->setText(Ladder::amount(m_game.level));
    }
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

std::optional<GameSound> GameScreen::step_background(int level)
{
    switch (level) {
    case 0: return GameSound::first_bg;
    case 5: return GameSound::second_bg;
    case 10: return GameSound::final_bg;
    default: return std::nullopt;
    }
}

std::optional<GameSound> GameScreen::band_background(int level)
{
    if (level < 5)
        return GameSound::first_bg;
    if (level < 10)
        return GameSound::second_bg;
    if (level < 15)
        return GameSound::final_bg;
    return std::nullopt;
}

void GameScreen::answer_hover(const QString &letter)
{
    for (const QString &l : LETTERS)
        boxOf(l)->setFillColor(l == letter ? boxHover() : boxNormal());
}

void GameScreen::answer_click(const QString &letter)
{
    if (m_over || !boxOf(letter))
        return;
    boxOf(letter)->setFillColor(boxChosen());
    if (!askYesNo(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Answer?")))
        return;
    if (m_game.right_letter == letter && m_game.level < 14)
        rightAnswer(letter);
    else if (m_game.right_letter == letter && m_game.level == 14)
        topPrize(letter);
    else
        wrongAnswer();
}

void GameScreen::rightAnswer(const QString &letter)
{
    boxOf(letter)->setFillColor(boxRight());
    ++m_game.level;
    money();
    message(QStringLiteral("Well Done. You've Just Won ") + lbl_dosh->text(),
            QStringLiteral("Correct"));
    message(QStringLiteral("Have A Look At The Next Question..."), QStringLiteral("Correct"));
    resetBoxes();
    ask_question();
}

void GameScreen::topPrize(const QString &letter)
{
    boxOf(letter)->setFillColor(boxRight());
    m_game.level = 15;
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
    if (m_game.level < 5)
        message(QStringLiteral("You Leave With £0"), title);
    else if (m_game.level < 10)
        message(QStringLiteral("You Leave With £1000"), title);
    else
        message(QStringLiteral("You Leave With £32000"), title);
    resetBoxes();
    endGame();
}

void GameScreen::Command1_click()
{
    if (m_game.level == 0) {
        message(QStringLiteral("Leave With Nothing?"), QStringLiteral("Leave"));
        return;
    }
    if (!askYesNo(QStringLiteral("Is That Your Final Answer?"), QStringLiteral("Leave")))
        return;
    recordResult();
    stop_background();
    play_effect(GameSound::take_bg);
    message(QStringLiteral("You Go Away With ") + lbl_dosh->text(), QStringLiteral("Leave"));
    message(QStringLiteral("Click Here To Continue"), QStringLiteral("Leave"));
    showCertificate();
}

void GameScreen::Command2_click()
{
    if (!askYesNo(QStringLiteral("Are You Sure You Want To Quit?"), QStringLiteral("Quit")))
        return;
    stop_background();
    endGame();
}

void GameScreen::cmd_music_click()
{
    if (m_game.music_on) {
        m_game.music_on = false;
        cmd_music->setText(QStringLiteral("Music On"));
        stop_background();
    } else {
        m_game.music_on = true;
        if (const auto track = step_background(m_game.level))
            play_background(*track);
        cmd_music->setText(QStringLiteral("Music Off"));
    }
}

void GameScreen::recordResult()
{
    m_state.winnings = lbl_dosh->text();
    qint16 used = 0;
    for (CrossMark *cross : {cross_50, cross_ring, cross_ask})
        used += cross->isHidden() ? 0 : 1;
    m_state.lifelines_used = used;
}

void GameScreen::showCertificate()
{
    CertificateWindow::showModal(m_state, m_services, this);
    endGame();
}

QStringList GameScreen::fiftyHides(const QString &right_letter)
{
    if (right_letter == QLatin1String("a"))
        return {QStringLiteral("b"), QStringLiteral("d")};
    if (right_letter == QLatin1String("b"))
        return {QStringLiteral("a"), QStringLiteral("c")};
    if (right_letter == QLatin1String("c"))
        return {QStringLiteral("a"), QStringLiteral("b")};
    if (right_letter == QLatin1String("d"))
        return {QStringLiteral("c"), QStringLiteral("b")};
    return {};
}

QString GameScreen::wrongGuess(const QString &right_letter, int g)
{
    if (!LETTERS.contains(right_letter) || g < 1 || g > 3)
        return {};
    QStringList others = LETTERS;
    others.removeOne(right_letter);
    return others.at(g - 1).toUpper();
}

QString GameScreen::buddyReply(const QString &player_name, const QString &right_letter, int r, int g)
{
    const QString right = right_letter.toUpper();
    const QString wrong = wrongGuess(right_letter, g);
    const QString think = QStringLiteral(", I Think The Answer Is '");
    const QString unsure = QStringLiteral(", I'm Not Sure. I'd Guess At '");
    const QString hi = QStringLiteral("Hi ");
    const QString sorry = QStringLiteral("Sorry ");
    const QString quote = QStringLiteral("'");
    switch (r) {
    case 1:
    case 5: return hi + player_name + think + right + quote;
    case 2: return hi + player_name + think + wrong + quote;
    case 3: return sorry + player_name + unsure + wrong + quote;
    case 4: return sorry + player_name + unsure + right + quote;
    case 6: return QStringLiteral("I Haven't A Clue");
    case 7: return QStringLiteral("The Answer Is '") + right + QStringLiteral("'. Definitely");
    default: return {};
    }
}

int GameScreen::pollSides(int level)
{
    if (level < 5)
        return 8;
    if (level < 10)
        return 6;
    return 5;
}

std::array<qint16, 4> GameScreen::poll(RandomSource &random, int level, const QString &right_letter)
{
    const int sides = pollSides(level);
    const int right = LETTERS.indexOf(right_letter);
    std::array<qint16, 4> votes{0, 0, 0, 0};
    for (int i = 0; i < 100; ++i) {
        const int v = random.pick(sides);
        if (right < 0)
            continue; // every friend is still asked, but no vote counts
        ++votes[v <= 4 ? v - 1 : right];
    }
    return votes;
}

void GameScreen::life_50_click()
{
    if (!cross_50->isHidden())
        return;
    for (const QString &letter : fiftyHides(m_game.right_letter))
        answerLabelOf(letter)->hide();
    stop_background();
    play_effect(GameSound::fifty);
    cross_50->show();
    message(QStringLiteral("Computer, Take Away Two Wrong Answers..."), QStringLiteral("50%"));
    restartMusic();
}

void GameScreen::life_ask_click()
{
    if (!cross_ask->isHidden())
        return;
    stop_background();
    play_effect(GameSound::ask);
    cross_ask->show();
    const std::array<qint16, 4> votes =
        poll(*m_services.random, m_game.level, m_game.right_letter);
    m_state.poll_a = votes[0];
    m_state.poll_b = votes[1];
    m_state.poll_c = votes[2];
    m_state.poll_d = votes[3];
    PollChart::showModal(m_state, m_services, this);
    restartMusic();
}

void GameScreen::life_ring_click()
{
    if (!cross_ring->isHidden())
        return;
    cross_ring->show();
    stop_background();
    play_effect(GameSound::ring);
    const int r = m_services.random->pick(7);
    const int g = m_services.random->pick(3);
    message(buddyReply(m_state.player_name, m_game.right_letter, r, g),
            QStringLiteral("Ring A Buddy"));
    restartMusic();
}

void GameScreen::restartMusic()
{
    if (!m_game.music_on)
        return;
    if (const auto track = band_background(m_game.level))
        play_background(*track);
}

void GameScreen::endGame()
{
    m_over = true;
    close();
}

void GameScreen::resetBoxes()
{
    for (const QString &l : LETTERS)
        boxOf(l)->setFillColor(boxNormal());
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    // The close box quits like "Quit This Game", so music never plays on
    // behind the main window.
    if (!m_over) {
        if (!askYesNo(QStringLiteral("Are You Sure You Want To Quit?"), QStringLiteral("Quit"))) {
            event->ignore();
            return;
        }
        stop_background();
        m_over = true;
    }
    event->accept();
}

bool GameScreen::eventFilter(QObject *watched, QEvent *event)
{
    const QString letter = letterOf(watched);
    if (!letter.isEmpty()) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            answer_hover(letter);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            auto *label = static_cast<QLabel *>(watched);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
                answer_click(letter);
        }
    }
    return QWidget::eventFilter(watched, event);
}

ShapeBox *GameScreen::boxOf(const QString &letter) const
{
    const int i = LETTERS.indexOf(letter);
    return i < 0 ? nullptr : QList<ShapeBox *>{sh_a, sh_b, sh_c, sh_d}.at(i);
}

QLabel *GameScreen::answerLabelOf(const QString &letter) const
{
    const int i = LETTERS.indexOf(letter);
    return i < 0 ? nullptr : QList<QLabel *>{lbl_a, lbl_b, lbl_c, lbl_d}.at(i);
}

QString GameScreen::letterOf(QObject *answerLabel) const
{
    for (const QString &l : LETTERS) {
        if (answerLabelOf(l) == answerLabel)
            return l;
    }
    return {};
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

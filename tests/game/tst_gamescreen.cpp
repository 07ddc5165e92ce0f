#include "fakesound.h"
#include "game/crossmark.h"
#include "game/gamescreen.h"
#include "game/certificatewindow.h"
#include "game/lifelinebutton.h"
#include "game/shapebox.h"
#include "modalwatch.h"
#include "scriptedrandom.h"
#include "storage/ladder.h"
#include "testprogram.h"
#include "ui/geometry.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QStringList LETTERS = {"a", "b", "c", "d"};

// The right letter of question k (1 or 2) of a round.
QString rightFor(int round, int k)
{
    return LETTERS.at((round + k) % 4);
}

QString questionText(int round, int k)
{
    return QStringLiteral("ROUND %1 QUESTION %2").arg(round).arg(k);
}

// A program folder with a set of `perRound` questions in every round, and
// the fake sound and scripted random numbers wired in.
struct Game
{
    explicit Game(int questionsPerRound = 1)
    {
        QList<QuestionRecord> records{makeHeader("Hi", "Ann", "")};
        int number = 2;
        for (int k = 1; k <= questionsPerRound; ++k)
            for (int round = 1; round <= 15; ++round)
                records << makeQuestion(round, number++, questionText(round, k), rightFor(round, k));
        program.state.set_path = program.writeSet("quiz.dat", records);
        program.state.SET_RECORD_LEN = 405;
        program.state.winnings = "untouched";
        program.services.sound = &sound;
        program.services.random = &random;
        perRound = questionsPerRound;
    }

    // Starts the game; the first question drawn is question k of round 1.
    GameScreen *start(int k = 1, const QString &name = "Ann")
    {
        program.dialogs.answerText(name);
        random.pushPick(k, perRound);
        form = std::make_unique<GameScreen>(program.state, program.services, nullptr);
        return form.get();
    }

    QLabel *answerLabel(const QString &letter) const
    {
        return form->findChild<QLabel *>("lbl_" + letter);
    }
    ShapeBox *box(const QString &letter) const
    {
        return form->findChild<ShapeBox *>("sh_" + letter);
    }

    // Answers the question on screen right; next is the question drawn after.
    void answerRight(int next = 1)
    {
        program.dialogs.answerYes();
        if (form->game().level < 14)
            random.pushPick(next, perRound);
        QTest::mouseClick(answerLabel(form->game().right_letter), Qt::LeftButton);
    }

    // Plays right answers until the level is reached.
    void climbTo(int level)
    {
        while (form->game().level < level)
            answerRight();
    }

    TestProgram program;
    FakeSoundService sound;
    ScriptedRandom random;
    std::unique_ptr<GameScreen> form;
    int perRound = 1;
};

QString wrongLetter(const QString &right)
{
    return right == "a" ? "b" : "a";
}

} // namespace

class TestGameScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void controlsStandWhereTheyBelong_data();
    void controlsStandWhereTheyBelong();
    void openingAsksNameAndResets_data();
    void openingAsksNameAndResets();
    void namePromptSitsOverTheMainWindow();
    void wholeGameToTheTopPrize();
    void wrongAnswerEndsTheGame_data();
    void wrongAnswerEndsTheGame();
    void noToFinalAnswerOnlyColoursTheBox();
    void takeMoney_data();
    void takeMoney();
    void quitting_data();
    void quitting();
    void musicSwitch_data();
    void musicSwitch();
    void effectsPlayWithMusicOff();
    void hoverAndLetterKeys();
    void unreadableSetEndsTheGameWithAMessage();
    void playRunsModallyUntilClosed();
};

void TestGameScreen::controlsStandWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("cmd_music") << "cmd_music" << QRect(120, 0, 975, 255) << "Music Off";
    QTest::newRow("sh_question") << "sh_question" << QRect(120, 360, 7095, 1215) << "";
    QTest::newRow("lbl_q") << "lbl_q" << QRect(240, 480, 6855, 975) << questionText(1, 1);
    QTest::newRow("sh_c") << "sh_c" << QRect(120, 2880, 7095, 495) << "";
    QTest::newRow("lbl_d") << "lbl_d" << QRect(720, 3540, 6375, 375) << "ANSWER D";
    QTest::newRow("la_b") << "la_b" << QRect(120, 2400, 600, 255) << QString(QChar(0x2022)) + " B:";
    QTest::newRow("sh_qbox") << "sh_qbox" << QRect(7320, 120, 1455, 3855) << "";
    QTest::newRow("q15") << "q15" << QRect(7440, 240, 495, 255) << "15";
    QTest::newRow("q1000000") << "q1000000" << QRect(7800, 240, 855, 255) << "MILLION";
    QTest::newRow("q1") << "q1" << QRect(7440, 3600, 495, 255) << "01";
    QTest::newRow("q100") << "q100" << QRect(7800, 3600, 855, 255) << "100";
    QTest::newRow("q32000") << "q32000" << QRect(7800, 1440, 855, 255) << "32000";
    QTest::newRow("sh_talk") << "sh_talk" << QRect(120, 4080, 2295, 855) << "";
    QTest::newRow("Shape1") << "Shape1" << QRect(2520, 4080, 2295, 855) << "";
    QTest::newRow("Shape2") << "Shape2" << QRect(4920, 4080, 2295, 855) << "";
    QTest::newRow("Label3") << "Label3" << QRect(1200, 4200, 1095, 615) << "50% Remove";
    QTest::newRow("Label2") << "Label2" << QRect(3600, 4200, 1095, 615) << "Ask Your Friends";
    QTest::newRow("Label1") << "Label1" << QRect(6000, 4200, 1095, 615) << "Ring A Buddy";
    QTest::newRow("Command1") << "Command1" << QRect(7320, 4080, 1455, 375) << "Take Money";
    QTest::newRow("Command2") << "Command2" << QRect(7320, 4560, 1455, 375) << "Quit This Game";
    QTest::newRow("lbl_dosh") << "lbl_dosh" << QRect(0, 240, 135, 135) << "£0";
}

void TestGameScreen::controlsStandWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);

    Game game;
    GameScreen *form = game.start();
    QCOMPARE(form->size(), Twips::size(8895, 5055));
    QCOMPARE(form->windowTitle(), QString("Quorvane?"));
    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
}

void TestGameScreen::openingAsksNameAndResets_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("player");

    QTest::newRow("plain") << QStringList{"Ann"} << "Ann";
    QTest::newRow("spaces kept") << QStringList{"  Ann Lee "} << "  Ann Lee ";
    QTest::newRow("blank, spaces and cancel repeat")
        << QStringList{"", "   ", "", "Bo"} << "Bo";
}

void TestGameScreen::openingAsksNameAndResets()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, player);

    Game game;
    for (int i = 0; i < typed.size() - 1; ++i)
        game.program.dialogs.answerText(typed.at(i));
    GameScreen *form = game.start(1, typed.last());

    QStringList expected;
    for (int i = 0; i < typed.size(); ++i)
        expected << "What Is Your Full Name?|Player";
    expected << "Lets Play Quorvane!|Play";
    QCOMPARE(game.program.dialogs.log(), expected);
    QCOMPARE(game.program.state.player_name, player);
    QCOMPARE(game.sound.calls.first(), "load " + game.program.state.musicDir());
    QCOMPARE(game.sound.backgroundsStarted(), QStringList{"first_bg"});
    QVERIFY(game.sound.playing.contains(GameSound::first_bg));
    for (const char *cross : {"cross_50", "cross_ask", "cross_ring"})
        QVERIFY(form->findChild<CrossMark *>(cross)->isHidden());
    for (const char *life : {"life_50", "life_ask", "life_ring"})
        QVERIFY(!form->findChild<LifelineButton *>(life)->accessibleName().isEmpty());
    QCOMPARE(form->game().level, 0);
    QCOMPARE(form->game().question_number, 1);
    QCOMPARE(form->game().right_letter, rightFor(1, 1));
    QCOMPARE(form->lbl_dosh->text(), QString("£0"));
    QVERIFY(!QFile::exists(game.program.questionsDir() + "/q_rand.tmp"));
}

void TestGameScreen::namePromptSitsOverTheMainWindow()
{
    Game game;
    QWidget main;
    main.setGeometry(200, 150, 600, 400);
    main.show();
    game.program.dialogs.answerText("Ann");
    game.random.pushPick(1, 1);
    {
        GameScreen form(game.program.state, game.program.services, &main);
        const auto &prompt = game.program.dialogs.shown.first();
        QVERIFY(prompt.options.position.has_value());
        QCOMPARE(*prompt.options.position, main.mapToGlobal(QPoint(150, 100)));
        QVERIFY(form.isWindow());
    }
}

void TestGameScreen::wholeGameToTheTopPrize()
{
    Game game(2);
    GameScreen *form = game.start(2);
    game.program.dialogs.clear();
    // The top prize ends with the certificate; the game screen closes after it.
    bool certificateOverOpenGame = false;
    ModalWatch certificate([&](QWidget *modal) {
        certificateOverOpenGame = qobject_cast<CertificateWindow *>(modal) && !form->isOver();
        modal->close();
    });
    QStringList expected;
    for (int level = 1; level <= 15; ++level) {
        // The question on screen is the one drawn for this round.
        const int drawn = (level % 2) + 1; // 2, 1, 2, 1, ...
        QCOMPARE(form->game().question_number, level);
        QCOMPARE(form->lbl_q->text(), questionText(level, drawn));
        QCOMPARE(form->game().right_letter, rightFor(level, drawn));

        game.answerRight(((level + 1) % 2) + 1);
        expected << "Is That Your Final Answer?|Answer?";
        if (level < 15) {
            expected << "Well Done. You've Just Won " + Ladder::amount(level) + "|Correct"
                     << "Have A Look At The Next Question...|Correct";
        } else {
            expected << "You've Just Won £1000000!|Congratulations"
                     << "Click Here To Continue|Congratulations";
        }
        QCOMPARE(game.program.dialogs.log(), expected);

        QCOMPARE(form->lbl_dosh->text(), Ladder::amount(level));
        for (int step = 1; step <= 15; ++step) {
            const QColor want = step == level ? GameScreen::ladderReached() : GameScreen::ladderNormal();
            QCOMPARE(form->stepLabels.at(step - 1)->palette().color(QPalette::Window), want);
            QCOMPARE(form->amountLabels.at(step - 1)->palette().color(QPalette::Window), want);
        }
        QStringList bands{"first_bg"};
        if (level >= 5)
            bands << "second_bg";
        if (level >= 10)
            bands << "final_bg";
        QCOMPARE(game.sound.backgroundsStarted(), bands);
    }
    QVERIFY(certificateOverOpenGame);
    QVERIFY(form->isOver());
    QCOMPARE(game.program.state.winnings, QString("£1000000"));
    QCOMPARE(game.program.state.lifelines_used, qint16(0));
    QCOMPARE(game.sound.plays().last(), QString("win_bg"));
    QVERIFY(!game.sound.backgroundPlaying());
    QVERIFY(game.random.values.isEmpty());
}

void TestGameScreen::wrongAnswerEndsTheGame_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("leave");

    QTest::newRow("first question") << 0 << "You Leave With £0";
    QTest::newRow("fifth question") << 4 << "You Leave With £0";
    QTest::newRow("sixth question") << 5 << "You Leave With £1000";
    QTest::newRow("tenth question") << 9 << "You Leave With £1000";
    QTest::newRow("eleventh question") << 10 << "You Leave With £32000";
    QTest::newRow("last question") << 14 << "You Leave With £32000";
}

void TestGameScreen::wrongAnswerEndsTheGame()
{
    QFETCH(int, level);
    QFETCH(QString, leave);

    Game game;
    GameScreen *form = game.start();
    form->show();
    game.climbTo(level);
    game.program.dialogs.clear();

    const QString right = form->game().right_letter;
    // The boxes are reset at the very end; watch them while the box is up.
    QColor rightBox;
    game.program.dialogs.onShown = [&](const ScriptedDialogs::Shown &shown) {
        if (shown.text == leave)
            rightBox = game.box(right)->fillColor();
    };
    game.program.dialogs.answerYes();
    QTest::mouseClick(game.answerLabel(wrongLetter(right)), Qt::LeftButton);

    QCOMPARE(game.program.dialogs.log(),
             (QStringList{"Is That Your Final Answer?|Answer?",
                          "I'm Afraid Its The Wrong Answer...|Wrong",
                          "The Correct Answer Was " + right.toUpper() + "|Wrong", leave + "|Wrong"}));
    QCOMPARE(rightBox, GameScreen::boxRight());
    for (const QString &l : LETTERS)
        QCOMPARE(game.box(l)->fillColor(), GameScreen::boxNormal());
    QCOMPARE(game.program.state.winnings, QString("untouched"));
    QCOMPARE(game.sound.plays().last(), QString("lose_bg"));
    QVERIFY(!game.sound.backgroundPlaying());
    QVERIFY(form->isOver());
    QVERIFY(!form->isVisible());
}

void TestGameScreen::noToFinalAnswerOnlyColoursTheBox()
{
    Game game;
    GameScreen *form = game.start();
    game.program.dialogs.clear();
    const QStringList soundsBefore = game.sound.calls;
    const QString question = form->lbl_q->text();

    game.program.dialogs.answerNo();
    QTest::mouseClick(game.answerLabel("c"), Qt::LeftButton);
    QCOMPARE(game.program.dialogs.log(), QStringList{"Is That Your Final Answer?|Answer?"});
    QCOMPARE(game.box("c")->fillColor(), GameScreen::boxChosen());
    for (const char *l : {"a", "b", "d"})
        QCOMPARE(game.box(l)->fillColor(), GameScreen::boxNormal());
    QCOMPARE(form->game().level, 0);
    QCOMPARE(form->lbl_q->text(), question);
    QCOMPARE(game.sound.calls, soundsBefore);
    QVERIFY(!form->isOver());

    // "Take Money" answered No changes nothing at all.
    game.climbTo(2);
    game.program.dialogs.clear();
    game.program.dialogs.answerNo();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(game.program.dialogs.log(), QStringList{"Is That Your Final Answer?|Leave"});
    QCOMPARE(game.program.state.winnings, QString("untouched"));
    QVERIFY(!form->isOver());
}

void TestGameScreen::takeMoney_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("crosses");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("used");

    QTest::newRow("level 3") << 3 << QStringList{} << "£300" << 0;
    QTest::newRow("level 3, two lifelines")
        << 3 << QStringList{"cross_ring", "cross_50"} << "£300" << 2;
    QTest::newRow("level 12, all lifelines")
        << 12 << QStringList{"cross_ask", "cross_50", "cross_ring"} << "£125000" << 3;
}

void TestGameScreen::takeMoney()
{
    QFETCH(int, level);
    QFETCH(QStringList, crosses);
    QFETCH(QString, amount);
    QFETCH(int, used);

    Game game;
    GameScreen *form = game.start();
    form->show();

    // At the first question there is nothing to take; the game goes on.
    game.program.dialogs.clear();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(game.program.dialogs.log(), QStringList{"Leave With Nothing?|Leave"});
    QVERIFY(!form->isOver());
    QCOMPARE(game.program.state.winnings, QString("untouched"));

    game.climbTo(level);
    for (const QString &cross : crosses)
        form->findChild<CrossMark *>(cross)->show();
    game.program.dialogs.clear();
    game.program.dialogs.answerYes();
    QString certificateLine;
    ModalWatch certificate([&](QWidget *modal) {
        if (auto *form5 = qobject_cast<CertificateWindow *>(modal))
            certificateLine = form5->lbl_money->text() + " " + form5->lbl_life->text();
        modal->close();
    });
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(certificateLine, QString("%1 [ %2 LIFELINES USED ]").arg(amount).arg(used));
    QCOMPARE(game.program.dialogs.log(),
             (QStringList{"Is That Your Final Answer?|Leave", "You Go Away With " + amount + "|Leave",
                          "Click Here To Continue|Leave"}));
    QCOMPARE(game.program.state.winnings, amount);
    QCOMPARE(game.program.state.lifelines_used, qint16(used));
    QCOMPARE(game.sound.plays().last(), QString("take_bg"));
    QVERIFY(!game.sound.backgroundPlaying());
    QVERIFY(form->isOver());
    QVERIFY(!form->isVisible());
}

void TestGameScreen::quitting_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("yes");

    QTest::newRow("Quit This Game, Yes") << false << true;
    QTest::newRow("Quit This Game, No") << false << false;
    QTest::newRow("close box, Yes") << true << true;
    QTest::newRow("close box, No") << true << false;
}

void TestGameScreen::quitting()
{
    QFETCH(bool, closeBox);
    QFETCH(bool, yes);

    Game game;
    GameScreen *form = game.start();
    form->show();
    game.climbTo(6);
    game.program.dialogs.clear();
    if (yes)
        game.program.dialogs.answerYes();
    else
        game.program.dialogs.answerNo();
    if (closeBox)
        form->close();
    else
        QTest::mouseClick(form->Command2, Qt::LeftButton);

    QCOMPARE(game.program.dialogs.log(), QStringList{"Are You Sure You Want To Quit?|Quit"});
    QCOMPARE(form->isVisible(), !yes);
    QCOMPARE(form->isOver(), yes);
    QCOMPARE(game.sound.backgroundPlaying(), !yes);
    QCOMPARE(game.program.state.winnings, QString("untouched"));
    if (!yes) {
        // The game goes on where it was.
        game.answerRight();
        QCOMPARE(form->game().level, 7);
    }
}

void TestGameScreen::musicSwitch_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("restarted");

    QTest::newRow("level 0 restarts first_bg") << 0 << "first_bg";
    QTest::newRow("level 3 plays nothing") << 3 << "";
    QTest::newRow("level 5 restarts second_bg") << 5 << "second_bg";
    QTest::newRow("level 7 plays nothing") << 7 << "";
    QTest::newRow("level 10 restarts final_bg") << 10 << "final_bg";
}

void TestGameScreen::musicSwitch()
{
    QFETCH(int, level);
    QFETCH(QString, restarted);

    Game game;
    GameScreen *form = game.start();
    game.climbTo(level);

    QTest::mouseClick(form->cmd_music, Qt::LeftButton);
    QCOMPARE(form->cmd_music->text(), QString("Music On"));
    QVERIFY(!form->game().music_on);
    QVERIFY(!game.sound.backgroundPlaying());
    QCOMPARE(game.sound.calls.mid(game.sound.calls.size() - 3),
             (QStringList{"stop first_bg", "stop second_bg", "stop final_bg"}));

    game.sound.calls.clear();
    QTest::mouseClick(form->cmd_music, Qt::LeftButton);
    QCOMPARE(form->cmd_music->text(), QString("Music Off"));
    QVERIFY(form->game().music_on);
    QCOMPARE(game.sound.backgroundsStarted(),
             restarted.isEmpty() ? QStringList{} : QStringList{restarted});
    QCOMPARE(game.sound.backgroundPlaying(), !restarted.isEmpty());
}

void TestGameScreen::effectsPlayWithMusicOff()
{
    Game game;
    GameScreen *form = game.start();
    QTest::mouseClick(form->cmd_music, Qt::LeftButton);
    game.sound.calls.clear();

    // No background at the band steps while the music is off.
    game.climbTo(11);
    QVERIFY(game.sound.backgroundsStarted().isEmpty());
    QVERIFY(!game.sound.backgroundPlaying());

    game.program.dialogs.answerYes();
    QTest::mouseClick(game.answerLabel(wrongLetter(form->game().right_letter)), Qt::LeftButton);
    QCOMPARE(game.sound.plays(), QStringList{"lose_bg"});
}

void TestGameScreen::hoverAndLetterKeys()
{
    Game game;
    GameScreen *form = game.start();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QTest::mouseMove(game.answerLabel("b"));
    QTRY_COMPARE(game.box("b")->fillColor(), GameScreen::boxHover());
    for (const char *l : {"a", "c", "d"})
        QCOMPARE(game.box(l)->fillColor(), GameScreen::boxNormal());

    // The key C answers C, exactly like a click on its label.
    game.program.dialogs.clear();
    game.program.dialogs.answerNo();
    QTest::keyClick(form, Qt::Key_C);
    QCOMPARE(game.program.dialogs.log(), QStringList{"Is That Your Final Answer?|Answer?"});
    QCOMPARE(game.box("c")->fillColor(), GameScreen::boxChosen());

    // A hidden answer cannot be given, neither by click nor by key.
    game.answerLabel("d")->hide();
    game.program.dialogs.clear();
    QTest::keyClick(form, Qt::Key_D);
    QVERIFY(game.program.dialogs.shown.isEmpty());

    // A right answer by key shows every answer again.
    const QString right = form->game().right_letter;
    game.program.dialogs.answerYes();
    game.random.pushPick(1, 1);
    QTest::keyClick(form, Qt::Key(Qt::Key_A + LETTERS.indexOf(right)));
    QCOMPARE(form->game().level, 1);
    QVERIFY(!game.answerLabel("d")->isHidden());
}

void TestGameScreen::unreadableSetEndsTheGameWithAMessage()
{
    Game game;
    GameScreen *form = game.start();
    form->show();
    // The set vanishes behind the game's back and a folder takes its place.
    QFile::remove(game.program.state.set_path);
    QDir().mkpath(game.program.state.set_path);
    game.program.dialogs.clear();
    game.program.dialogs.answerYes();
    QTest::mouseClick(game.answerLabel(form->game().right_letter), Qt::LeftButton);

    const QStringList log = game.program.dialogs.log();
    QCOMPARE(log.size(), 4);
    QVERIFY(log.last().endsWith("|Question"));
    QVERIFY(form->isOver());
    QVERIFY(!form->isVisible());
    QVERIFY(!game.sound.backgroundPlaying());
}

void TestGameScreen::playRunsModallyUntilClosed()
{
    Game game;
    QWidget main;
    main.show();
    game.program.dialogs.answerText("Ann");
    game.random.pushPick(1, 1);
    game.program.dialogs.answerYes(); // to "Are You Sure You Want To Quit?"
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        auto *form = qobject_cast<GameScreen *>(QApplication::activeModalWidget());
        wasModal = form && form->isVisible() && form->parentWidget() == &main;
        if (form)
            form->close();
    });
    GameScreen::play(&main, game.program.state, game.program.services);

    QVERIFY(wasModal);
    QVERIFY(main.findChildren<GameScreen *>().isEmpty());
    QVERIFY(!game.sound.backgroundPlaying());
    QCOMPARE(game.program.dialogs.log().last(), QString("Are You Sure You Want To Quit?|Quit"));
}

QTEST_MAIN(TestGameScreen)
#include "tst_gamescreen.moc"

#include "gamedriver.h"
#include "game/crossmark.h"
#include "game/gamescreen.h"
#include "game/pollchart.h"
#include "game/lifelinebutton.h"
#include "game/systemrandomsource.h"
#include "modalwatch.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList LETTERS = {"a", "b", "c", "d"};

LifelineButton *lifeline(GameScreen *form, const QString &name)
{
    return form->findChild<LifelineButton *>(name);
}

bool crossShown(GameScreen *form, const QString &name)
{
    return !form->findChild<CrossMark *>(name)->isHidden();
}

QStringList visibleAnswers(const GameDriver &game)
{
    QStringList out;
    for (const QString &l : LETTERS) {
        if (!game.answerLabel(l)->isHidden())
            out << l;
    }
    return out;
}

// Uses a lifeline with everything its dialog needs scripted (unless the poll's
// throws are queued already); the poll chart is closed with its own button.
// Returns the chart's percentages.
QStringList useLifeline(GameDriver &game, const QString &name, int r = 1, int g = 1)
{
    QStringList percents;
    std::unique_ptr<ModalWatch> watch;
    if (name == "life_ask") {
        for (int i = game.random.values.size(); i < 100; ++i)
            game.random.push(0.99);
        watch = std::make_unique<ModalWatch>([&](QWidget *modal) {
            auto *chart = qobject_cast<PollChart *>(modal);
            QVERIFY(chart);
            for (QLabel *label : {chart->lbl_1, chart->lbl_2, chart->lbl_3, chart->lbl_4})
                percents << label->text();
            QTest::mouseClick(chart->cmd_back, Qt::LeftButton);
        });
    } else if (name == "life_ring") {
        game.random.pushPick(r, 7);
        game.random.pushPick(g, 3);
    }
    QTest::mouseClick(lifeline(game.form.get(), name), Qt::LeftButton);
    if (watch && !watch->ran())
        QTest::qFail("the poll chart did not open", __FILE__, __LINE__);
    return percents;
}

const QStringList STOP_ALL = {"stop first_bg", "stop second_bg", "stop final_bg"};

} // namespace

class TestLifelines : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TestProgram::closeAllWindows(); }
    void fiftyFifty_data();
    void fiftyFifty();
    void hiddenAnswersCannotBeGivenAndComeBack();
    void pollCountsScriptedVotes_data();
    void pollCountsScriptedVotes();
    void pollAveragesWithTheRealGenerator_data();
    void pollAveragesWithTheRealGenerator();
    void ringABuddy_data();
    void ringABuddy();
    void usedLifelineDoesNothing_data();
    void usedLifelineDoesNothing();
    void musicAfterTheDialog_data();
    void musicAfterTheDialog();
    void crossesCountOnTheResult();
};

void TestLifelines::fiftyFifty_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("a") << "a" << QStringList{"a", "c"};
    QTest::newRow("b") << "b" << QStringList{"b", "d"};
    QTest::newRow("c") << "c" << QStringList{"c", "d"};
    QTest::newRow("d") << "d" << QStringList{"a", "d"};
    QTest::newRow("upper-case A is no letter") << "A" << LETTERS;
    QTest::newRow("x is no letter") << "x" << LETTERS;
}

void TestLifelines::fiftyFifty()
{
    QFETCH(QString, right);
    QFETCH(QStringList, left);

    GameDriver game(right);
    GameScreen *form = game.start();
    QCOMPARE(form->game().right_letter, right);
    game.program.dialogs.clear();
    game.sound.calls.clear();

    QTest::mouseClick(lifeline(form, "life_50"), Qt::LeftButton);
    QCOMPARE(visibleAnswers(game), left);
    QCOMPARE(game.program.dialogs.log(),
             QStringList{"Computer, Take Away Two Wrong Answers...|50%"});
    QCOMPARE(game.sound.calls,
             STOP_ALL + QStringList{"play fifty"} + STOP_ALL + QStringList{"play first_bg"});
    QVERIFY(crossShown(form, "cross_50"));
    QVERIFY(!crossShown(form, "cross_ask"));
    QVERIFY(!crossShown(form, "cross_ring"));
    QCOMPARE(game.random.taken, 1); // only the question's draw
}

void TestLifelines::hiddenAnswersCannotBeGivenAndComeBack()
{
    GameDriver game("b");
    GameScreen *form = game.start();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(lifeline(form, "life_50"), Qt::LeftButton);
    QCOMPARE(visibleAnswers(game), (QStringList{"b", "d"}));

    // Clicking where a hidden answer stood, or pressing its key, answers nothing.
    game.program.dialogs.clear();
    for (const QString &hidden : {QString("a"), QString("c")}) {
        const QPoint spot = game.answerLabel(hidden)->geometry().center();
        QTest::mouseClick(form, Qt::LeftButton, {}, spot);
        QTest::keyClick(form, Qt::Key(Qt::Key_A + LETTERS.indexOf(hidden)));
    }
    QVERIFY(game.program.dialogs.shown.isEmpty());
    QCOMPARE(form->game().level, 0);

    // The next question shows all four again; the lifeline stays used.
    game.answerRight();
    QCOMPARE(form->game().level, 1);
    QCOMPARE(visibleAnswers(game), LETTERS);
    QVERIFY(crossShown(form, "cross_50"));
}

void TestLifelines::pollCountsScriptedVotes_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QList<int>>("expected");

    // The throws are always 5 ones, 7 twos, 11 threes, 13 fours and 64
    // throws above four, spread over the die's upper faces.
    QTest::newRow("level 0, right b") << 0 << "b" << QList<int>{5, 71, 11, 13};
    QTest::newRow("level 4, right a") << 4 << "a" << QList<int>{69, 7, 11, 13};
    QTest::newRow("level 5, right c") << 5 << "c" << QList<int>{5, 7, 75, 13};
    QTest::newRow("level 12, right d") << 12 << "d" << QList<int>{5, 7, 11, 77};
    QTest::newRow("level 0, no letter") << 0 << "x" << QList<int>{0, 0, 0, 0};
}

void TestLifelines::pollCountsScriptedVotes()
{
    QFETCH(int, level);
    QFETCH(QString, right);
    QFETCH(QList<int>, expected);

    GameDriver game(right);
    GameScreen *form = game.start();
    game.climbTo(level);
    const int sides = level < 5 ? 8 : (level < 10 ? 6 : 5);
    const int counts[] = {5, 7, 11, 13};
    for (int face = 1; face <= 4; ++face)
        for (int i = 0; i < counts[face - 1]; ++i)
            game.random.pushPick(face, sides);
    for (int i = 0; i < 64; ++i)
        game.random.pushPick(5 + i % (sides - 4), sides);
    const int takenBefore = game.random.taken;

    game.program.dialogs.clear();
    const QStringList percents = useLifeline(game, "life_ask");
    QCOMPARE(game.random.taken - takenBefore, 100);
    QVERIFY(game.random.values.isEmpty());
    const AppState &s = game.program.state;
    QCOMPARE((QList<int>{s.poll_a, s.poll_b, s.poll_c, s.poll_d}), expected);
    QStringList shown;
    for (int n : expected)
        shown << QString::number(n) + "%";
    QCOMPARE(percents, shown);
    QVERIFY(game.program.dialogs.shown.isEmpty());
    QVERIFY(crossShown(form, "cross_ask"));
    QVERIFY(game.sound.plays().contains("ask"));
}

void TestLifelines::pollAveragesWithTheRealGenerator_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("rightMean");

    QTest::newRow("level 0") << 0 << 62.5;
    QTest::newRow("level 7") << 7 << 50.0;
    QTest::newRow("level 12") << 12 << 40.0;
}

void TestLifelines::pollAveragesWithTheRealGenerator()
{
    QFETCH(int, level);
    QFETCH(double, rightMean);

    // Over 2000 polls the mean of a count has a standard deviation below
    // 0.12 votes; a tolerance of 1 vote is more than eight of them.
    constexpr int POLLS = 2000;
    SystemRandomSource random;
    double sums[4] = {0, 0, 0, 0};
    for (int i = 0; i < POLLS; ++i) {
        const std::array<qint16, 4> votes = GameScreen::poll(random, level, "c");
        QCOMPARE(votes[0] + votes[1] + votes[2] + votes[3], 100);
        for (int k = 0; k < 4; ++k)
            sums[k] += votes[k];
    }
    const double wrongMean = (100.0 - rightMean) / 3;
    QVERIFY2(qAbs(sums[2] / POLLS - rightMean) < 1.0,
             qPrintable(QString::number(sums[2] / POLLS)));
    for (int k : {0, 1, 3})
        QVERIFY2(qAbs(sums[k] / POLLS - wrongMean) < 1.0,
                 qPrintable(QString::number(sums[k] / POLLS)));
}

void TestLifelines::ringABuddy_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 right") << "c" << "Ann" << 1 << 2 << "Hi Ann, I Think The Answer Is 'C'";
    QTest::newRow("2 wrong, first")
        << "a" << "Ann" << 2 << 1 << "Hi Ann, I Think The Answer Is 'B'";
    QTest::newRow("2 wrong, last") << "c" << "Ann" << 2 << 3 << "Hi Ann, I Think The Answer Is 'D'";
    QTest::newRow("3 unsure, wrong")
        << "d" << "Ann" << 3 << 2 << "Sorry Ann, I'm Not Sure. I'd Guess At 'B'";
    QTest::newRow("4 unsure, right")
        << "b" << "Ann" << 4 << 3 << "Sorry Ann, I'm Not Sure. I'd Guess At 'B'";
    QTest::newRow("5 right, name as typed")
        << "b" << " ann smith " << 5 << 1 << "Hi  ann smith , I Think The Answer Is 'B'";
    QTest::newRow("6 no clue") << "a" << "Ann" << 6 << 2 << "I Haven't A Clue";
    QTest::newRow("7 definitely") << "d" << "Ann" << 7 << 3 << "The Answer Is 'D'. Definitely";
    QTest::newRow("bad letter, 2 guesses nothing")
        << "x" << "Ann" << 2 << 1 << "Hi Ann, I Think The Answer Is ''";
    QTest::newRow("bad letter, 3 guesses nothing")
        << "x" << "Ann" << 3 << 3 << "Sorry Ann, I'm Not Sure. I'd Guess At ''";
    QTest::newRow("bad letter, 7 names it") << "x" << "Ann" << 7 << 1
                                            << "The Answer Is 'X'. Definitely";
}

void TestLifelines::ringABuddy()
{
    QFETCH(QString, right);
    QFETCH(QString, name);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(QString, text);

    GameDriver game(right);
    GameScreen *form = game.start(name);
    game.program.dialogs.clear();
    game.sound.calls.clear();
    // The reply is drawn first, then the guess, even when unused.
    game.random.pushPick(r, 7);
    game.random.pushPick(g, 3);
    QTest::mouseClick(lifeline(form, "life_ring"), Qt::LeftButton);

    QCOMPARE(game.program.dialogs.log(), QStringList{text + "|Ring A Buddy"});
    QVERIFY(game.random.values.isEmpty());
    QVERIFY(crossShown(form, "cross_ring"));
    QCOMPARE(game.sound.calls,
             STOP_ALL + QStringList{"play ring"} + STOP_ALL + QStringList{"play first_bg"});
}

void TestLifelines::usedLifelineDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("50:50") << "life_50";
    QTest::newRow("Ask Your Friends") << "life_ask";
    QTest::newRow("Ring A Buddy") << "life_ring";
}

void TestLifelines::usedLifelineDoesNothing()
{
    QFETCH(QString, name);

    GameDriver game;
    GameScreen *form = game.start();
    useLifeline(game, name);
    const AppState before = game.program.state;
    game.program.dialogs.clear();
    game.sound.calls.clear();
    const int taken = game.random.taken;

    bool chartOpened = false;
    ModalWatch watch([&](QWidget *modal) {
        chartOpened = true;
        modal->close();
    });
    QTest::mouseClick(lifeline(form, name), Qt::LeftButton);
    QCoreApplication::processEvents();

    QVERIFY(!chartOpened);
    QVERIFY(game.program.dialogs.shown.isEmpty());
    QVERIFY(game.sound.calls.isEmpty());
    QCOMPARE(game.random.taken, taken);
    QVERIFY(game.sound.playing.contains(GameSound::first_bg));
    QCOMPARE(game.program.state.poll_a, before.poll_a);
}

void TestLifelines::musicAfterTheDialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("musicOn");
    QTest::addColumn<QString>("band");

    const QStringList names = {"life_50", "life_ask", "life_ring"};
    for (const QString &name : names) {
        QTest::addRow("%s, level 0", qPrintable(name)) << name << 0 << true << "first_bg";
        QTest::addRow("%s, level 5", qPrintable(name)) << name << 5 << true << "second_bg";
        QTest::addRow("%s, level 10", qPrintable(name)) << name << 10 << true << "final_bg";
        QTest::addRow("%s, level 7, music off", qPrintable(name)) << name << 7 << false << "";
    }
    QTest::newRow("life_ring, level 7") << "life_ring" << 7 << true << "second_bg";
    QTest::newRow("life_50, level 14") << "life_50" << 14 << true << "final_bg";
}

void TestLifelines::musicAfterTheDialog()
{
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(bool, musicOn);
    QFETCH(QString, band);

    GameDriver game;
    GameScreen *form = game.start();
    game.climbTo(level);
    if (!musicOn)
        QTest::mouseClick(form->cmd_music, Qt::LeftButton);
    game.sound.calls.clear();

    // While the dialog is up the background is silent and the effect plays.
    const GameSound effect = name == "life_50" ? GameSound::fifty
                             : name == "life_ask" ? GameSound::ask
                                                  : GameSound::ring;
    int checks = 0;
    auto duringDialog = [&] {
        ++checks;
        QVERIFY(!game.sound.backgroundPlaying());
        QVERIFY(game.sound.playing.contains(effect));
    };
    game.program.dialogs.onShown = [&](const ScriptedDialogs::Shown &) { duringDialog(); };
    std::unique_ptr<ModalWatch> chartWatch;
    if (name == "life_ask") {
        for (int i = 0; i < 100; ++i)
            game.random.push(0.5);
        chartWatch = std::make_unique<ModalWatch>([&](QWidget *chart) {
            duringDialog();
            chart->close();
        });
    } else if (name == "life_ring") {
        game.random.pushPick(1, 7);
        game.random.pushPick(1, 3);
    }
    QTest::mouseClick(lifeline(form, name), Qt::LeftButton);
    QCOMPARE(checks, 1);

    QCOMPARE(game.sound.plays().first(), GameSounds::name(effect));
    if (musicOn) {
        QCOMPARE(game.sound.backgroundsStarted(), QStringList{band});
        QCOMPARE(game.sound.calls.mid(game.sound.calls.size() - 4),
                 STOP_ALL + QStringList{"play " + band});
        QVERIFY(game.sound.backgroundPlaying());
    } else {
        QVERIFY(game.sound.backgroundsStarted().isEmpty());
        QVERIFY(!game.sound.backgroundPlaying());
    }
}

void TestLifelines::crossesCountOnTheResult()
{
    // All three on one question, then walking away: three crosses counted.
    GameDriver game;
    GameScreen *form = game.start();
    game.climbTo(2);
    for (const char *name : {"life_ring", "life_50", "life_ask"})
        useLifeline(game, name);
    QVERIFY(crossShown(form, "cross_50") && crossShown(form, "cross_ask") &&
            crossShown(form, "cross_ring"));
    // Every answer can still be given after the 50:50 and the poll.
    game.answerRight();

    game.program.dialogs.answerYes();
    ModalWatch certificate([](QWidget *modal) { modal->close(); });
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QVERIFY(certificate.ran());
    QCOMPARE(game.program.state.lifelines_used, qint16(3));
    QCOMPARE(game.program.state.winnings, QString("£300"));
}

QTEST_MAIN(TestLifelines)
#include "tst_lifelines.moc"

#include "game/game.h"
#include "gamedriver.h"

#include <QtTest>

// Whole games of the Game model over a set whose right letter is always "b",
// one question a round. Before every press the press must count.
class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void wholeGames_data()
    {
        // A letter answers; "T" takes the money, "Q" quits; "50", "ask:u"
        // (every friend throws u) and "ring:reply,guess" use a lifeline;
        // "gone" deletes the set.
        QTest::addColumn<QString>("presses");
        // Signals: "?" a question shown; "r", "W", "w" an answer judged right,
        // right at the top, wrong; "(...)" a lifeline and what it did: 50:50's
        // removed letters, the poll, the buddy's words; "|" and the end.
        QTest::addColumn<QString>("emitted");
        QTest::addColumn<QString>("winnings");
        const auto b = [](int n) { return QString("b ").repeated(n); };
        const auto up = [](int n) { return QString("?r").repeated(n) + "?"; };
        QTest::newRow("win") << b(15) << up(14) + "W|won" << "£1000000";
        QTest::newRow("walk away at 1") << "b T" << up(1) + "|walked away" << "£100";
        // Which amounts are held and kept at each level is GameRules'; here, that
        // losing keeps the guaranteed amount, not what was held.
        QTest::newRow("lose at 4") << b(4) + "c" << up(4) + "w|lost" << "£0";
        QTest::newRow("quit at 3") << b(3) + "Q" << up(3) + "|quit" << "£0";
        QTest::newRow("ask at 0: 1 of 8 votes A") << "ask:0.1 a" << "?(100/0/0/0)w|lost" << "£0";
        QTest::newRow("ring") << "ring:3,2 Q"
                              << "?(Sorry Ann, I'm Not Sure. I'd Guess At 'C')|quit" << "£0";
        QTest::newRow("all three, each once")
            << "50 ask:0.9 ring:7,1 b T"
            << "?(ac)(0/100/0/0)(The Answer Is 'B'. Definitely)r?|walked away" << "£100";
        QTest::newRow("set deleted during the game: the game read it at the start")
            << "b gone " + b(14) << up(14) + "W|won" << "£1000000";
        QTest::newRow("set gone at the start") << "" << "|unplayable" << "£0";
    }

    void wholeGames()
    {
        QFETCH(QString, presses);
        QFETCH(QString, emitted);
        QFETCH(QString, winnings);
        GameDriver driver("b");
        ScriptedRandom &random = driver.random;
        Game game(random);
        QString log;
        const QStringList ends{"", "won", "walked away", "lost", "quit", "unplayable"};
        connect(&game, &Game::questionShown, [&] { log += '?'; });
        connect(&game, &Game::answerJudged, [&](auto, auto outcome) { log += "rWw"[int(outcome)]; });
        connect(&game, &Game::lifelineUsed, [&](Lifeline used) {
            const auto &v = game.poll();
            const QString poll = QString("%1/%2/%3/%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
            log += '(' + QStringList{game.removed().join(""), poll, game.buddyReply()}[int(used)] + ')';
        });
        connect(&game, &Game::ended, [&](GameEnd end) { log += '|' + ends.at(int(end)); });
        if (presses.isEmpty())
            QVERIFY(QFile::remove(driver.program.state.set.path));
        if (game.load(driver.program.state.set.path) == Game::Problem::None) {
            game.setPlayerName("Ann");
            random.push(0.0); // each question's draw
            game.begin();
        }
        for (const QString &press : presses.split(' ', Qt::SkipEmptyParts)) {
            const QString what = press.section(':', 0, 0);
            const QStringList numbers = press.section(':', 1).split(',');
            const int lifeline = QStringList{"50", "ask", "ring"}.indexOf(what);
            if (what == "gone") {
                QVERIFY(QFile::remove(driver.program.state.set.path));
            } else if (lifeline >= 0) {
                QVERIFY(game.counts(GamePress::Lifeline));
                for (int i = 0; what == "ask" && i < 100; ++i)
                    random.push(numbers[0].toDouble());
                if (what == "ring")
                    random.pushPick(numbers[0].toInt(), 7), random.pushPick(numbers[1].toInt(), 3);
                game.useLifeline(Lifeline(lifeline));
                QVERIFY(game.used(Lifeline(lifeline)) && !game.counts(GamePress::Lifeline));
                game.lifelineDone();
            } else if (what == "T" || what == "Q") {
                QVERIFY(game.counts(what == "T" ? GamePress::TakeMoney : GamePress::Quit));
                what == "T" ? game.takeMoney() : game.quit();
            } else {
                QVERIFY(game.counts(GamePress::Answer, what));
                if (game.answer(what) == GameRules::Outcome::Right)
                    random.push(0.0), game.askQuestion();
            }
        }
        QCOMPARE(log, emitted);
        QCOMPARE(game.phase(), GamePhase::Over);
        QCOMPARE(game.winnings(), winnings);
        QCOMPARE(game.lifelinesUsed(), int(log.count('(')));
        QVERIFY(random.values.isEmpty());
    }
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"

#include "game/gamerules.h"
#include "scriptedrandom.h"

#include "storage/ladder.h"

#include <QtTest>

using namespace GameRules;

class TestGameRules : public QObject
{
    Q_OBJECT

private slots:
    // Which press counts in which phase of a game: every press in every phase.
    void pressCounts_data()
    {
        QTest::addColumn<GamePhase>("phase");
        QTest::addColumn<QStringList>("removed"); // by 50:50
        // The presses that count: answers a to d (and "A", "e", which are
        // none), Take Money, Quit, a Lifeline and the Music switch.
        QTest::addColumn<QString>("counting");
        const QStringList fifty{"a", "c"};
        QTest::newRow("asking") << GamePhase::Asking << QStringList{} << "abcdTQLM";
        QTest::newRow("asking after 50:50") << GamePhase::Asking << fifty << "bdTQLM";
        QTest::newRow("confirming") << GamePhase::Confirming << QStringList{} << "";
        QTest::newRow("announcing") << GamePhase::Announcing << QStringList{} << "";
        QTest::newRow("over") << GamePhase::Over << QStringList{} << "";
    }

    void pressCounts()
    {
        QFETCH(GamePhase, phase);
        QFETCH(QStringList, removed);
        QFETCH(QString, counting);
        GameState game;
        game.phase = phase;
        game.removed = removed;
        QString counted;
        for (const QString letter : {"a", "b", "c", "d", "A", "e"}) {
            if (GameRules::counts(game, GamePress::Answer, letter))
                counted += letter;
        }
        const std::pair<GamePress, char> others[] = {{GamePress::TakeMoney, 'T'},
                                                     {GamePress::Quit, 'Q'},
                                                     {GamePress::Lifeline, 'L'},
                                                     {GamePress::Music, 'M'}};
        for (const auto &[press, code] : others) {
            if (GameRules::counts(game, press))
                counted += QLatin1Char(code);
        }
        QCOMPARE(counted, counting);
    }

    void byLevel_data()
    {
        QTest::addColumn<int>("level");
        // Held, left after a wrong answer, music at the step and in the band,
        // sides of the poll's die.
        QTest::addColumn<QStringList>("rules");
        QTest::newRow("0") << 0 << QStringList{"£0", "£0", "first_bg", "first_bg", "8"};
        QTest::newRow("1") << 1 << QStringList{"£100", "£0", "", "first_bg", "8"};
        QTest::newRow("4") << 4 << QStringList{"£500", "£0", "", "first_bg", "8"};
        QTest::newRow("5") << 5 << QStringList{"£1000", "£1000", "second_bg", "second_bg", "6"};
        QTest::newRow("9") << 9 << QStringList{"£16000", "£1000", "", "second_bg", "6"};
        QTest::newRow("10") << 10 << QStringList{"£32000", "£32000", "final_bg", "final_bg", "5"};
        QTest::newRow("14") << 14 << QStringList{"£500000", "£32000", "", "final_bg", "5"};
        QTest::newRow("15") << 15 << QStringList{"£1000000", "£32000", "", "", "5"};
    }

    void byLevel()
    {
        QFETCH(int, level);
        QFETCH(QStringList, rules);
        auto track = [](std::optional<GameSound> s) { return s ? GameSounds::name(*s) : ""; };
        QCOMPARE((QStringList{winnings(level), leavingAmount(level), track(stepBackground(level)),
                              track(bandBackground(level)), QString::number(pollSides(level))}),
                 rules);
    }

    // The ladder as players know it; every screen shows these amounts.
    void ladderAmounts()
    {
        QCOMPARE(Ladder::amounts().join(u' '),
                 QStringLiteral("£100 £200 £300 £500 £1000 £2000 £4000 £8000 £16000 £32000 "
                                "£64000 £125000 £250000 £500000 £1000000"));
        QCOMPARE(Ladder::stepOf(QStringLiteral("£125000")), 12);
    }

    void fiftyHides_data()
    {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("a") << "a" << QStringList{"b", "d"};
        QTest::newRow("b") << "b" << QStringList{"a", "c"};
        QTest::newRow("c") << "c" << QStringList{"a", "b"};
        QTest::newRow("d") << "d" << QStringList{"c", "b"};
        QTest::newRow("upper-case A is no letter") << "A" << QStringList{};
    }

    void fiftyHides()
    {
        QFETCH(QString, right);
        QFETCH(QStringList, hidden);
        QCOMPARE(GameRules::fiftyHides(right), hidden);
    }

    void pollCountsTheThrows_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QList<int>>("votes");
        // The throws are always 5 ones, 7 twos, 11 threes, 13 fours and 64
        // throws above four, spread over the die's upper faces.
        QTest::newRow("level 0, right b") << 0 << "b" << QList<int>{5, 71, 11, 13};
        QTest::newRow("level 4, right a") << 4 << "a" << QList<int>{69, 7, 11, 13};
        QTest::newRow("level 5, right c") << 5 << "c" << QList<int>{5, 7, 75, 13};
        QTest::newRow("level 12, right d") << 12 << "d" << QList<int>{5, 7, 11, 77};
        QTest::newRow("no letter counts nothing") << 0 << "x" << QList<int>{0, 0, 0, 0};
    }

    void pollCountsTheThrows()
    {
        QFETCH(int, level);
        QFETCH(QString, right);
        QFETCH(QList<int>, votes);
        const int sides = pollSides(level);
        ScriptedRandom random;
        const int throwsOf[] = {5, 7, 11, 13};
        for (int face = 1; face <= 4; ++face)
            for (int i = 0; i < throwsOf[face - 1]; ++i)
                random.pushPick(face, sides);
        for (int i = 0; i < 64; ++i)
            random.pushPick(5 + i % (sides - 4), sides);
        const std::array<qint16, 4> got = poll(random, level, right);
        QCOMPARE((QList<int>{got[0], got[1], got[2], got[3]}), votes);
        QCOMPARE(random.taken, 100);
    }

    void buddyReply_data()
    {
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("reply");
        QTest::addColumn<int>("guess");
        QTest::addColumn<QString>("text");
        const QString think = "Hi Ann, I Think The Answer Is '";
        const QString unsure = "Sorry Ann, I'm Not Sure. I'd Guess At '";
        QTest::newRow("1 right") << "c" << "Ann" << 1 << 2 << think + "C'";
        QTest::newRow("2 wrong, first") << "a" << "Ann" << 2 << 1 << think + "B'";
        QTest::newRow("2 wrong, last") << "c" << "Ann" << 2 << 3 << think + "D'";
        QTest::newRow("3 unsure, wrong") << "d" << "Ann" << 3 << 2 << unsure + "B'";
        QTest::newRow("4 unsure, right") << "b" << "Ann" << 4 << 3 << unsure + "B'";
        QTest::newRow("5 right, name as typed")
            << "b" << " ann smith " << 5 << 1 << "Hi  ann smith , I Think The Answer Is 'B'";
        QTest::newRow("6 no clue") << "a" << "Ann" << 6 << 2 << "I Haven't A Clue";
        QTest::newRow("7 definitely") << "d" << "Ann" << 7 << 3 << "The Answer Is 'D'. Definitely";
        QTest::newRow("no letter, 2 guesses nothing") << "x" << "Ann" << 2 << 1 << think + "'";
        QTest::newRow("no letter, 3 guesses nothing") << "x" << "Ann" << 3 << 3 << unsure + "'";
        QTest::newRow("no letter, 7 names it")
            << "x" << "Ann" << 7 << 1 << "The Answer Is 'X'. Definitely";
    }

    void buddyReply()
    {
        QFETCH(QString, right);
        QFETCH(QString, name);
        QFETCH(int, reply);
        QFETCH(int, guess);
        QFETCH(QString, text);
        // The reply is drawn first, then the guess, even when it is not used.
        ScriptedRandom random;
        random.pushPick(reply, 7);
        random.pushPick(guess, 3);
        QCOMPARE(GameRules::buddyReply(random, name, right), text);
        QCOMPARE(random.taken, 2);
    }
};

QTEST_MAIN(TestGameRules)
#include "tst_gamerules.moc"

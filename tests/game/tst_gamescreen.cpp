#include "game/gamerules.h"
#include "game/gamescreen.h"
#include "game/playername.h"
#include "game/shapebox.h"
#include "gamedriver.h"
#include "modalwatch.h"
#include "storage/ladder.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList STOP_ALL = {"stop first_bg", "stop second_bg", "stop final_bg"};
const QStringList STOP_NONE;
// A wrong answer at question 7, from its final answer on.
const QStringList WRONG_AT_7 = {"Is That Your Final Answer?|Answer?", "I'm Afraid Its The Wrong Answer...|Wrong",
                                "The Correct Answer Was B|Wrong", "You Leave With £1000|Wrong"};

QString textOf(QWidget *form, const QString &name)
{
    return form->findChild<QLabel *>(name)->text();
}

QColor fillOf(QWidget *form, const QString &letter)
{
    return form->findChild<ShapeBox *>("sh_" + letter)->fillColor();
}

QStringList shown(QWidget *form, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names) {
        if (!form->findChild<QWidget *>(name)->isHidden())
            out << name;
    }
    return out;
}

// What a screen reader is told: "objectName: name" of every name change.
QStringList heard;

void hear(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        heard << event->object()->objectName() + ": " + event->accessibleInterface()->text(QAccessible::Name);
}

QAccessibleInterface *spoken(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TestGameScreen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(TestProgram::windowsLeft(), QStringList()); }

    void playOpensOverTheMainWindow_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("player");
        QTest::newRow("spaces kept") << QStringList{"  Ann Lee "} << "  Ann Lee ";
        QTest::newRow("blank, spaces and cancel ask again")
            << QStringList{"", " ", "", "Bo"} << "Bo";
        QTest::newRow("too long, asked again") << QStringList{QString(41, u'x'), "Bo"} << "Bo";
    }

    void playOpensOverTheMainWindow()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, player);
        GameDriver game;
        for (const QString &name : typed)
            game.program.dialogs.answerText(name);
        game.random.pushPick(1, 1);
        game.program.dialogs.answerYes(); // to the close box's question
        QWidget main;
        main.setGeometry(200, 150, 600, 400);
        main.show();
        QStringList seen;
        QString named;
        ModalWatch watch([&](QWidget *form) {
            named = static_cast<GameScreen *>(form)->game().playerName();
            seen << form->objectName() << form->parentWidget()->objectName()
                 << textOf(form, "lbl_q") << textOf(form, "lbl_dosh")
                 << shown(form, {"cross_50", "cross_ask", "cross_ring"}) << game.sound.plays();
            form->close();
        });
        main.setObjectName("main");
        GameScreen::play(&main, game.program.state.folders, game.program.state.set,
                         game.program.services);

        QCOMPARE(seen, (QStringList{"Form3", "main", GameDriver::questionText(1, 1), "£0",
                                    "first_bg"}));
        QStringList log;
        for (const QString &name : typed) {
            log << "What Is Your Full Name?|Player";
            if (name.size() > PlayerName::MAX_LENGTH)
                log << "Your name can have at most 40 characters, so that it fits on the "
                       "certificate.|Player";
        }
        QCOMPARE(game.program.dialogs.log(),
                 log << "Lets Play Quorvane!|Play" << "Are You Sure You Want To Quit?|Quit");
        QCOMPARE(named, player);
        // The name prompt sits over the main window, a little in from its corner.
        QCOMPARE(game.program.dialogs.shown.first().options.position.value_or(QPoint()),
                 main.mapToGlobal(QPoint(150, 100)));
        // It takes no more than the certificate shows; a paste past that is refused.
        QCOMPARE(game.program.dialogs.shown.first().options.maxLength, PlayerName::MAX_LENGTH);
        QCOMPARE(game.sound.calls.first(), "load " + game.program.state.folders.musicDir());
        QVERIFY(!game.sound.backgroundPlaying());
        QVERIFY(main.findChildren<GameScreen *>().isEmpty());
    }

    // A whole game to the top prize with keys alone, Tab and then Space or
    // Enter, lifelines and certificate included, as a screen reader hears it.
    void wholeGameByKeyboard()
    {
        heard.clear();
        QAccessible::installUpdateHandler(hear);
        GameDriver game;
        GameScreen *form = game.start();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form));
        game.program.dialogs.clear();
        auto reach = [&](const QString &name, Qt::Key key) {
            for (int i = 0; i < 12 && spoken(form->focusWidget())->text(QAccessible::Name) != name; ++i)
                QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            QCOMPARE(spoken(form->focusWidget())->text(QAccessible::Name), name);
            QTest::keyClick(form->focusWidget(), key);
        };
        QStringList certificate;
        for (int level = 1; level <= 15; ++level) {
            const QString question = GameDriver::questionText(level, 1);
            QCOMPARE(textOf(form, "lbl_q"), question);
            QCOMPARE(heard.filter("lbl_q: ").last(), QString("lbl_q: Question %1: ").arg(level) + question);
            QCOMPARE(spoken(control(form, "sh_qbox"))->text(QAccessible::Name),
                     QString("Money ladder: Question %1 for %2. Won so far: %3")
                         .arg(level).arg(Ladder::amount(level), GameRules::winnings(level - 1)));
            const QString right = form->game().rightLetter();
            if (level % 5 == 3) { // 50:50, Ask Your Friends, Ring A Buddy; the chart closes with Enter
                QWidget *lifeline = control(form, QStringList{"life_50", "life_ask", "life_ring"}[level / 5]);
                for (int i = 0; i < (level == 8 ? 100 : level == 13 ? 2 : 0); ++i)
                    game.random.push(0.0);
                ModalWatch chart([&](QWidget *modal) { QTest::keyClick(modal->focusWidget(), Qt::Key_Return); });
                reach(spoken(lifeline)->text(QAccessible::Name), level == 8 ? Qt::Key_Enter : Qt::Key_Space);
                QCOMPARE(spoken(lifeline)->text(QAccessible::Description), QString("Used"));
                QVERIFY(spoken(lifeline)->state().disabled && chart.ran() == (level == 8));
            }
            if (level == 3) { // the two answers taken away, and the reader told so by the question
                QCOMPARE(heard.filter(": removed").size(), 2);
                QCOMPARE(form->focusWidget(), control(form, "lbl_q"));
                QStringList gone = form->game().removed();
                gone.sort();
                QVERIFY(heard.filter("lbl_q: ").last().endsWith(QString(" Answers %1 and %2 were removed.")
                                                  .arg(gone[0].toUpper(), gone[1].toUpper())));
            }
            game.program.dialogs.answerYes();
            if (level < 15)
                game.random.push(0.0);
            ModalWatch over([&](QWidget *modal) {
                certificate << modal->objectName() << (form->isOver() ? "over" : "open")
                            << textOf(modal, "lbl_money") << textOf(modal, "lbl_life");
                QVERIFY(QTest::qWaitForWindowActive(modal));
                QTest::keyClick(modal, Qt::Key_C, Qt::AltModifier);
            });
            reach(right.toUpper() + ": ANSWER " + right.toUpper(), level % 2 ? Qt::Key_Space : Qt::Key_Return);
            for (int step = 1; step <= 15; ++step) {
                for (const QString &name : {"q" + QString::number(step), "q" + Ladder::amount(step).mid(1)})
                    QCOMPARE(form->findChild<QLabel *>(name)->palette().color(QPalette::Window),
                             step == level ? GameScreen::ladderReached() : GameScreen::ladderNormal());
            }
        }
        QAccessible::installUpdateHandler(nullptr);
        // The top prize ends with the certificate; the game screen closes after it.
        QCOMPARE(game.program.dialogs.log().sliced(game.program.dialogs.log().size() - 3),
                 (QStringList{"Is That Your Final Answer?|Answer?",
                              "You've Just Won £1000000!|Congratulations",
                              "Click Here To Continue|Congratulations"}));
        QCOMPARE(certificate, (QStringList{"Form5", "open", "£1000000", "[ 3 LIFELINES USED ]"}));
        QVERIFY(form->isOver());
        QCOMPARE(game.sound.plays().last(), QString("win_bg"));
        QVERIFY(!game.sound.backgroundPlaying());
        QVERIFY(game.random.values.isEmpty());
    }

    void answerLabelsAndKeys()
    {
        GameDriver game("b");
        GameScreen *form = game.start();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QStringList sounds = game.sound.calls;
        QTest::mouseMove(form->findChild<QWidget *>("lbl_b"));
        QTRY_COMPARE(fillOf(form, "b"), GameScreen::boxHover());
        for (const char *l : {"a", "c", "d"})
            QCOMPARE(fillOf(form, l), GameScreen::boxNormal());

        // No to the final answer, by click or by key, only colours the box.
        game.program.dialogs.clear();
        game.program.dialogs.answerNo(2);
        game.click("lbl_c");
        QTest::keyClick(form, Qt::Key_D);
        QCOMPARE(game.program.dialogs.log(), QStringList(2, "Is That Your Final Answer?|Answer?"));
        QCOMPARE(fillOf(form, "c"), GameScreen::boxChosen());
        QCOMPARE(fillOf(form, "d"), GameScreen::boxChosen());
        QCOMPARE(form->game().level(), 0);
        QCOMPARE(game.sound.calls, sounds);

        // After a 50:50, a right answer by key shows all four for the next question.
        game.click("life_50");
        game.program.dialogs.answerYes();
        game.random.pushPick(1, 1);
        QTest::keyClick(form, Qt::Key_B);
        QCOMPARE(form->game().level(), 1);
        QCOMPARE(shown(form, {"lbl_a", "lbl_b", "lbl_c", "lbl_d"}).size(), 4);
    }

    // Every way out of question 7, and the No that lets the game go on.
    void gameEnds_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("how"); // the button pressed, or "close box"
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("sounds");
        QTest::addColumn<QString>("certificate"); // the amount it shows; "" for none
        const QString quit = "Are You Sure You Want To Quit?|Quit";
        const QString leave = "Is That Your Final Answer?|Leave";
        QTest::newRow("wrong answer") << 6 << "lbl_a" << true << WRONG_AT_7 << STOP_ALL + QStringList{"play lose_bg"} << "";
        QTest::newRow("Quit This Game, Yes") << 6 << "Command2" << true << QStringList{quit} << STOP_ALL << "";
        QTest::newRow("Quit This Game, No") << 6 << "Command2" << false << QStringList{quit} << STOP_NONE << "";
        QTest::newRow("close box, No") << 6 << "close box" << false << QStringList{quit} << STOP_NONE << "";
        QTest::newRow("Take Money, Yes")
            << 6 << "Command1" << true
            << QStringList{leave, "You Go Away With £2000|Leave", "Click Here To Continue|Leave"}
            << STOP_ALL + QStringList{"play take_bg"} << "£2000";
        QTest::newRow("Take Money, No") << 6 << "Command1" << false << QStringList{leave} << STOP_NONE << "";
        QTest::newRow("Take Money at the first question: nothing to take")
            << 0 << "Command1" << false << QStringList{"Leave With Nothing?|Leave"} << STOP_NONE << "";
    }

    void gameEnds()
    {
        QFETCH(int, level);
        QFETCH(QString, how);
        QFETCH(bool, yes);
        QFETCH(QStringList, log);
        QFETCH(QStringList, sounds);
        QFETCH(QString, certificate);
        GameDriver game("b");
        GameScreen *form = game.start();
        form->show();
        game.climbTo(level);
        game.program.dialogs.clear();
        game.sound.calls.clear();
        // The right box lights up while the messages are shown.
        QColor rightBox;
        game.program.dialogs.onShown = [&](auto &) { rightBox = fillOf(form, "b"); };
        yes ? game.program.dialogs.answerYes() : game.program.dialogs.answerNo();
        QString shownAmount;
        ModalWatch over([&](QWidget *modal) {
            shownAmount = textOf(modal, "lbl_money");
            modal->close();
        });
        QTest::keyClick(form, Qt::Key_Escape); // which never ends a game
        how == "close box" ? void(form->close()) : game.click(how);
        QCOMPARE(game.program.dialogs.log(), log);
        QCOMPARE(game.sound.calls, sounds);
        QCOMPARE(shownAmount, certificate);
        QCOMPARE(form->isOver(), yes);
        QCOMPARE(form->isVisible(), !yes);
        if (how == "lbl_a")
            QCOMPARE(rightBox, GameScreen::boxRight());
        // No box is left lit; the pointer may rest on one as a box closes.
        for (const QString &l : GameRules::letters()) {
            const QColor fill = fillOf(form, l);
            QVERIFY(fill == GameScreen::boxNormal() || fill == GameScreen::boxHover());
        }
        if (!yes) {
            game.program.dialogs.yesNo.clear(); // a No nothing asked for
            game.answerRight(); // the game goes on where it was
            QCOMPARE(form->game().level(), level + 1);
        }
    }

    // A screen reader's press (or a close box, or a timer) that arrives while
    // one of the game's boxes is open, or on an answer 50:50 took away,
    // does nothing: the game goes on as if it never came.
    void pressesWhileBusyDoNothing_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("answer"); // clicked first, then confirmed; "" for none
        QTest::addColumn<QString>("during"); // the box the press comes under; "" for none
        QTest::addColumn<QString>("press");  // pressed through the bus, or "close box"
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("after"); // the level
        const QString final = "Is That Your Final Answer?|Answer?";
        const QStringList right{final, "Well Done. You've Just Won £100|Correct",
                                "Have A Look At The Next Question...|Correct"};
        QTest::newRow("the same answer under its final answer")
            << 0 << "lbl_b" << "Is That Your Final Answer?" << "lbl_b" << right << 1;
        QTest::newRow("Take Money under the wrong answer's messages")
            << 6 << "lbl_d" << "I'm Afraid" << "Command1" << WRONG_AT_7 << 6;
        QTest::newRow("an answer 50:50 took away")
            << 0 << "" << "" << "lbl_a" << QStringList{} << 0;
        QTest::newRow("a lifeline under a right answer's message")
            << 0 << "lbl_b" << "Well Done" << "life_ring" << right << 1;
        QTest::newRow("the close box under the final answer")
            << 0 << "lbl_b" << "Is That Your Final Answer?" << "close box" << right << 1;
    }

    void pressesWhileBusyDoNothing()
    {
        QFETCH(int, level);
        QFETCH(QString, answer);
        QFETCH(QString, during);
        QFETCH(QString, press);
        QFETCH(QStringList, log);
        QFETCH(int, after);
        GameDriver game("b");
        GameScreen *form = game.start();
        form->show();
        game.climbTo(level);
        game.click("life_50"); // takes A and C away
        game.program.dialogs.clear();
        // A spare Yes and question for a press that wrongly counts.
        game.program.dialogs.answerYes(2);
        game.random.pushPick(1, 1);
        game.random.pushPick(1, 1);
        ModalWatch certificate([](QWidget *modal) { modal->close(); });
        auto pressIt = [&] {
            if (press == "close box")
                form->close();
            else
                spoken(control(form, press))->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            // A button's press clicks after a short animation, while the
            // box's own event loop would run.
            QTest::qWait(200);
        };
        bool pressed = false;
        game.program.dialogs.onShown = [&](const ScriptedDialogs::Shown &box) {
            if (!pressed && !during.isEmpty() && box.text.startsWith(during)) {
                pressed = true;
                pressIt();
            }
        };
        answer.isEmpty() ? pressIt() : game.click(answer);
        game.program.dialogs.onShown = nullptr;
        QCOMPARE(game.program.dialogs.log(), log);
        QCOMPARE(game.program.dialogs.yesNo.size(), answer.isEmpty() ? 2 : 1);
        QCOMPARE(form->game().level(), after);
        QCOMPARE(shown(form, {"cross_ask", "cross_ring"}), QStringList{});
        QVERIFY(!certificate.ran());
    }

    // A set that cannot be played when the game opens ends it at once.
    void unplayableSetEndsTheGame_data()
    {
        QTest::addColumn<bool>("folder"); // in the set's place; else only round 1 has a question
        QTest::addColumn<QString>("refused");
        QTest::newRow("a folder in its place")
            << true << "The questions could not be read from the question set.|Question";
        QTest::newRow("a round without questions")
            << false << "You Must Have At Least One Question For Each Round|Questions";
    }

    void unplayableSetEndsTheGame()
    {
        QFETCH(bool, folder);
        QFETCH(QString, refused);
        GameDriver game;
        const QString path = game.program.state.set.path;
        QVERIFY(QFile::remove(path));
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else
            game.program.writeSet("quiz.dat", {makeHeader("Hi", "Ann", ""), makeQuestion(1, 2, "ONE")});
        GameScreen form(game.program.state.folders, game.program.state.set, game.program.services);
        QVERIFY(form.isOver());
        QStringList shownLog = game.program.dialogs.log();
        shownLog.replaceInStrings(QRegularExpression("\n.*\\|"), "|"); // the system's reason
        QCOMPARE(shownLog, QStringList{refused});
    }

    // Which band plays at which step is GameRules'; here, the switch.
    void musicSwitch()
    {
        GameDriver game;
        GameScreen *form = game.start();
        auto *music = form->findChild<QPushButton *>("cmd_music");
        game.climbTo(5);
        game.click("cmd_music");
        QCOMPARE(music->text(), QString("Music On"));
        QCOMPARE(game.sound.calls.mid(game.sound.calls.size() - 3), STOP_ALL);
        QVERIFY(!game.sound.backgroundPlaying());
        game.sound.calls.clear();
        game.click("cmd_music");
        QCOMPARE(music->text(), QString("Music Off"));
        QCOMPARE(game.sound.plays(true), QStringList{"second_bg"});

        // With the music off no band starts, but the end of the game sounds.
        game.click("cmd_music");
        game.sound.calls.clear();
        game.climbTo(11);
        game.program.dialogs.answerYes();
        game.click(form->game().rightLetter() == "a" ? "lbl_b" : "lbl_a");
        QCOMPARE(game.sound.plays(), QStringList{"lose_bg"});

        // The next game, even in the next run, keeps the music off and offers
        // the last player's name.
        game.sound.calls.clear();
        QCOMPARE(game.program.dialogs.shown.first().options.text, QString());
        form = game.start("Bob");
        QCOMPARE(form->findChild<QPushButton *>("cmd_music")->text(), QString("Music On"));
        QVERIFY(game.sound.plays(true).isEmpty());
        QCOMPARE(game.program.dialogs.shown.at(game.program.dialogs.shown.size() - 2).options.text, QString("Ann"));
    }

    // Each lifeline once: what it shows is the game's (tst_game); here, its
    // sounds and its cross.
    void lifelines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("musicOn");
        QTest::addColumn<QStringList>("sounds"); // its effect, then the band's music
        QTest::addColumn<QStringList>("result");
        QTest::newRow("50:50, level 14") << "life_50" << 14 << true << QStringList{"fifty", "final_bg"}
                                         << QStringList{"Computer, Take Away Two Wrong Answers...|50%"};
        QTest::newRow("Ask, level 7") << "life_ask" << 7 << true << QStringList{"ask", "second_bg"}
                                      << QStringList{"100%", "0%", "0%", "0%"};
        QTest::newRow("Ring, level 3, music off") << "life_ring" << 3 << false << QStringList{"ring"}
                                                  << QStringList{"Hi Ann, I Think The Answer Is 'B'|Ring A Buddy"};
    }

    void lifelines()
    {
        QFETCH(QString, name);
        QFETCH(int, level);
        QFETCH(bool, musicOn);
        QFETCH(QStringList, sounds);
        QFETCH(QStringList, result);
        GameDriver game("b");
        GameScreen *form = game.start();
        form->show();
        game.climbTo(level);
        if (!musicOn)
            game.click("cmd_music");
        game.program.dialogs.clear();
        game.sound.calls.clear();
        for (int i = 0; i < (name == "life_ask" ? 100 : name == "life_ring" ? 2 : 0); ++i)
            game.random.push(0.0);
        // While its dialog is up, the band is silent and the effect plays.
        QStringList during;
        QStringList percents;
        auto duringDialog = [&] {
            during << game.sound.plays() << (game.sound.backgroundPlaying() ? "music" : "");
        };
        game.program.dialogs.onShown = [&](auto &) { duringDialog(); };
        {
            ModalWatch chart([&](QWidget *modal) {
                duringDialog();
                for (const char *label : {"lbl_1", "lbl_2", "lbl_3", "lbl_4"})
                    percents << textOf(modal, label);
                QTest::mouseClick(modal->findChild<QWidget *>("cmd_back"), Qt::LeftButton);
            });
            game.click(name);
        }
        game.program.dialogs.onShown = nullptr;
        QCOMPARE(during, (QStringList{sounds.first(), ""}));
        QCOMPARE(name == "life_ask" ? percents : game.program.dialogs.log(), result);
        QCOMPARE(shown(form, {"lbl_a", "lbl_b", "lbl_c", "lbl_d"}).size(), name == "life_50" ? 2 : 4);
        QCOMPARE(game.sound.plays(), sounds);
        QCOMPARE(game.sound.backgroundPlaying(), musicOn);
        QCOMPARE(shown(form, {"cross_50", "cross_ask", "cross_ring"}), QStringList{"cross" + name.mid(4)});
        // That a used lifeline takes no further press is wholeGameByKeyboard's.
        QVERIFY(game.random.values.isEmpty());
    }
};

QTEST_MAIN(TestGameScreen)
#include "tst_gamescreen.moc"

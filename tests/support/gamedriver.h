#pragma once

#include "scriptedrandom.h"
#include "testprogram.h"

#include <memory>

class GameScreen;

// A game screen over the set quiz.dat, which holds one question in every
// round, with scripted random numbers wired in.
class GameDriver
{
public:
    // Question k of round r reads "ROUND r QUESTION k". Its right letter is
    // rightLetter, stored as given; when that is empty, "a" .. "d" by r + 1.
    explicit GameDriver(const QString &rightLetter = QString());
    ~GameDriver();

    static QString questionText(int round, int k) { return QStringLiteral("ROUND %1 QUESTION %2").arg(round).arg(k); }

    // Opens the game screen for the player.
    GameScreen *start(const QString &name = QStringLiteral("Ann"));
    // A left click on the game screen's control of that name.
    void click(const QString &name);
    // Answers the question on screen right and confirms it.
    void answerRight();
    void climbTo(int level);

    TestProgram program;
    ScriptedRandom random;
    FakeSoundService &sound = program.sound;
    // Destroyed first, while the program folder is still there.
    std::unique_ptr<GameScreen> form;
};

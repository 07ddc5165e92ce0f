#pragma once

#include "fakesound.h"
#include "recordingprinter.h"
#include "scriptedrandom.h"
#include "testprogram.h"

#include <QString>

#include <memory>

class GameScreen;
class QLabel;

// A game screen over a set with one question per round, with fake sound,
// scripted random numbers and a recording printer wired in.
class GameDriver
{
public:
    // Every question's right letter is rightLetter, stored as given; when it
    // is empty, the rounds cycle through "b", "c", "d", "a", ...
    explicit GameDriver(const QString &rightLetter = QString(),
                        const QString &setName = QStringLiteral("quiz.dat"));
    ~GameDriver();

    // Opens the game screen for the player; the first question is drawn.
    GameScreen *start(const QString &name = QStringLiteral("Ann"));

    QLabel *answerLabel(const QString &letter) const;
    // Answers the question on screen right and confirms it.
    void answerRight();
    void climbTo(int level);

    TestProgram program;
    FakeSoundService sound;
    ScriptedRandom random;
    RecordingPrinter printer;
    std::unique_ptr<GameScreen> form;
};

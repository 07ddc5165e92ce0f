#pragma once

#include "game/randomsource.h"
#include "ui/dialogservice.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: print it and stop, so that both
// libFuzzer and the replay runner report the input as a crash.
#define FUZZ_CHECK(cond)                                                                   \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// Message boxes that nobody sees; prompts answer nothing.
class SilentDialogs final : public DialogService
{
public:
    void message(QWidget *, const QString &, const QString &) override { ++shown; }
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    int choose(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return -1;
    }
    using DialogService::prompt;
    QString prompt(QWidget *, const QString &, const QString &, const PromptOptions &) override
    {
        return {};
    }
    QString chooseOpenFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString chooseSaveFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    int shown = 0;
};

// The same uniform numbers every run, so a crash replays.
class FixedRandom final : public RandomSource
{
public:
    double uniform() override
    {
        m_next = (m_next * 7 + 3) % 10;
        return m_next / 10.0;
    }

private:
    int m_next = 0;
};

// Writes bytes to path; aborts when it cannot, which is no finding.
void writeWhole(const QString &path, const QByteArray &bytes);

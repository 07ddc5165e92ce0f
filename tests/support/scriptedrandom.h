#pragma once

#include "game/randomsource.h"

#include <QQueue>

// Hands out the queued values in order; an empty queue fails the running
// test and answers 0.
class ScriptedRandom final : public RandomSource
{
public:
    double uniform() override;

    void push(double u) { values.enqueue(u); }
    // The value that makes pick(count) give r.
    void pushPick(int r, int count) { push((r - 0.5) / count); }

    QQueue<double> values;
    int taken = 0;
};

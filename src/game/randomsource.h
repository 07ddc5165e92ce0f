#pragma once

// The game's one source of chance: uniform numbers in [0, 1). The program
// uses a real generator; tests script the values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual double uniform() = 0;

    // A whole number from 1 to k, each equally likely: floor(u * k) + 1.
    // Kept inside 1..k even if a source ever hands back a value of 1.
    int pick(int k)
    {
        if (k < 1)
            return 1;
        const int r = int(uniform() * k) + 1;
        return r < 1 ? 1 : (r > k ? k : r);
    }
};

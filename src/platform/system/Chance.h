#pragma once

#include <QDateTime>

// The one source of random numbers and of the time of day, injectable so that tests
// can fix both.
class Chance
{
public:
    virtual ~Chance() = default;
    // Re-seeds the generator from a high-resolution clock (the game re-seeds before each draw).
    virtual void reseed() = 0;
    // A uniform integer in 0 .. n - 1; 0 when n <= 0.
    virtual int below(int n) = 0;
    // The local date and time.
    virtual QDateTime now() const = 0;
};

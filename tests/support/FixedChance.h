#pragma once

#include "platform/system/Chance.h"

#include <QQueue>

// Chance for tests: draws come from a queue (0 when it runs dry), the clock stands still.
class FixedChance : public Chance
{
public:
    void reseed() override { ++reseeds; }
    int below(int n) override
    {
        limits << n;
        const int value = draws.isEmpty() ? 0 : draws.dequeue();
        return n > 0 ? qBound(0, value, n - 1) : 0;
    }
    QDateTime now() const override { return time; }

    QQueue<int> draws;
    QList<int> limits; // the n of every draw, in order
    int reseeds = 0;
    QDateTime time = QDateTime(QDate(2008, 3, 5), QTime(14, 7, 9));
};

#pragma once

#include "platform/system/Chance.h"

#include <random>

// Random numbers from a generator re-seeded from the high-resolution clock, and the real time.
class SystemChance : public Chance
{
public:
    SystemChance() { reseed(); }
    void reseed() override;
    int below(int n) override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }

private:
    std::mt19937 m_generator;
};

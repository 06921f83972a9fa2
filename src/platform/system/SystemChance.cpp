#include "platform/system/SystemChance.h"

#include <chrono>

void SystemChance::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{quint32(ticks), quint32(quint64(ticks) >> 32), std::random_device{}()};
    m_generator.seed(seed);
}

int SystemChance::below(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_generator);
}

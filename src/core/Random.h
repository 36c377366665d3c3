#pragma once

#include <QtGlobal>
#include <random>

// The program's one pseudo-random generator: seeded once from the clock at start-up, or by a test.
class Random {
public:
    explicit Random(quint64 seed = 0) : m_engine(seed) {}
    void Seed(quint64 seed) { m_engine.seed(seed); }
    // A uniform integer from 0 to n - 1; 0 when n < 1.
    int Next(int n);

private:
    std::mt19937_64 m_engine;
};

Random& AppRandom();

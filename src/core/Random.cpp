#include "core/Random.h"

int Random::Next(int n) {
    if (n < 1)
        return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(m_engine);
}

Random& AppRandom() {
    static Random r;
    return r;
}

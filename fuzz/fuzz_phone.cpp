#include "FuzzSupport.h"
#include "core/Generators.h"
#include "core/Random.h"

#include <cstring>

// Any pattern makes a number of only digits and hyphens with at least one digit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Random random(size);
    const QString number = GeneratePhoneNumber(FuzzText(data, size), random);
    bool digit = false;
    for (const QChar c : number) {
        FUZZ_CHECK(c.isDigit() || c == QLatin1Char('-'));
        digit = digit || c.isDigit();
    }
    FUZZ_CHECK(digit);
    if (size >= 4) {
        int n;
        std::memcpy(&n, data, sizeof n);
        FUZZ_CHECK(GenerateDigits(n, random).size() <= kMaxGeneratedDigits);
    }
    return 0;
}

#include "FuzzSupport.h"
#include "core/BitsText.h"
#include "core/DateTimeText.h"
#include "core/TextFormat.h"

#include <bit>
#include <cstring>

// Bits text, INI integers, durations and templates on any input: no crash, exact round trips.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzText(data, size);
    const double d = BitsTextToFloat(text);
    FUZZ_CHECK(std::bit_cast<uint64_t>(BitsTextToFloat(FloatToBitsText(d))) ==
               std::bit_cast<uint64_t>(d));
    if (const auto v = ParseIniInteger(text))
        FUZZ_CHECK(ParseIniInteger(QString::number(*v)) == v);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        FUZZ_CHECK(FormatDuration(raw).size() >= 8);
        (void)QDateTimeFromDateTime(raw);
    }
    (void)Format(text, {1, 2.5, text});
    return 0;
}

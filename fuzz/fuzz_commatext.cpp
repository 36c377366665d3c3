#include "FuzzSupport.h"
#include "core/CommaText.h"

// Reading any text terminates; writing what was read and reading it back gives the same list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList items = CommaText::Read(FuzzText(data, size));
    FUZZ_CHECK(CommaText::Read(CommaText::Write(items)) == items);
    // And any list made of the input's pieces round-trips too.
    const QStringList pieces = FuzzText(data, size).split(QChar(0x01));
    FUZZ_CHECK(CommaText::Read(CommaText::Write(pieces)) == pieces);
    return 0;
}

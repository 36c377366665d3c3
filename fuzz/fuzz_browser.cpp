#include "FuzzSupport.h"
#include "core/BrowserCommand.h"

// Any registered command gives either nothing or a lower-case path that ends in ".exe".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString program = BrowserProgramFromCommand(FuzzText(data, size));
    FUZZ_CHECK(program.isEmpty() || program.endsWith(QStringLiteral(".exe")));
    return 0;
}

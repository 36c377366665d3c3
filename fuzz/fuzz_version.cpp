#include "FuzzSupport.h"
#include "ui/dialogs/VersionInfo.h"

// A program file of any bytes never crashes the version reader.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VersionInfo info(FuzzFile(data, size));
    (void)info.FileVersion();
    return 0;
}

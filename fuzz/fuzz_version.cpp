#include "FuzzSupport.h"
#include "ui/dialogs/VersionInfo.h"

#include <QFile>
#include <QTemporaryFile>

// A program file of any bytes never crashes the version reader.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.flush();
    VersionInfo info(file.fileName());
    (void)info.FileVersion();
    return 0;
}

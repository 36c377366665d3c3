#pragma once

#include "core/Cp1251.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Outside text reaches the program as code page 1251 bytes, so every target sees its input so.
inline QString FuzzText(const uint8_t* data, size_t size) {
    return cp1251::decode(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
}

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond))                                                                               \
            std::abort();                                                                          \
    } while (0)

// The input as a file, for readers that take a path: one file, rewritten for each input, in memory
// where the system has a folder for that (rewriting a file on a disk waits for the disk).
inline QString FuzzFile(const uint8_t* data, size_t size) {
    static QTemporaryFile file(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                   ? QStringLiteral("/dev/shm/zorvik-fuzz-XXXXXX")
                                   : QDir::tempPath() + QStringLiteral("/zorvik-fuzz-XXXXXX"));
    if (!file.isOpen() && !file.open())
        std::abort();
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.flush();
    return file.fileName();
}

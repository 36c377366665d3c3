#pragma once

#include "core/Cp1251.h"

#include <QString>
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

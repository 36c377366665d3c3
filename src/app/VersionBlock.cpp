// The program's version block. It is compiled into the executable only (never into a library or a
// test program), so that the about dialog reads the version of the very file it runs from. The
// layout is the one VersionBlock::Find in VersionInfo reads: marker, 32-bit payload size, 32-bit
// FNV-1a checksum of the payload, then (16-bit path length, path, 16-bit value length, value)
// entries, all little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

struct Entry {
    std::string_view path;
    std::string_view value;
    bool zeroTerminated; // strings carry their terminating zero, the translation table does not
};

// The product version is the first two parts of the file version ("1.1" of "1.1.0.74").
constexpr std::string_view FileVersion() {
    return ZORVIK_VERSION;
}
constexpr std::string_view ProductVersion() {
    const std::string_view v = FileVersion();
    const std::size_t first = v.find('.');
    const std::size_t second = first == std::string_view::npos ? first : v.find('.', first + 1);
    return second == std::string_view::npos ? v : v.substr(0, second);
}

// One string block, Russian (0419) in code page 1251 (04E3); the translation table names it.
// LegalCopyright reads "© 2026 Zorvik. Все права защищены." in code page 1251.
constexpr Entry kEntries[] = {
    {"\\VarFileInfo\\Translation", std::string_view("\x19\x04\xE3\x04", 4), false},
    {"\\StringFileInfo\\041904E3\\CompanyName", "Zorvik", true},
    {"\\StringFileInfo\\041904E3\\FileDescription", "", true},
    {"\\StringFileInfo\\041904E3\\FileVersion", FileVersion(), true},
    {"\\StringFileInfo\\041904E3\\InternalName", "Zorvik", true},
    {"\\StringFileInfo\\041904E3\\LegalCopyright",
     "\xA9 2026 Zorvik. \xC2\xF1\xE5 \xEF\xF0\xE0\xE2\xE0 \xE7\xE0\xF9\xE8\xF9\xE5\xED\xFB.", true},
    {"\\StringFileInfo\\041904E3\\LegalTrademarks", "", true},
    {"\\StringFileInfo\\041904E3\\OriginalFilename", "zorvik", true},
    {"\\StringFileInfo\\041904E3\\ProductName", "Zorvik", true},
    {"\\StringFileInfo\\041904E3\\ProductVersion", ProductVersion(), true},
    {"\\StringFileInfo\\041904E3\\Comments", "", true},
};

constexpr std::string_view kMarker("\xFEZorvikVersion\x01\xFE", 16);

constexpr std::size_t PayloadSize() {
    std::size_t n = 0;
    for (const Entry& e : kEntries)
        n += 2 + e.path.size() + 2 + e.value.size() + (e.zeroTerminated ? 1 : 0);
    return n;
}

constexpr std::size_t kBlockSize = kMarker.size() + 4 + 4 + PayloadSize();

constexpr std::array<char, kBlockSize> MakeBlock() {
    std::array<char, kBlockSize> out{};
    std::size_t pos = 0;
    auto put = [&](std::size_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out[pos++] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    auto putText = [&](std::string_view text) {
        for (const char c : text)
            out[pos++] = c;
    };
    putText(kMarker);
    put(PayloadSize(), 4);
    const std::size_t checksumAt = pos;
    put(0, 4);
    for (const Entry& e : kEntries) {
        put(e.path.size(), 2);
        putText(e.path);
        put(e.value.size() + (e.zeroTerminated ? 1 : 0), 2);
        putText(e.value);
        if (e.zeroTerminated)
            put(0, 1);
    }
    std::uint32_t hash = 0x811C9DC5u;
    for (std::size_t i = checksumAt + 4; i < kBlockSize; ++i) {
        hash ^= static_cast<unsigned char>(out[i]);
        hash *= 0x01000193u;
    }
    pos = checksumAt;
    put(hash, 4);
    return out;
}

} // namespace

// Nothing refers to the block; "used" keeps the compiler and linker from dropping it.
extern const std::array<char, kBlockSize> zorvikVersionBlock;
[[gnu::used]] const std::array<char, kBlockSize> zorvikVersionBlock = MakeBlock();

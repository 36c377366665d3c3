#include "FuzzSupport.h"
#include "core/ModuleTextFile.h"

// Any file of the module editor's loads as text or is refused with a reason; text that loads saves
// as bytes that load back as the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString text;
    QString reason;
    if (!ModuleTextFile::FromBytes(bytes, &text, &reason)) {
        FUZZ_CHECK(!reason.isEmpty());
        return 0;
    }
    QByteArray saved;
    if (!ModuleTextFile::ToBytes(text, &saved, &reason))
        return 0; // a byte the code page leaves undefined: refused, never written wrong
    QString back;
    FUZZ_CHECK(ModuleTextFile::FromBytes(saved, &back, &reason) && back == text);
    return 0;
}

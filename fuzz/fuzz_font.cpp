#include "FuzzSupport.h"
#include "core/FontText.h"

// Any font text applies without a crash; a font written and applied to a plain font comes back.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FontData f;
    IniTextToFont(f, FuzzText(data, size));
    FUZZ_CHECK(f.name.size() <= 31);
    FontData g;
    IniTextToFont(g, FontToIniText(f));
    FUZZ_CHECK(g.size == f.size && g.color == f.color && g.bold == f.bold && g.italic == f.italic &&
               g.underline == f.underline && g.strikeOut == f.strikeOut);
    return 0;
}

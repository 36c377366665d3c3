#include "FuzzSupport.h"
#include "core/IniFile.h"

#include <QStringList>

// Loading any text never fails; saving and reloading gives the same store, and a second save the
// same text (the saving format is a fixed point).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile a(QStringLiteral("/nonexistent/zorvik-fuzz.ini"));
    a.SetText(FuzzText(data, size));
    const QString saved = a.ToText();
    IniFile b(QStringLiteral("/nonexistent/zorvik-fuzz.ini"));
    b.SetText(saved);
    FUZZ_CHECK(b.ToText() == saved);
    QStringList sections;
    a.ReadSections(sections);
    for (const QString& s : sections) {
        QStringList lines;
        a.ReadSectionValues(s, lines);
        for (const QString& l : lines) {
            const qsizetype eq = l.indexOf(QLatin1Char('='));
            if (eq > 0)
                (void)a.ReadInteger(s, l.left(eq), 0);
        }
    }
    return 0;
}

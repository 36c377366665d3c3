#include "FuzzSupport.h"
#include "core/IniFile.h"

#include <QStringList>

// Loading any text never fails; saving and reloading gives the same store, and a second save the
// same text (the saving format is a fixed point). A store loaded from the file's bytes, as every
// store is, holds exactly what one loaded from the decoded text holds, and its values read straight
// from the saved bytes are those of the decoded lines.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile a(QStringLiteral("/nonexistent/zorvik-fuzz.ini"));
    a.SetText(FuzzText(data, size));
    const QString saved = a.ToText();
    IniFile b(QStringLiteral("/nonexistent/zorvik-fuzz.ini"));
    b.SetText(saved);
    FUZZ_CHECK(b.ToText() == saved);
    const IniFile file(FuzzFile(data, size));
    FUZZ_CHECK(file.ReadError().isEmpty());
    QStringList sections;
    a.ReadSections(sections);
    for (const QString& s : sections) {
        QStringList lines;
        a.ReadSectionValues(s, lines);
        QStringList names;
        for (const QString& l : lines) {
            const qsizetype eq = l.indexOf(QLatin1Char('='));
            if (eq > 0)
                names.append(l.left(eq));
        }
        // Every name at once through both stores; one name alone through the typed reads (one
        // read is a pass over the section, so reading each name alone would be quadratic).
        FUZZ_CHECK(file.ReadStrings(s, names) == a.ReadStrings(s, names));
        if (!names.isEmpty()) {
            const QString& name = names[static_cast<qsizetype>(size) % names.size()];
            FUZZ_CHECK(file.ReadString(s, name, QStringLiteral("\x01")) ==
                       a.ReadString(s, name, QStringLiteral("\x01")));
            FUZZ_CHECK(file.ReadInteger(s, name, -1) == a.ReadInteger(s, name, -1));
        }
    }
    FUZZ_CHECK(file.ToText() == saved);
    return 0;
}

#include "FuzzSupport.h"
#include "core/NameValue.h"

// Lookups and sets on any list: a set value is read back, an empty one removes the name.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzText(data, size);
    QStringList list = text.split(QLatin1Char('\n'));
    const QString name = list.isEmpty() ? QString() : list.first().section(QLatin1Char('='), 0, 0);
    if (name.isEmpty())
        return 0;
    (void)NameValue::Value(list, name);
    NameValue::SetValue(list, name, QStringLiteral("v"));
    FUZZ_CHECK(NameValue::Value(list, name) == QStringLiteral("v"));
    NameValue::SetValue(list, name, QString());
    return 0;
}

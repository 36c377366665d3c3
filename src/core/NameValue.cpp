#include "core/NameValue.h"

namespace NameValue {

qsizetype IndexOfName(const QStringList& list, const QString& name) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString& line = list[i];
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString Value(const QStringList& list, const QString& name) {
    const qsizetype i = IndexOfName(list, name);
    return i < 0 ? QString() : ValueOf(list[i]);
}

void SetValue(QStringList& list, const QString& name, const QString& value) {
    const qsizetype i = IndexOfName(list, name);
    if (value.isEmpty()) {
        if (i >= 0)
            list.removeAt(i);
        return;
    }
    const QString line = name + QLatin1Char('=') + value;
    if (i >= 0)
        list[i] = line;
    else
        list.append(line);
}

QString NameOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.left(eq);
}

QString ValueOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.mid(eq + 1);
}

} // namespace NameValue

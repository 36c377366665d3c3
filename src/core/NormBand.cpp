#include "core/NormBand.h"

namespace {

// A number as the norms write it, with a decimal comma.
std::optional<double> number(QString text) {
    bool ok = false;
    const double v = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::vector<NormBand> NormBand::FromRows(std::span<const Messages::NormRow> rows) {
    std::vector<NormBand> bands;
    for (const Messages::NormRow& row : rows) {
        const QString range = row.range.trimmed();
        if (range.endsWith(QLatin1Char('+'))) {
            if (const std::optional<double> from = number(range.chopped(1)))
                bands.push_back({*from, std::nullopt, row.grade});
            continue;
        }
        const qsizetype dash = range.indexOf(QLatin1Char('-'), 1);
        const std::optional<double> from = number(range.left(dash));
        const std::optional<double> to = number(range.mid(dash + 1));
        if (dash > 0 && from && to)
            bands.push_back({*from, *to, row.grade});
    }
    return bands;
}

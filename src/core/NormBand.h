#pragma once

#include "core/Messages.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

// A grade of a norms table as a band of coefficients, read from the range text the norms window
// shows, so that the norms are written once: "3,8 - 11,3" is 3.8 to 11.3, "57+" 57 and above.
struct NormBand {
    double from = 0.0;
    std::optional<double> to; // empty: no upper end
    QString grade;

    // The bands of a table in its order; a row whose range does not read as one is left out.
    static std::vector<NormBand> FromRows(std::span<const Messages::NormRow> rows);
};

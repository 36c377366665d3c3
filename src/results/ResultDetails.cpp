#include "results/ResultDetails.h"

// Placeholder until the details window lands.
TResultDetails ParseResultRecord(const QStringList&) {
    return {};
}

void OpenResultDetails(QWidget*, const QStringList&) {}

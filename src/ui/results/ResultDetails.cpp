#include "ui/results/ResultDetails.h"

#include "ui/results/ResultDetailsWindow.h"

#include <memory>

void OpenResultDetails(QWidget* owner, const QStringList& record) {
    const ResultDetails d = ParseResultRecord(record);
    const auto form = std::make_unique<ResultDetailsWindow>(owner);
    form->ShowResult(d.answers, d.presented, d.showNorm, d.examResult, d.avg, d.badAnswer,
                     d.okAnswer, d.numsCnt, d.testDt);
}

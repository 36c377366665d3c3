#pragma once

#include "core/DateTimeText.h"
#include "ui/results/ReadOnlyList.h"
#include "ui/results/ResultsWindowFrame.h"

#include <QStringList>
#include <memory>

namespace Ui {
class ResultDetailsWindow;
}

// The result details window: one finished run item by item, with five summary lines.
class ResultDetailsWindow : public ResultsWindowFrame {
    Q_OBJECT
public:
    // Item data role of the answer cell: true when the answer is marked wrong.
    static constexpr int WrongAnswerRole = Qt::UserRole + 1;

    explicit ResultDetailsWindow(QWidget* owner = nullptr);
    ~ResultDetailsWindow() override;

    // Fills the window and shows it modally; returns when the user closes it.
    void ShowResult(const QStringList& answers, const QStringList& presented, bool showNorms,
                    double coefficient, double meanTime, int wrongAnswers, int rightAnswers,
                    int itemCount, DateTime totalTime);
    // Fills the window without showing it: one row per answer, the summary lines from their
    // templates, the coefficient line only for a coefficient other than 0, the norms button only
    // when asked.
    void FillResult(const QStringList& answers, const QStringList& presented, bool showNorms,
                    double coefficient, double meanTime, int wrongAnswers, int rightAnswers,
                    int itemCount, DateTime totalTime);

    // The rule by which an answer is marked: the one scoring counts it wrong by.
    static bool IsWrongAnswer(const QString& item, const QString& answer);

    // The look of one cell of the list; focusedRow when the list has the focus and the cell lies
    // in its current row. A wrong answer stays red with strike-out even there.
    CellLook ResultVirtualDrawTreeDrawNode(const QModelIndex& index, bool focusedRow) const;

    void NormButtonClick();

private:
    void FormCreate();

    std::unique_ptr<Ui::ResultDetailsWindow> ui;
    // The summary labels are their own templates; kept so a refill starts from them again.
    QString m_numCntTemplate;
    QString m_dtTemplate;
    QString m_okTemplate;
    QString m_badTemplate;
    QString m_koefTemplate;
};

// Shows the details window for a result record, modally, owned by the given window; the window is
// destroyed when it closes.
void OpenResultDetails(QWidget* owner, const QStringList& record);

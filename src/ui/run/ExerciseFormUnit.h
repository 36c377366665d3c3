#pragma once

#include "ui/run/RunDialog.h"

#include <array>
#include <memory>

class QLineEdit;
class QLabel;

namespace Ui {
class TExerciseForm;
}

// Five additions the user solves between presentation and recall, so that the items are held in
// memory across a distraction. Closes with 1 only when all five sums are right.
class TExerciseForm : public TRunDialog {
    Q_OBJECT
public:
    explicit TExerciseForm(QWidget* owner = nullptr);
    ~TExerciseForm() override;

    // Sets up five new exercises, shows the dialog modally and returns 1 (solved) or 2 (cancelled).
    int Execute();
    // The setup half of Execute, for callers that show the dialog themselves.
    void Setup();

    QLineEdit* Edit(int k) const;
    QLabel* Label(int k) const;
    int Sum(int k) const { return m_sums.at(static_cast<std::size_t>(k - 1)); }
    bool IsSolved(int k) const;

    // Handlers under the names the design gives them.
    void Edit1Change(QLineEdit* edit);
    void Edit1Click(QLineEdit* edit);
    void OKButtonClick();
    void CancelButtonClick();

    static const QColor& UnsolvedColor();
    static const QColor& SolvedColor();

protected:
    void CancelRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFieldColor(QLineEdit* edit, const QColor& color);
    bool allSolved() const;

    std::unique_ptr<Ui::TExerciseForm> ui;
    std::array<int, 5> m_sums{};
};

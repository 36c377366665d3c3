#pragma once

#include "ui/run/RunDialog.h"

#include <array>
#include <memory>

class ItemNotice;
class QLineEdit;
class QLabel;

namespace Ui {
class ExerciseDialog;
}

// Five additions the user solves between presentation and recall, so that the items are held in
// memory across a distraction. Closes with 1 only when all five sums are right.
class ExerciseDialog : public RunDialog {
    Q_OBJECT
public:
    explicit ExerciseDialog(QWidget* owner = nullptr);
    ~ExerciseDialog() override;

    // Sets up five new exercises, shows the dialog modally and returns 1 (solved) or 2 (cancelled).
    int Execute();
    // The setup half of Execute, for callers that show the dialog themselves.
    void Setup();

    QLineEdit* Edit(int k) const;
    QLabel* Label(int k) const;
    int Sum(int k) const { return m_sums.at(static_cast<std::size_t>(k - 1)); }
    bool IsSolved(int k) const;

    // Colours a field by whether its sum is right; a right sum moves on, and the last one closes.
    void Edit1Change(QLineEdit* edit);
    // Empties a field still unanswered when it is clicked or gets the focus.
    void Edit1Click(QLineEdit* edit);
    // Closes with 1 when every sum is right, else says so and stays.
    void OKButtonClick();
    // Asks the cancel question; Yes closes with 2.
    void CancelButtonClick();

    static const QColor& UnsolvedColor();
    static const QColor& SolvedColor();

protected:
    void CancelRequested() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFieldColor(QLineEdit* edit, const QColor& color);
    bool allSolved() const;

    std::unique_ptr<Ui::ExerciseDialog> ui;
    // Reads out the exercise of the field the focus moves on to: a screen reader announces that
    // field only after a Tab, not when the program moves the focus and empties the field.
    ItemNotice* m_notice;
    std::array<int, 5> m_sums{};
};

#pragma once

#include "app/UtilsUnit.h"

#include <QDialog>
#include <QStringList>

// The result details window: one finished run item by item, with five summary lines.
class TResultForm : public QDialog {
    Q_OBJECT
public:
    explicit TResultForm(QWidget* owner = nullptr);
    ~TResultForm() override;
    // Fills the window and shows it modally.
    void ShowResult(const QStringList& answers, const QStringList& presented, bool showNorms,
                    double coefficient, double meanTime, int wrongAnswers, int rightAnswers,
                    int itemCount, TDateTime totalTime);
};

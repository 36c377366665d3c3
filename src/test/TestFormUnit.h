#pragma once

#include "app/UtilsUnit.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QStringList>

// The test window: presents items one at a time, then collects their recall.
class TTestForm : public QDialog {
    Q_OBJECT
public:
    explicit TTestForm(QWidget* owner = nullptr);
    ~TTestForm() override;

    // Shows the window modally and runs one test; 1 when it completed, 2 otherwise.
    int RunTest(const QStringList& Items, int ElementCount, int TimeLimit, bool MeanTimeLimit,
                bool DoCalc, bool ShowCurrent, bool EnterAtEnd, bool AllowTips,
                int MaxWrongPercent);

    // Set by the launcher before RunTest.
    void SetItemPanelColor(const QColor& color);
    void SetItemFont(const QFont& font);
    void SetNormalTextColor(const QColor& color);
    void SetShowNextButtonVisible(bool visible);
    // The launcher's result record (name=value lines), filled at the successful end of a run.
    void SetResultRecord(QStringList* record);

    // Read by the launcher after RunTest, whatever the result.
    int CompletedRightCount = 0;
    TDateTime PresentationTime = 0.0;
    int RightCount = 0;
    int WrongCount = 0;
    double PresentationSeconds = 0.0;
};

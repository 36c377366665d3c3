#pragma once

#include "core/DateTimeText.h"
#include "core/Launch.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}
class QLabel;
class HistoryModel;
class TestWindow;

// The program's one top-level window: menus, the exam history as a chart and a list, and the
// commands that launch tests and open the other windows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Commands.
    void SettingsActionExecute();
    void ModuleEditActionExecute();
    void ProgressActionExecute();
    void TestActionExecute();
    void TrainActionExecute();
    void ExamActionExecute();
    void BlinkTestActionExecute();
    void NormActionExecute();
    void HelpActionExecute();
    void AboutActionExecute();
    void DelCurActionExecute();
    void DelAllActionExecute();
    void DetailActionExecute();

    // Handlers of WM_FIRST_START_CHECK: tells the user of each data file that exists but could not
    // be read (and so is never written this run), then opens the help page once per installation.
    void ReportUnreadableFiles();
    void FirstStartCheck();

    // Runs one test with the given values; 1 when it completed, 2 otherwise.
    int LaunchTest(const LaunchParams& params);
    void LoadModuleList();
    void LoadHistory();
    // Appends the current result record as a new exam; false when the save failed.
    bool SaveExamResult(double coefficient);

    // Tests run the test window through this hook instead of showing it modally.
    // The launch it gets carries the run's items.
    using RunHook = std::function<int(TestWindow&, const LaunchParams& launch)>;
    void SetRunHook(RunHook hook) { m_runHook = std::move(hook); }

    QStringList ModuleIds;
    QStringList ResultIds;
    QStringList TestItems;
    QStringList ResultRecord;
    // What the latest run left, read once from the test window.
    TestRunEngine::Outcome LastOutcome;

protected:
    void customEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FitHistoryPanel();
    // Keeps the two columns as wide as the list: after the given column was resized (-1: the
    // list itself), the other one, or the date column, takes the rest.
    void FillDateColumn(int resized);
    void ConnectActions();
    // The section of the exam in the list's current row; nullopt when there is none.
    std::optional<QString> FocusedSection() const;
    // Shows a stored exam in the details window, over the given window.
    void OpenStoredExam(QWidget* owner, const QString& section);

    std::unique_ptr<Ui::MainWindow> ui;
    QLabel* m_statusLabel = nullptr;
    HistoryModel* m_history = nullptr;
    RunHook m_runHook;
    bool m_fillingColumns = false;
};

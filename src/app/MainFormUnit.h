#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace Ui {
class TMainForm;
}
class QLabel;

// The program's one top-level window: menus, the exam history as a chart and a list, and the
// commands that launch tests and open the other windows.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    void HelpActionExecute();
    // Handler of WM_FIRST_START_CHECK: opens the help page once per installation.
    void FirstStartCheck();

protected:
    void customEvent(QEvent* event) override;

private:
    void FormCreate();

    std::unique_ptr<Ui::TMainForm> ui;
    QLabel* m_statusLabel = nullptr;
};

#include "app/MainFormUnit.h"

#include "app/ResStrUnit.h"
#include "app/Stores.h"
#include "app/ZorvikSettings.h"
#include "platform/Desktop.h"
#include "platform/Prompts.h"
#include "platform/WindowMessages.h"
#include "ui_MainFormUnit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QUrl>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), ui(std::make_unique<Ui::TMainForm>()) {
    ui->setupUi(this);
    setCentralWidget(ui->DataPanel);
    ui->MigTestSeparator->setSeparator(true);
    // The blink test has no way in from the interface: its entry and separator stay hidden.
    ui->MigTestSeparator->setVisible(false);
    ui->MigTestAction->setVisible(false);
    m_statusLabel = new QLabel(ResStr::StatusText, this);
    m_statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    statusBar()->addWidget(m_statusLabel, 1);
    connect(ui->HelpAction, &QAction::triggered, this, &TMainForm::HelpActionExecute);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
    QCoreApplication::postEvent(this, new QEvent(WM_FIRST_START_CHECK));
}

void TMainForm::customEvent(QEvent* event) {
    if (event->type() == WM_FIRST_START_CHECK) {
        FirstStartCheck();
        return;
    }
    QMainWindow::customEvent(event);
}

void TMainForm::FirstStartCheck() {
    if (!Settings::FirstStart(SettingsIni()))
        return;
    // Written before the page opens, so that a failing browser never brings the page back.
    if (!RunGuarded(this, [] {
            SettingsIni().WriteBool(Settings::Section, Settings::Key::FirstStart, false);
        }))
        return;
    HelpActionExecute();
}

void TMainForm::HelpActionExecute() {
    // The outcome is ignored: a missing page or association produces no message.
    AppDesktop().OpenUrl(QUrl::fromLocalFile(HelpFilePath()));
}

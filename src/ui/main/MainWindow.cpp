#include "ui/main/MainWindow.h"

#include "core/BitsText.h"
#include "core/Clock.h"
#include "core/CommaText.h"
#include "core/FontText.h"
#include "core/Generators.h"
#include "core/History.h"
#include "core/HistoryModel.h"
#include "core/Messages.h"
#include "core/ModuleStore.h"
#include "core/NameValue.h"
#include "core/ResultRecord.h"
#include "core/SettingsKeys.h"
#include "core/SpokenText.h"
#include "core/Stores.h"
#include "core/TextFormat.h"
#include "platform/Colors.h"
#include "platform/Desktop.h"
#include "platform/Prompts.h"
#include "platform/WindowMessages.h"
#include "ui/blink/BlinkTestWindow.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/main/SettingsTransfer.h"
#include "ui/modules/ModuleEditor.h"
#include "ui/results/ExamNormsWindow.h"
#include "ui/results/ProgressWindow.h"
#include "ui/results/ResultDetailsWindow.h"
#include "ui/run/TestWindow.h"
#include "ui_MainWindow.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace {

// Cells are drawn at the top left. Only the focused row of the focused list takes the highlight
// text colour; a selection the list shows without the focus is drawn on the button face in the
// window text colour, so the user sees where the keyboard is.
class HistoryDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignLeft | Qt::AlignTop;
        const auto* view = qobject_cast<const QAbstractItemView*>(parent());
        const bool focusedRow =
            view != nullptr && view->hasFocus() && view->currentIndex().row() == index.row();
        if ((option->state & QStyle::State_Selected) && !focusedRow) {
            option->state &= ~QStyle::State_Selected;
            option->backgroundBrush = option->palette.brush(QPalette::Active, QPalette::Button);
        }
        const QColor text = focusedRow && (option->state & QStyle::State_Selected)
                                ? option->palette.color(QPalette::Active, QPalette::HighlightedText)
                                : option->palette.color(QPalette::Active, QPalette::Text);
        option->palette.setColor(QPalette::Text, text);
        option->palette.setColor(QPalette::HighlightedText, text);
    }
};

// The rectangle of a whole row, from its first visible column to its last.
QRect rowRect(const QTreeView* tree, const QModelIndex& index) {
    const QHeaderView* header = tree->header();
    const int first = header->logicalIndexAt(-header->offset());
    const int last = header->logicalIndexAt(header->length() - header->offset() - 1);
    return tree->visualRect(index.siblingAtColumn(first)) |
           tree->visualRect(index.siblingAtColumn(last));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()) {
    ui->setupUi(this);
    setCentralWidget(ui->DataPanel);
    ui->BlinkTestSeparator->setSeparator(true);
    // The blink test has no way in from the interface: its entry and separator stay hidden.
    ui->BlinkTestSeparator->setVisible(false);
    ui->BlinkTestAction->setVisible(false);
    m_statusLabel = new QLabel(Messages::StatusText, this);
    m_statusLabel->setObjectName(QStringLiteral("StatusLabel"));
    statusBar()->addWidget(m_statusLabel, 1);

    QTreeView* tree = ui->ResultVirtualDrawTree;
    m_history = new HistoryModel(this);
    tree->setModel(m_history);
    ui->Chart->SetModel(m_history);
    tree->setItemDelegate(new HistoryDelegate(tree));
    tree->header()->setSectionsMovable(true);
    // A tree keeps its first column in place unless told otherwise; either column may go first.
    tree->header()->setFirstSectionMovable(true);
    tree->header()->setSortIndicatorShown(true);
    tree->header()->setSectionsClickable(false); // a click on the header never re-sorts
    // Both columns can be resized; the date column takes whatever the result column leaves, with
    // or without the scroll bar, and gives way when the user widens it.
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(QHeaderView::Interactive);
    FitHistoryPanel();
    connect(tree->header(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int) { FillDateColumn(logical); });
    tree->addAction(ui->DelCurAction);
    tree->addAction(ui->DelAllAction);
    tree->addAction(ui->DetailsPopupAction);
    // A double click anywhere on the list, rows or empty space, opens the focused exam.
    tree->viewport()->installEventFilter(this);
    // Shift+F10 opens the pop-up menu, as the Menu key does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), tree);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, tree, [tree] {
        const QModelIndex current = tree->currentIndex();
        const QPoint at = current.isValid() ? rowRect(tree, current).center() : QPoint(4, 4);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, tree->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(tree->viewport(), &event);
    });
    ConnectActions();
    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::FitHistoryPanel() {
    // The widths were drawn for a small system font; a larger font or a high-DPI screen would cut
    // the dates short. The date column takes the longest weekday of the user's locale.
    QTreeView* tree = ui->ResultVirtualDrawTree;
    const QFontMetrics fm(tree->font());
    const int padding =
        2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree) +
        fm.horizontalAdvance(QLatin1Char('M'));
    int dateWidth = 0;
    for (int day = 0; day < 7; ++day)
        dateWidth = std::max(dateWidth, fm.horizontalAdvance(HistoryDateText(46000.5 + day)));
    const int resultWidth = fm.horizontalAdvance(HistoryResultText(9999.99));
    const int date = std::max(189, dateWidth + padding);
    const int result = std::max(90, resultWidth + padding);
    tree->setColumnWidth(0, date);
    tree->setColumnWidth(1, result);
    const int chrome = 2 * tree->frameWidth() +
                       tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
    const int panel = std::max(283, date + result + chrome);
    ui->HistoryPanel->setFixedWidth(panel);
    tree->setColumnWidth(0, panel - result - chrome);
}

void MainWindow::FillDateColumn(int resized) {
    if (m_fillingColumns)
        return;
    m_fillingColumns = true;
    QHeaderView* header = ui->ResultVirtualDrawTree->header();
    const int room = ui->ResultVirtualDrawTree->viewport()->width();
    const int least = header->minimumSectionSize();
    // The user widened or narrowed the date column: the result column gives or takes the
    // difference. Anything else (the result column, the list's own width, the scroll bar coming
    // or going): the date column takes the rest.
    if (resized == 0)
        header->resizeSection(1, std::max(least, room - header->sectionSize(0)));
    else
        header->resizeSection(0, std::max(least, room - header->sectionSize(1)));
    m_fillingColumns = false;
}

void MainWindow::ConnectActions() {
    const auto bind = [this](QAction* a, void (MainWindow::*handler)()) {
        connect(a, &QAction::triggered, this, handler);
    };
    bind(ui->SettingsAction, &MainWindow::SettingsActionExecute);
    bind(ui->ModuleEditAction, &MainWindow::ModuleEditActionExecute);
    bind(ui->ProgressAction, &MainWindow::ProgressActionExecute);
    bind(ui->TestAction, &MainWindow::TestActionExecute);
    bind(ui->TrainAction, &MainWindow::TrainActionExecute);
    bind(ui->ExamAction, &MainWindow::ExamActionExecute);
    bind(ui->BlinkTestAction, &MainWindow::BlinkTestActionExecute);
    bind(ui->NormAction, &MainWindow::NormActionExecute);
    bind(ui->HelpAction, &MainWindow::HelpActionExecute);
    bind(ui->AboutAction, &MainWindow::AboutActionExecute);
    bind(ui->DelCurAction, &MainWindow::DelCurActionExecute);
    bind(ui->DelAllAction, &MainWindow::DelAllActionExecute);
    bind(ui->DetailAction, &MainWindow::DetailActionExecute);
    bind(ui->DetailsPopupAction, &MainWindow::DetailActionExecute);
    connect(ui->DelCurButton, &QPushButton::clicked, ui->DelCurAction, &QAction::trigger);
    connect(ui->DelAllButton, &QPushButton::clicked, ui->DelAllAction, &QAction::trigger);
    connect(ui->DetaillButton, &QPushButton::clicked, ui->DetailAction, &QAction::trigger);
    connect(ui->NormButton, &QPushButton::clicked, ui->NormAction, &QAction::trigger);
    // The window-wide shortcut works wherever the focus is.
    addAction(ui->HelpAction);
}

void MainWindow::FormCreate() {
    ResultIni().ReadSections(ResultIds);
    LoadHistory();
    ResultRecord.clear();
    LoadModuleList();
    QCoreApplication::postEvent(this, new QEvent(WM_FIRST_START_CHECK));
}

void MainWindow::customEvent(QEvent* event) {
    if (event->type() == WM_FIRST_START_CHECK) {
        ReportUnreadableFiles();
        FirstStartCheck();
        return;
    }
    QMainWindow::customEvent(event);
}

void MainWindow::ReportUnreadableFiles() {
    for (const IniFile* store : {&SettingsIni(), &ResultIni(), &ModulesIni()})
        if (!store->ReadError().isEmpty())
            ShowWarning(this,
                        Messages::FileUnreadableAtStart.arg(store->FileName(), store->ReadError()));
}

void MainWindow::FirstStartCheck() {
    // Settings that could not be read say nothing about a first start, and could not record it.
    if (!SettingsIni().ReadError().isEmpty() || !Settings::FirstStart(SettingsIni()))
        return;
    // Written before the page opens, so that a failing browser never brings the page back.
    if (!RunGuarded(this, [] {
            SettingsIni().WriteBool(Settings::Section, Settings::Key::FirstStart, false);
        }))
        return;
    HelpActionExecute();
}

void MainWindow::LoadModuleList() {
    ModuleIds = LoadModuleIds(ModulesIni());
}

// ---------------------------------------------------------------------------------------------
// Commands

void MainWindow::HelpActionExecute() {
    // The outcome is ignored: a missing page or association produces no message.
    AppDesktop().OpenUrl(QUrl::fromLocalFile(HelpFilePath()));
}

void MainWindow::SettingsActionExecute() {
    ::SettingsActionExecute(this, ModuleIds);
}

void MainWindow::ModuleEditActionExecute() {
    ModuleEditor editor(this);
    if (editor.Execute())
        LoadModuleList();
}

void MainWindow::ProgressActionExecute() {
    // The window draws from the records the list holds; the file is not read again.
    ProgressWindow form(m_history->Entries(), this);
    connect(&form, &ProgressWindow::ExamChosen, this,
            [this, &form](const QString& section) { OpenStoredExam(&form, section); });
    form.exec();
}

void MainWindow::NormActionExecute() {
    ExamNormsWindow form(this);
    form.exec();
}

void MainWindow::AboutActionExecute() {
    AboutDialog form(this);
    form.SetVersionCaption(form.FileVersion());
    form.exec();
}

void MainWindow::BlinkTestActionExecute() {
    BlinkTestWindow form(this);
    form.SetDigitCount(Settings::MigDigWidth(SettingsIni()));
    form.SetDisplayTime(Settings::MigTimeLimit(SettingsIni()));
    form.exec();
}

void MainWindow::TestActionExecute() {
    if (LaunchTest(IntroductoryTestParams()) != 1)
        return;
    NameValue::SetValue(ResultRecord, ResultKey::ExamResult,
                        FloatToBitsText(LastOutcome.CompletedRightCount / 5.0));
    OpenResultDetails(this, ResultRecord);
}

void MainWindow::TrainActionExecute() {
    if (LaunchTest(TrainParams(SettingsIni(), ModuleIds)) != 1)
        return;
    NameValue::SetValue(ResultRecord, ResultKey::ShowNorm, QStringLiteral("-1"));
    OpenResultDetails(this, ResultRecord);
}

void MainWindow::ExamActionExecute() {
    const LaunchParams params = ExamParams(SettingsIni());
    if (LaunchTest(params) != 1)
        return;
    const double coefficient =
        ExamCoefficient(params.run.ElementCount, LastOutcome.CompletedRightCount,
                        LastOutcome.PresentationSeconds, params.dataName);
    // A failed save is shown; the details still open, so the run is never lost from sight.
    SaveExamResult(coefficient);
    NameValue::SetValue(ResultRecord, ResultKey::ExamResult, FloatToBitsText(coefficient));
    OpenResultDetails(this, ResultRecord);
}

// ---------------------------------------------------------------------------------------------
// Launching

int MainWindow::LaunchTest(const LaunchParams& params) {
    TestWindow form(this);
    ui->DataPanel->hide();
    struct Restore {
        QWidget* panel;
        ~Restore() { panel->show(); }
    } restore{ui->DataPanel};

    if (params.run.EnterAtEnd)
        form.SetShowNextButtonVisible(false);
    const IniFile& settings = SettingsIni();
    form.ApplyItemLook(Settings::BackgroundColor(settings), ReadFontText(settings));
    form.setWindowTitle(StripAmpersand(params.caption));

    LaunchParams launch = params;
    QString moduleName;
    launch.run.Items = BuildTestItems(params, settings, ModulesIni(), &moduleName);
    TestItems = launch.run.Items;
    if (TestItems.isEmpty()) {
        ShowWarning(this, Format(Messages::EmptyModule, {moduleName}));
        return 2;
    }

    form.SetResultRecord(&ResultRecord);
    form.Announcer().SetSpeech(Settings::SpeakItems(settings), Settings::SpeakVoice(settings),
                               SpokenText::DigitReading(Settings::SpeakDigits(settings)));
    const int result = m_runHook ? m_runHook(form, launch) : form.RunTest(launch.run);
    LastOutcome = form.RunOutcome;
    return result;
}

// ---------------------------------------------------------------------------------------------
// History

void MainWindow::LoadHistory() {
    // The list and the chart draw from the same records; the list makes a row's texts only when
    // it draws the row.
    m_history->SetEntries(ReadHistory(ResultIni()));
    QTreeView* tree = ui->ResultVirtualDrawTree;
    tree->header()->setSortIndicator(0, Qt::AscendingOrder);
    if (m_history->rowCount() > 0)
        tree->setCurrentIndex(m_history->index(0, 0));
}

bool MainWindow::SaveExamResult(double coefficient) {
    const DateTime now = AppClock().Now();
    const bool ok = RunGuarded(this, [&] {
        ResultIds.append(SaveExamSection(ResultIni(), ResultRecord, coefficient, now));
    });
    // Whether or not the file took it, the list shows what the store holds and will write.
    ResultIni().ReadSections(ResultIds);
    LoadHistory();
    return ok;
}

std::optional<QString> MainWindow::FocusedSection() const {
    const QModelIndex current = ui->ResultVirtualDrawTree->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_history->EntryAt(current.row()).section;
}

void MainWindow::DetailActionExecute() {
    if (const std::optional<QString> section = FocusedSection())
        OpenStoredExam(this, *section);
}

void MainWindow::OpenStoredExam(QWidget* owner, const QString& section) {
    ResultRecord = ReadStoredRecord(ResultIni(), section);
    OpenResultDetails(owner, ResultRecord);
}

void MainWindow::DelCurActionExecute() {
    const std::optional<QString> section = FocusedSection();
    if (!section)
        return;
    if (!AskYesNo(this, Messages::DeleteResultQuestion))
        return;
    RunGuarded(this, [&] { ResultIni().EraseSection(*section); });
    ResultIni().ReadSections(ResultIds);
    LoadHistory();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == ui->ResultVirtualDrawTree->viewport())
        FillDateColumn(-1);
    if (event->type() == QEvent::MouseButtonDblClick &&
        watched == ui->ResultVirtualDrawTree->viewport()) {
        DetailActionExecute();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::DelAllActionExecute() {
    if (!AskYesNo(this, Messages::DeleteAllResultsQuestion))
        return;
    // An empty history has nothing to erase; no file is written.
    if (ResultIds.isEmpty())
        return;
    // One save for the whole history instead of one per exam.
    RunGuarded(this, [&] { ResultIni().EraseSections(ResultIds); });
    ResultIni().ReadSections(ResultIds);
    LoadHistory();
}

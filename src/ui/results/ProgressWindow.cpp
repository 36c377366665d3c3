#include "ui/results/ProgressWindow.h"

#include "core/HistoryStats.h"
#include "core/Messages.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"
#include "ui/results/ProgressChart.h"
#include "ui/results/ReadOnlyList.h"
#include "ui_ProgressWindow.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace {
using Period = ProgressSeries::Period;
} // namespace

ProgressWindow::ProgressWindow(const std::vector<HistoryEntry>& history, QWidget* owner)
    : QDialog(owner), ui(std::make_unique<Ui::ProgressWindow>()), m_history(history),
      m_series(history) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    // A year of exams readably, on any screen.
    if (const QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() * 9 / 10;
        resize(std::min(width(), room.width()), std::min(height(), room.height()));
    }
    auto* periods = new QButtonGroup(this);
    periods->addButton(ui->AllRadio, static_cast<int>(Period::All));
    periods->addButton(ui->YearRadio, static_cast<int>(Period::Year));
    periods->addButton(ui->ThreeMonthsRadio, static_cast<int>(Period::ThreeMonths));
    periods->addButton(ui->MonthRadio, static_cast<int>(Period::Month));
    connect(periods, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ShowPeriod();
    });
    SetupDrawTree(ui->MonthsTable, [this](const QModelIndex& index, bool focusedRow) {
        return CellLook{index.data().toString(), PlainCellColor(ui->MonthsTable, focusedRow),
                        false};
    });
    ui->MonthsTable->header()->setStretchLastSection(false);
    connect(ui->Chart, &ProgressChart::ExamActivated, this, [this](int entry) {
        Q_EMIT ExamChosen(m_history[static_cast<size_t>(entry)].section);
    });
    connect(ui->SaveImageButton, &QPushButton::clicked, this,
            &ProgressWindow::SaveImageButtonClick);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);

    const bool any = !m_series.Points().empty();
    ui->ChartPages->setCurrentWidget(any ? static_cast<QWidget*>(ui->Chart) : ui->NoExamsLabel);
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui->AllRadio, ui->YearRadio, ui->ThreeMonthsRadio,
                                         ui->MonthRadio, ui->SaveImageButton})
        w->setEnabled(any);
    ui->MonthsTable->setVisible(any);
    ui->LeftOutLabel->setText(Messages::ProgressLeftOut.arg(m_series.LeftOut()));
    ui->LeftOutLabel->setVisible(m_series.LeftOut() > 0);
    ShowPeriod();
    // The keyboard starts on the chart, at the last exam.
    (any ? static_cast<QWidget*>(ui->Chart) : ui->CloseButton)->setFocus();
}

ProgressWindow::~ProgressWindow() = default;

ProgressChart* ProgressWindow::Chart() const {
    return ui->Chart;
}

ProgressSeries::Period ProgressWindow::CurrentPeriod() const {
    if (ui->AllRadio->isChecked())
        return Period::All;
    if (ui->ThreeMonthsRadio->isChecked())
        return Period::ThreeMonths;
    if (ui->MonthRadio->isChecked())
        return Period::Month;
    return Period::Year;
}

void ProgressWindow::SetPeriod(ProgressSeries::Period period) {
    (period == Period::All           ? ui->AllRadio
     : period == Period::ThreeMonths ? ui->ThreeMonthsRadio
     : period == Period::Month       ? ui->MonthRadio
                                     : ui->YearRadio)
        ->setChecked(true);
}

void ProgressWindow::ShowPeriod() {
    const ProgressSeries::Range range = m_series.RangeOf(CurrentPeriod());
    const std::vector<HistoryStats::Exam> exams = m_series.StatsExams(range);
    const HistoryStats stats = ComputeStats(exams);
    const HistoryStats::Texts texts = StatsTexts(stats, exams);
    const QLocale locale;
    ui->PeriodLabel->setText(
        range.from.isValid()
            ? Messages::ProgressPeriod.arg(locale.toString(range.from, QLocale::ShortFormat),
                                           locale.toString(range.to, QLocale::ShortFormat))
            : QString());
    ui->CountLabel->setText(texts.count);
    for (auto [label, text] :
         {std::pair{ui->BestLabel, texts.best}, std::pair{ui->RecentLabel, texts.recent},
          std::pair{ui->TrendLabel, texts.trend}}) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
    QTreeWidget* table = ui->MonthsTable;
    table->setUpdatesEnabled(false);
    table->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(texts.months.size()));
    for (const HistoryStats::Texts::Month& m : texts.months)
        rows.append(new QTreeWidgetItem(QStringList{m.name, m.count, m.mean, m.best}));
    table->addTopLevelItems(rows);
    // Each column as wide as its widest text; the latest months are the ones to see first.
    const QFontMetrics fm(table->font());
    for (int column = 0; column < table->columnCount(); ++column) {
        int widest = fm.horizontalAdvance(table->headerItem()->text(column));
        for (const HistoryStats::Texts::Month& m : texts.months)
            widest = std::max(widest, fm.horizontalAdvance(column == 0   ? m.name
                                                           : column == 1 ? m.count
                                                           : column == 2 ? m.mean
                                                                         : m.best));
        table->header()->resizeSection(column, widest + 3 * fm.averageCharWidth());
    }
    // The table is as wide as its columns; the figures beside it take the rest.
    table->setFixedWidth(table->header()->length() + 2 * table->frameWidth() +
                         table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table));
    table->scrollToBottom();
    table->setUpdatesEnabled(true);
    ui->Chart->SetData(&m_series, range, stats);
}

void ProgressWindow::SaveImageButtonClick() {
    const QString path =
        AppPrompts().SaveFileName(this, Messages::ChartImageFilter, QStringLiteral("png"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        ShowWarning(this, Messages::ChartImageFormat);
        return;
    }
    QString reason;
    if (!ui->Chart->SaveImage(path, &reason))
        ShowError(this, Messages::FileWriteFailed.arg(path, reason));
}

#include "ui/results/ResultDetailsWindow.h"

#include "core/AnswerMatch.h"
#include "core/Messages.h"
#include "core/ResultRecord.h"
#include "core/TextFormat.h"
#include "ui/results/TrainingNormsWindow.h"
#include "ui_ResultDetailsWindow.h"

#include <QHeaderView>
#include <QTreeWidgetItem>

namespace {
constexpr int kNumberColumn = 0;
constexpr int kItemColumn = 1;
constexpr int kAnswerColumn = 2;
constexpr int kBlankMarkWidth = 6;
} // namespace

ResultDetailsWindow::ResultDetailsWindow(QWidget* owner)
    : ResultsWindowFrame(owner), ui(std::make_unique<Ui::ResultDetailsWindow>()) {
    ui->setupUi(this);
    FormCreate();
}

ResultDetailsWindow::~ResultDetailsWindow() = default;

void ResultDetailsWindow::FormCreate() {
    setFixedSize(size());
    SetupDrawTree(ui->ResultVirtualDrawTree, [this](const QModelIndex& index, bool focusedRow) {
        return ResultVirtualDrawTreeDrawNode(index, focusedRow);
    });
    QHeaderView* header = ui->ResultVirtualDrawTree->header();
    header->setStretchLastSection(true);
    header->resizeSection(kNumberColumn, 70);
    header->resizeSection(kItemColumn, 220);
    // Rows stay in run order; the header only shows that the number is the order.
    header->setSortIndicator(kNumberColumn, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);

    m_numCntTemplate = ui->NumCntLabel->text();
    m_dtTemplate = ui->DtLabel->text();
    m_okTemplate = ui->OKLabel->text();
    m_badTemplate = ui->BadLabel->text();
    m_koefTemplate = ui->KoefLabel->text();

    connect(ui->NormButton, &QPushButton::clicked, this, &ResultDetailsWindow::NormButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool ResultDetailsWindow::IsWrongAnswer(const QString& item, const QString& answer) {
    return !AnswerMatches(item, answer);
}

void ResultDetailsWindow::FillResult(const QStringList& answers, const QStringList& presented,
                                     bool showNorms, double coefficient, double meanTime,
                                     int wrongAnswers, int rightAnswers, int itemCount,
                                     DateTime totalTime) {
    ui->NormButton->setVisible(showNorms);

    QTreeWidget* tree = ui->ResultVirtualDrawTree;
    tree->setUpdatesEnabled(false);
    tree->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(answers.size());
    for (qsizetype i = 0; i < answers.size(); ++i) {
        // A hand-edited record may list fewer items than answers: those rows show no item.
        const QString item = i < presented.size() ? presented[i] : QString();
        const QString& answer = answers[i];
        auto* row = new QTreeWidgetItem(QStringList{QString::number(i + 1), item, answer});
        const bool wrong = IsWrongAnswer(item, answer);
        row->setData(kAnswerColumn, WrongAnswerRole, wrong);
        if (wrong)
            row->setData(kAnswerColumn, Qt::AccessibleDescriptionRole, Messages::WrongAnswerCell);
        rows.append(row);
    }
    tree->addTopLevelItems(rows);
    if (!rows.isEmpty())
        tree->setCurrentItem(rows.first());
    tree->setUpdatesEnabled(true);

    ui->NumCntLabel->setText(Format(m_numCntTemplate, {itemCount}));
    ui->DtLabel->setText(Format(m_dtTemplate, {FormatDuration(totalTime), meanTime}));
    ui->OKLabel->setText(Format(m_okTemplate, {rightAnswers}));
    ui->BadLabel->setText(Format(m_badTemplate, {wrongAnswers}));
    ui->KoefLabel->setText(Format(m_koefTemplate, {coefficient}));
    // Exactly 0 means the run has no coefficient at all, not a poor one.
    ui->KoefLabel->setVisible(coefficient != 0.0);
}

void ResultDetailsWindow::ShowResult(const QStringList& answers, const QStringList& presented,
                                     bool showNorms, double coefficient, double meanTime,
                                     int wrongAnswers, int rightAnswers, int itemCount,
                                     DateTime totalTime) {
    FillResult(answers, presented, showNorms, coefficient, meanTime, wrongAnswers, rightAnswers,
               itemCount, totalTime);
    ui->ResultVirtualDrawTree->setFocus();
    exec();
}

CellLook ResultDetailsWindow::ResultVirtualDrawTreeDrawNode(const QModelIndex& index,
                                                            bool focusedRow) const {
    CellLook look;
    look.text = index.data(Qt::DisplayRole).toString();
    look.color = PlainCellColor(ui->ResultVirtualDrawTree, focusedRow);
    if (index.column() == kAnswerColumn && index.data(WrongAnswerRole).toBool()) {
        look.color = QColor(255, 0, 0);
        look.strikeOut = true;
        // A struck-out blank would draw nothing, and a missing answer is the error the user most
        // needs to see; no-break blanks keep the red line.
        if (TrimControl(look.text).trimmed().isEmpty())
            look.text = QString(kBlankMarkWidth, QChar(0x00A0));
    }
    return look;
}

void ResultDetailsWindow::NormButtonClick() {
    TrainingNormsWindow form(this);
    form.exec();
}

void OpenResultDetails(QWidget* owner, const QStringList& record) {
    const ResultDetails d = ParseResultRecord(record);
    ResultDetailsWindow window(owner);
    window.ShowResult(d.answers, d.presented, d.showNorm, d.examResult, d.avg, d.badAnswer,
                      d.okAnswer, d.numsCnt, d.testDt);
}

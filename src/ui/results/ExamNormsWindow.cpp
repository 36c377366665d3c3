#include "ui/results/ExamNormsWindow.h"

#include "core/Messages.h"
#include "ui_ExamNormsWindow.h"

#include <QHeaderView>
#include <QScopeGuard>

ExamNormsWindow::ExamNormsWindow(QWidget* owner)
    : ResultsWindowFrame(owner), ui(std::make_unique<Ui::ExamNormsWindow>()) {
    ui->setupUi(this);
    FormCreate();
}

ExamNormsWindow::~ExamNormsWindow() = default;

void ExamNormsWindow::FormCreate() {
    for (QTreeWidget* table : {ui->Norm1VirtualDrawTree, ui->Norm2VirtualDrawTree}) {
        SetupDrawTree(table, [this](const QModelIndex& index, bool focusedRow) {
            return Norm1VirtualDrawTreeDrawNode(index, focusedRow);
        });
        table->header()->resizeSection(0, 180);
        table->setUpdatesEnabled(false);
    }
    const auto resume = qScopeGuard([this] {
        ui->Norm1VirtualDrawTree->setUpdatesEnabled(true);
        ui->Norm2VirtualDrawTree->setUpdatesEnabled(true);
    });

    QTreeWidget* t1 = ui->Norm1VirtualDrawTree;
    for (const Messages::NormRow& row : Messages::BeginnerNorms)
        AddNormRow(t1, row.range, row.grade);
    QTreeWidget* t2 = ui->Norm2VirtualDrawTree;
    for (const Messages::NormRow& row : Messages::ExpertNorms)
        AddNormRow(t2, row.range, row.grade);

    FitDrawTreeHeight(t1);
    FitDrawTreeHeight(t2);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // A table with the focus would mark its first row, which reads as a grade given to the
    // user's result; the window opens with no row marked and the focus on the button.
    ui->CloseButton->setFocus();
}

CellLook ExamNormsWindow::Norm1VirtualDrawTreeDrawNode(const QModelIndex& index,
                                                       bool focusedRow) const {
    return {index.data(Qt::DisplayRole).toString(), PlainCellColor(this, focusedRow), false};
}

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

    using namespace Messages;
    QTreeWidget* t1 = ui->Norm1VirtualDrawTree;
    AddNormRow(t1, Norm1Range1, Norm1Grade1);
    AddNormRow(t1, Norm1Range2, Norm1Grade2);
    AddNormRow(t1, Norm1Range3, Norm1Grade3);
    AddNormRow(t1, Norm1Range4, Norm1Grade4);

    QTreeWidget* t2 = ui->Norm2VirtualDrawTree;
    AddNormRow(t2, Norm2Range1, Norm2Grade1);
    AddNormRow(t2, Norm2Range2, Norm2Grade2);
    AddNormRow(t2, Norm2Range3, Norm2Grade3);
    AddNormRow(t2, Norm2Range4, Norm2Grade4);
    AddNormRow(t2, Norm2Range5, Norm2Grade5);
    AddNormRow(t2, Norm2Range6, Norm2Grade6);
    AddNormRow(t2, Norm2Range7, Norm2Grade7);
    AddNormRow(t2, Norm2Range8, Norm2Grade8);

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

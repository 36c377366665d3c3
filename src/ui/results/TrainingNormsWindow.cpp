#include "ui/results/TrainingNormsWindow.h"

#include "core/Messages.h"
#include "ui_TrainingNormsWindow.h"

#include <QHeaderView>
#include <QScopeGuard>

TrainingNormsWindow::TrainingNormsWindow(QWidget* owner)
    : ResultsWindowFrame(owner), ui(std::make_unique<Ui::TrainingNormsWindow>()) {
    ui->setupUi(this);
    FormCreate();
}

TrainingNormsWindow::~TrainingNormsWindow() = default;

void TrainingNormsWindow::FormCreate() {
    QTreeWidget* table = ui->NormVirtualDrawTree;
    SetupDrawTree(table, [this](const QModelIndex& index, bool focusedRow) {
        return NormVirtualDrawTreeDrawNode(index, focusedRow);
    });
    table->header()->resizeSection(0, 240);
    table->setUpdatesEnabled(false);
    {
        const auto resume = qScopeGuard([table] { table->setUpdatesEnabled(true); });
        for (const Messages::NormRow& row : Messages::TrainingNorms)
            AddNormRow(table, row.range, row.grade);
    }
    FitDrawTreeHeight(table);
    connect(ui->CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // A table with the focus would mark its first row, which reads as a grade given to the
    // user's result; the window opens with no row marked and the focus on the button.
    ui->CloseButton->setFocus();
}

CellLook TrainingNormsWindow::NormVirtualDrawTreeDrawNode(const QModelIndex& index,
                                                          bool focusedRow) const {
    return {index.data(Qt::DisplayRole).toString(), PlainCellColor(this, focusedRow), false};
}

#include "ui/tables/List.h"

#include <QAction>
#include <QApplication>

#include "ui/common/Icons.h"
#include "ui/tables/TableIcons.h"
#include "ui/workload/OpenEvaluation.h"
#include "ui/workload/OpenHeatStrain.h"

namespace montira {

List::List(AppState& state, LiveListFeed& feed, QWidget* panel)
    : TwelveColumnWindow(state, QStringLiteral("List"), tr("Lista - Tempo real"),
                         QStringLiteral("(°C)"), QStringLiteral("(°F)"), panel),
      feed_(feed) {
    addAction("Save", tr("Salvar como"), ToolbarIcon(1));
    addAction("Print", tr("Imprimir"), PrintIcon());
    addAction("CelFah", tr("Celsius / Fahenheit"), CelFahIcon());
    addAction("Exportar planilha", tr("Exportar planilha"), SpreadsheetIcon());
    addAction("Evaluation", tr("Avaliação"), EvaluationIcon());
    addAction("HeatStrain", tr("Tensão térmica (ISO 7933)"), HeatStrainIcon());
    connect(action("Save"), &QAction::triggered, this, [this] { save(); });
    connect(action("Print"), &QAction::triggered, this, [this] { print(); });
    connect(action("CelFah"), &QAction::triggered, this, [this] { switchTables(); });
    connect(action("Exportar planilha"), &QAction::triggered, this, [this] { exportSheet(); });
    connect(action("Evaluation"), &QAction::triggered, this, [this] {
        OpenEvaluation(this, visibleModel(),
                       {TxtName->text(), TxtSector->text(), TxtCompany->text()});
    });
    connect(action("HeatStrain"), &QAction::triggered, this, [this] {
        OpenHeatStrain(this, visibleModel(),
                       {TxtName->text(), TxtSector->text(), TxtCompany->text()});
    });
    addBoxes();
    finishLayout(panel);
    GridC->setVisible(feed_.ListCelsius);
    GridF->setVisible(!feed_.ListCelsius);
}

void List::appendRows(const QStringList& rowC, const QStringList& rowF) {
    modelC_->appendRow(rowC);
    modelF_->appendRow(rowF);
    (showingCelsius() ? GridC : GridF)->scrollToBottom();
}

void List::clearRows() {
    modelC_->clearRows();
    modelF_->clearRows();
}

void List::autoSaveStarted() {
    if (autoSaving_) return;
    autoSaving_ = true;
    keptCaption_ = windowTitle();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void List::autoSaveProgress(long long row) {
    // Every row would set the caption 24,800 times in one sample tick; steps of 100 and the
    // last row are what anyone can see.
    if (autoSaving_ && (row % 100 == 0 || row == feed_.rows(feed_.ListCelsius).rowCount()))
        setWindowTitle(tr("%1 gravações completas").arg(row));
}

void List::autoSaveEnded() {
    if (!autoSaving_) return;
    autoSaving_ = false;
    setWindowTitle(keptCaption_);
    QApplication::restoreOverrideCursor();
}

void List::switchTables() {
    feed_.ListCelsius = !feed_.ListCelsius;
    GridC->setVisible(feed_.ListCelsius);
    GridF->setVisible(!feed_.ListCelsius);
    (showingCelsius() ? GridC : GridF)->scrollToBottom();
}

PrintResult List::print() {
    // The rows go on arriving while the print runs: it prints a copy of those it started with.
    const TableModel& m = visibleModel();
    const TextTable rows = m.rows();
    const HeadedTable grid(m.heading(), rows);
    PrintJob job;
    job.grid = &grid;
    job.title = windowTitle();
    job.fontStyle = false;
    job.table.headerLines = true;
    job.table.header = headerTexts();
    return whileBusy([&] { return runPrint(job); });
}

void List::closing() {
    autoSaveEnded();
    feed_.close();
    if (closed) closed();
}

}  // namespace montira

#include "ui/tables/Manual.h"

#include <QAction>

#include "ui/common/Icons.h"
#include "ui/tables/ModelGrid.h"
#include "ui/tables/TableIcons.h"

namespace montira {

Manual::Manual(AppState& state, QWidget* panel)
    : TwelveColumnWindow(state, QStringLiteral("Manual"), tr("Registros Manuais"),
                         QStringLiteral("(°C)"), QStringLiteral("(°F)"), panel) {
    addAction("Save", tr("Salvar como"), ToolbarIcon(1));
    addAction("Plot", tr("Plot"), ToolbarIcon(4));
    addAction("Print", tr("Imprimir"), PrintIcon());
    addAction("CelFah", tr("Celsius / Fahrenheit"), CelFahIcon());
    addAction("Exportar planilha", tr("Exportar planilha"), SpreadsheetIcon());
    connect(action("Save"), &QAction::triggered, this, [this] { save(); });
    connect(action("Print"), &QAction::triggered, this, [this] { print(); });
    connect(action("CelFah"), &QAction::triggered, this, [this] { switchTables(); });
    connect(action("Exportar planilha"), &QAction::triggered, this, [this] { exportSheet(); });
    addBoxes();
    finishLayout(panel);
    // The table of the panel's unit (its °C or °F marker) shows from the start, before any
    // record arrives; the other one stays hidden while the records are received.
    GridC->setVisible(state.CelsiusMode);
    GridF->setVisible(!state.CelsiusMode);
}

void Manual::setRows(TextTable celsius, TextTable fahrenheit, bool showCelsius) {
    modelC_->resetRows(std::move(celsius));
    modelF_->resetRows(std::move(fahrenheit));
    GridC->setVisible(showCelsius);
    GridF->setVisible(!showCelsius);
}

void Manual::switchTables() {
    GridC->setVisible(GridC->isHidden());
    GridF->setVisible(GridF->isHidden());
}

PrintResult Manual::print() {
    const ModelGrid grid(visibleModel());
    PrintJob job;
    job.kind = PrintJob::FixedListing;
    job.grid = &grid;
    job.title = windowTitle();
    job.header = headerTexts();
    job.poll = poll;
    return whileBusy([&] { return runPrint(job); });
}

}  // namespace montira

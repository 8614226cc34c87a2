#include "ui/tables/ListWindowTools.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolBar>

#include "ui/tables/DataList.h"
#include "ui/tables/FileList.h"
#include "ui/tables/ModelGrid.h"
#include "ui/tables/PrintPreview.h"
#include "ui/tables/TableIcons.h"
#include "ui/workload/OpenEvaluation.h"
#include "ui/workload/OpenHeatStrain.h"

namespace montira {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ListWindowTools", text);
}

HeaderTexts Boxes(const QLineEdit* n, const QLineEdit* s, const QLineEdit* c) {
    return {n->text(), s->text(), c->text()};
}

void PrintModel(QWidget* w, const TableModel& m) {
    const ModelGrid grid(m);
    PrintJob job;
    job.grid = &grid;
    job.title = w->windowTitle();
    PrintWithPreview(w, job);
}

}  // namespace

void AttachTableTools(DataList* w, CsvChoice* choice) {
    auto visible = [w]() -> const TableModel& {
        return w->DataListCelsius ? *w->modelC() : *w->modelF();
    };
    QObject::connect(w->action(QStringLiteral("Print")), &QAction::triggered, w,
                     [w, visible] { PrintModel(w, visible()); });
    QAction* sheet = AddKeyedAction(w->toolbar(), "Exportar planilha",
                                    Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Exportar planilha")),
                                    SpreadsheetIcon());
    QObject::connect(sheet, &QAction::triggered, w, [w, visible, choice] {
        ExportWithDialog(w, ModelGrid(visible()), Boxes(w->TxtName, w->TxtSector, w->TxtCompany),
                         *choice);
    });
    QAction* evaluate =
        AddKeyedAction(w->toolbar(), "Evaluation",
                       Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Avaliação")), EvaluationIcon());
    QObject::connect(evaluate, &QAction::triggered, w, [w, visible] {
        OpenEvaluation(w, visible(), Boxes(w->TxtName, w->TxtSector, w->TxtCompany));
    });
    QAction* strain = AddKeyedAction(
        w->toolbar(), "HeatStrain",
        Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Tensão térmica (ISO 7933)")), HeatStrainIcon());
    QObject::connect(strain, &QAction::triggered, w, [w, visible] {
        OpenHeatStrain(w, visible(), Boxes(w->TxtName, w->TxtSector, w->TxtCompany));
    });
    // This toolbar shows texts only: without one the buttons would be blank.
    for (QAction* a : {sheet, evaluate, strain}) a->setText(a->toolTip());
}

void AttachTableTools(FileList* w, CsvChoice* choice) {
    w->onPrint = [w] { PrintModel(w, *w->model()); };
    QAction* sheet = AddKeyedAction(w->toolbar(), "Exportar planilha",
                                    Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Exportar planilha")),
                                    SpreadsheetIcon());
    QObject::connect(sheet, &QAction::triggered, w, [w, choice] {
        ExportWithDialog(w, ModelGrid(*w->model()), Boxes(w->TxtName, w->TxtSector, w->TxtCompany),
                         *choice);
    });
    QAction* evaluate =
        AddKeyedAction(w->toolbar(), "Evaluation",
                       Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Avaliação")), EvaluationIcon());
    QObject::connect(evaluate, &QAction::triggered, w, [w] {
        OpenEvaluation(w, *w->model(), Boxes(w->TxtName, w->TxtSector, w->TxtCompany));
    });
    QAction* strain = AddKeyedAction(
        w->toolbar(), "HeatStrain",
        Tr(QT_TRANSLATE_NOOP("ListWindowTools", "Tensão térmica (ISO 7933)")), HeatStrainIcon());
    QObject::connect(strain, &QAction::triggered, w, [w] {
        OpenHeatStrain(w, *w->model(), Boxes(w->TxtName, w->TxtSector, w->TxtCompany));
    });
}

}  // namespace montira

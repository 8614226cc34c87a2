#include "ui/tables/TableTools.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QToolBar>

#include "ui/tables/ProgressPump.h"

namespace montira {

QAction* AddKeyedAction(QToolBar* bar, const char* key, const QString& tip, const QIcon& icon) {
    QAction* a = bar->addAction(icon, QString());
    a->setObjectName(QString::fromLatin1(key));
    a->setData(QString::fromLatin1(key));
    a->setToolTip(tip);
    return a;
}

void ShowTableMessage(QWidget* parent, const QString& text, bool critical) {
    QMessageBox box(critical ? QMessageBox::Critical : QMessageBox::Warning,
                    QCoreApplication::translate("TableTools", "MONTIRA DE STRESS TERMICO"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void ExportWithDialog(QWidget* parent, const GridSource& grid, const HeaderTexts& header,
                      CsvChoice& choice) {
    QFileDialog dialog(parent, QCoreApplication::translate("TableTools", "Exportar planilha"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // it carries the setting below
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("TableTools", "Planilha (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    auto* point = new QCheckBox(
        QCoreApplication::translate("TableTools", "Ponto decimal e vírgula entre campos"), &dialog);
    point->setObjectName(QStringLiteral("CkPoint"));
    point->setChecked(!choice.style.decimalComma);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(point, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    choice.style.decimalComma = !point->isChecked();
    ProgressPump pump(parent, QCoreApplication::translate("TableTools", "Exportar planilha"));
    QString error;
    if (ExportCsv(dialog.selectedFiles().first(), grid, header, choice.style, pump.progress(),
                  &error) == SaveOutcome::Failed)
        ShowTableMessage(parent, error, false);
}

}  // namespace montira

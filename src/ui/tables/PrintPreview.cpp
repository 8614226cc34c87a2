#include "ui/tables/PrintPreview.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDialog>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cstdio>

#include "ui/tables/ModelGrid.h"
#include "ui/tables/ProgressPump.h"

namespace montira {

namespace {

// Puts a finished PDF in place of the target (replacing an older one).
bool Replace(const QString& part, const QString& target) {
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) ==
        0)
        return true;
    return QFile::remove(target) && QFile::rename(part, target);
}

}  // namespace

PrintResult DrawJob(QPrinter& printer, const PrintJob& job, const RowProgress& progress) {
    // A PDF is written beside its target and put in place only when complete, so a cancelled
    // or failed print leaves no partial file (and an older file of that name as it was).
    const QString target =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const QString part = target + QStringLiteral(".part");
    if (!target.isEmpty()) printer.setOutputFileName(part);
    QPainter painter;
    PrintResult r;
    if (painter.begin(&printer)) {
        r = job.kind == PrintJob::FixedListing
                ? PrintListing(painter, printer, *job.grid, job.header, progress)
                : PrintTable(painter, printer, *job.grid, job.table, progress);
        if (r.outcome == PrintOutcome::Cancelled) printer.abort();
        painter.end();
    }
    if (!target.isEmpty()) {
        printer.setOutputFileName(target);
        if (r.outcome != PrintOutcome::Printed)
            QFile::remove(part);
        else if (!Replace(part, target))
            r.outcome = PrintOutcome::Failed;
    }
    return r;
}

namespace {

QFont ChosenFont(const QFont& chosen, bool withStyle) {
    if (withStyle) return chosen;
    QFont f(chosen.family());
    f.setPointSizeF(chosen.pointSizeF());
    return f;
}

}  // namespace

PrintResult PrintWithPreview(QWidget* parent, PrintJob job) {
    PrintResult result;
    result.outcome = PrintOutcome::Cancelled;
    if (!job.grid) return result;
    if (job.kind == PrintJob::RuledTable) {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, TableFont(), parent);
        if (!ok) return result;
        job.table.font = ChosenFont(f, job.fontStyle);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(
        job.grid->rowCount() > kPreviewRows + 1
            ? QCoreApplication::translate("PrintPreview", "%1 - prévia das primeiras %2 linhas")
                  .arg(job.title, QString::number(kPreviewRows))
            : job.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
        // The preview draws into pictures; only the print itself gets every row.
        if (p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Picture) {
            const FirstRows first(*job.grid, kPreviewRows + 1);
            PrintJob shown = job;
            shown.grid = &first;
            DrawJob(*p, shown, {});
            return;
        }
        if (job.kind == PrintJob::FixedListing && job.poll) job.poll(false);
        ProgressPump pump(parent, job.title);
        if (parent) pump.showInCaptionOf(parent);
        result = DrawJob(*p, job, pump.progress());
        if (job.kind == PrintJob::FixedListing && job.poll) job.poll(true);
    });
    preview.exec();
    return result;
}

}  // namespace montira

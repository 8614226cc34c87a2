#include "ui/common/ReportPreview.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace montira {

void PreviewReport(QWidget* parent, const QString& caption, const DrawReport& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(caption);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(caption);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&draw](QPrinter* p) {
                         QPainter painter(p);
                         draw(painter, *p);
                     });
    preview.exec();
}

}  // namespace montira

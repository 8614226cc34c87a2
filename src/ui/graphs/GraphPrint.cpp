#include "ui/graphs/GraphPrint.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace montira {

void PrintGraph(QPrinter& printer, const QImage& image) {
    QPainter p;
    if (image.isNull() || !p.begin(&printer)) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF target(0, 0, page.width(), page.height());
    QSizeF size = QSizeF(image.size()).scaled(target.size(), Qt::KeepAspectRatio);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), size), image);
    p.end();
}

void PrintGraphWithPreview(QWidget* parent, const QImage& image, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&image](QPrinter* pr) { PrintGraph(*pr, image); });
    dialog.exec();
}

}  // namespace montira

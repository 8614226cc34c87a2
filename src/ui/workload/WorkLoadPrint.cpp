#include "ui/workload/WorkLoadPrint.h"

#include <QApplication>
#include <QLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace montira::ui {

bool AskPrinterWithDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintWindowImage(QWidget& window, QWidget& header, bool foldHeader,
                      const QList<QWidget*>& hide, QPrinter& printer,
                      const std::function<bool(QPrinter&)>& askPrinter) {
    if (!askPrinter || !askPrinter(printer)) return false;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize savedSize = window.size();
    QList<QWidget*> hidden;
    for (QWidget* w : hide) {
        if (w && w->isVisibleTo(&window)) {
            w->hide();
            hidden << w;
        }
    }
    const bool fold = foldHeader && header.isVisibleTo(&window);
    if (fold) {
        header.hide();
        if (window.layout()) window.layout()->activate();
        window.resize(savedSize.width(), window.minimumSizeHint().height());
    }

    bool printed = false;
    QPainter painter;
    if (painter.begin(&printer)) {
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const double scale = std::min(double(page.width()) / std::max(1, window.width()),
                                      double(page.height()) / std::max(1, window.height()));
        painter.scale(scale, scale);
        window.render(&painter, QPoint(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
        printed = painter.end();
    }

    if (fold) header.show();
    for (QWidget* w : hidden) w->show();
    if (window.layout()) window.layout()->activate();
    window.resize(savedSize);
    QApplication::restoreOverrideCursor();
    return printed;
}

}  // namespace montira::ui

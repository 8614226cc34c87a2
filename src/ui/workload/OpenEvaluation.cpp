#include "ui/workload/OpenEvaluation.h"

#include <QPainter>
#include <QPixmap>

#include "ui/tables/TableModel.h"
#include "ui/workload/Evaluation.h"

namespace montira {

void OpenEvaluation(QWidget* from, const TableModel& table, const HeaderTexts& header) {
    auto* w = new ui::Evaluation(table.heading(), table.rows(), header, from);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->raise();
}

QIcon EvaluationIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(9, 9, 21, 21));
    p.drawLine(QPointF(19.5, 19.5), QPointF(19.5, 12));
    p.drawLine(QPointF(19.5, 19.5), QPointF(25, 19.5));
    p.setBrush(QColor(200, 0, 0));
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.drawRoundedRect(QRectF(3, 2, 5, 20), 2.5, 2.5);
    p.drawEllipse(QRectF(1, 19, 9, 9));
    p.end();
    return QIcon(pm);
}

}  // namespace montira

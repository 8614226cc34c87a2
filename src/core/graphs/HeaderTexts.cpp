#include "core/graphs/HeaderTexts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "core/graphs/GraphFrame.h"

namespace montira {

void DrawHeaderTexts(QPainter& p, QSize window, const QString& name, const QString& sector,
                     const QString& company) {
    if (name.isEmpty() && sector.isEmpty() && company.isEmpty()) return;
    p.save();
    p.setFont(GraphFont());
    p.setPen(Qt::black);
    const struct {
        const char* label;
        double labelX;
        const QString& text;
        int fromBottom;
    } rows[] = {{QT_TRANSLATE_NOOP("Graphs", "Nome:"), 7.567, name, 100},
                {QT_TRANSLATE_NOOP("Graphs", "Setor:"), 7.567, sector, 68},
                {QT_TRANSLATE_NOOP("Graphs", "Empresa:"), 0, company, 36}};
    for (const auto& r : rows) {
        const double y = window.height() - r.fromBottom;
        // A longer (translated) label moves left to end before its box, never off the edge.
        const QString label = QCoreApplication::translate("Graphs", r.label);
        const double room = 78 - QFontMetricsF(p.font()).horizontalAdvance(label);
        TextAt(p, std::max(2.0, std::min(r.labelX, room)), y, label);
        TextAt(p, 80.712, y, r.text);
    }
    p.restore();
}

}  // namespace montira

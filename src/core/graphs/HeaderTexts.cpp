#include "core/graphs/HeaderTexts.h"

#include <QCoreApplication>
#include <QPainter>

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
        TextAt(p, r.labelX, y, QCoreApplication::translate("Graphs", r.label));
        TextAt(p, 80.712, y, r.text);
    }
    p.restore();
}

}  // namespace montira

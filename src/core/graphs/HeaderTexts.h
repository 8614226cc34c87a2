#pragma once
#include <QSize>
#include <QString>

class QPainter;

namespace montira {

// The name, sector and company lines under a graph, where its window shows them as fields:
// "Nome:", "Setor:", "Empresa:" at tops height − 100, − 68, − 36, their texts from x 80.7.
// Nothing is drawn when all three texts are empty.
void DrawHeaderTexts(QPainter& p, QSize window, const QString& name, const QString& sector,
                     const QString& company);

}  // namespace montira

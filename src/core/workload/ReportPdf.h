#pragma once
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <functional>

namespace montira {

// Writes a report as an A4 PDF (600 dpi, 15 mm margins) through the safe writer: the old file
// stays when anything fails, and `why` names the file and the cause.
using DrawReport = std::function<void(QPainter& painter, QPagedPaintDevice& device)>;
bool WriteReportPdf(const QString& path, const QString& title, const DrawReport& draw,
                    QString* why);

}  // namespace montira

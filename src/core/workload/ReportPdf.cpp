#include "core/workload/ReportPdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "core/tables/SafeFile.h"

#ifndef MONTIRA_VERSION
#define MONTIRA_VERSION "dev"
#endif

namespace montira {

bool WriteReportPdf(const QString& path, const QString& title, const DrawReport& draw,
                    QString* why) {
    const SaveOutcome saved = SaveFileSafely(
        path,
        [&](QIODevice& out) {
            QPdfWriter pdf(&out);
            pdf.setTitle(title);
            pdf.setCreator(QStringLiteral("montira %1").arg(QLatin1String(MONTIRA_VERSION)));
            pdf.setResolution(600);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            QPainter painter(&pdf);
            draw(painter, pdf);
            return painter.end();
        },
        why);
    return saved == SaveOutcome::Saved;
}

}  // namespace montira

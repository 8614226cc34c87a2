#include "core/workload/ExposureReport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

#include "core/workload/ExposurePlot.h"
#include "core/workload/ReportFormat.h"

namespace montira::exposure {

namespace {

QColor VerdictColor(Verdict v) {
    switch (v) {
        case Verdict::BelowActionLevel:
            return QColor(0, 130, 40);
        case Verdict::BetweenLevels:
            return QColor(200, 120, 0);
        case Verdict::AboveLimit:
            return QColor(200, 0, 0);
    }
    return Qt::black;
}

QString ReportTitle() {
    return QCoreApplication::translate("ExposureReport", "Avaliação da exposição ao calor");
}

QString One(double v) {
    return ReportNumber(v, 1);
}

// A "YY/MM/DD hh:mm:ss" stamp in the report's date form.
QString Stamp(const QString& stamp) {
    qint64 t = 0;
    return ParseStampText(stamp, t) ? ReportStamp(t) : stamp;
}

// A channel's heading word in the interface language (units stay as they are).
QString ChannelName(const QString& word) {
    return QCoreApplication::translate("TableHeading", word.toUtf8().constData());
}

// Writes lines down the page, starting a new page when the next block does not fit.
class PageWriter {
public:
    PageWriter(QPainter& p, QPagedPaintDevice& d) : p_(p), d_(d) {
        base_ = QFont(QStringLiteral("Arial"));
        base_.setPointSizeF(10);
        p_.setFont(base_);
        lh_ = QFontMetricsF(base_, &d_).height() * 1.15;
        width_ = d_.width();
        y_ = 0;
    }
    double lineHeight() const { return lh_; }
    double width() const { return width_; }
    int pages() const { return pages_; }

    void need(double height) {
        if (y_ + height <= d_.height() || y_ == 0) return;
        d_.newPage();
        ++pages_;
        y_ = 0;
    }
    void text(const QString& t, double size = 10, bool bold = false, QColor color = Qt::black,
              double indent = 0) {
        QFont f = base_;
        f.setPointSizeF(size);
        f.setBold(bold);
        const double h = QFontMetricsF(f, &d_).height() * 1.15;
        need(h);
        p_.setFont(f);
        p_.setPen(color);
        p_.drawText(QRectF(indent, y_, width_ - indent, h), Qt::AlignLeft | Qt::AlignVCenter, t);
        p_.setFont(base_);
        y_ += h;
    }
    // A row of cells at the given fractions of the width; the first `leftCells` left-aligned,
    // the others right-aligned.
    void row(const QStringList& cells, const std::vector<double>& at, bool bold = false,
             int leftCells = 1) {
        need(lh_);
        QFont f = base_;
        f.setBold(bold);
        p_.setFont(f);
        p_.setPen(Qt::black);
        for (int i = 0; i < cells.size() && i < int(at.size()); ++i) {
            const double x0 = at[size_t(i)] * width_;
            const double x1 = i + 1 < int(at.size()) ? at[size_t(i) + 1] * width_ : width_;
            p_.drawText(QRectF(x0, y_, x1 - x0 - lh_ * 0.3, lh_),
                        (i < leftCells ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                        cells[i]);
        }
        p_.setFont(base_);
        y_ += lh_;
    }
    void rule() {
        p_.setPen(QPen(Qt::gray, 0));
        p_.drawLine(QPointF(0, y_ + lh_ * 0.2), QPointF(width_, y_ + lh_ * 0.2));
        y_ += lh_ * 0.4;
    }
    void gap(double lines = 0.5) { y_ += lh_ * lines; }
    QRectF block(double height) {
        need(height);
        const QRectF r(0, y_, width_, height);
        y_ += height;
        return r;
    }

private:
    QPainter& p_;
    QPagedPaintDevice& d_;
    QFont base_;
    double lh_ = 0, width_ = 0, y_ = 0;
    int pages_ = 1;
};

}  // namespace

ExposureReport MakeExposureReport(const QStringList& heading, const TextTable& rows,
                                  const HeaderTexts& header, WbgtIndex index) {
    ExposureReport r;
    r.header = header;
    r.period = MeasuredPeriodOf(rows);
    r.channels = ChannelStats(heading, rows);
    r.fahrenheit = HeadingIsFahrenheit(heading);
    r.index = index;
    r.series = ReadWbgtSeries(heading, rows, index);
    r.runs = SplitRuns(r.series);
    r.hour = WorstHour(r.series, r.runs);
    return r;
}

void EvaluateReport(ExposureReport& r, std::vector<WorkPeriod> periods, double clothing,
                    const QString& clothingName, QString* why) {
    r.periods = std::move(periods);
    r.clothingName = clothingName;
    r.evaluation.reset();
    if (!r.hour.valid()) {
        if (why)
            *why = QCoreApplication::translate("Exposure", "sem leituras de %1")
                       .arg(WbgtIndexName(r.index));
        return;
    }
    const auto m = MeanMetabolicRate(r.periods, why);
    if (!m) return;
    r.evaluation = Evaluate(r.hour.meanC, *m, clothing);
}

QString TemperatureText(double c, bool both, bool difference) {
    QString t = QString::number(c, 'f', 1) + QStringLiteral(" °C");
    if (both)
        t += QStringLiteral(" (%1 °F)")
                 .arg(QString::number(difference ? c * 9 / 5 : c * 9 / 5 + 32, 'f', 1));
    return t;
}

namespace {

// TemperatureText with the report's decimal separator.
QString Temperature(double c, bool both, bool difference = false) {
    QString t = TemperatureText(c, both, difference);
    if (ReportDecimal() != u'.') t.replace(u'.', ReportDecimal());
    return t;
}

}  // namespace

int DrawExposureReport(QPainter& p, QPagedPaintDevice& device, const ExposureReport& r) {
    PageWriter w(p, device);
    const bool both = r.fahrenheit;
    w.text(ReportTitle(), 16, true);
    w.gap(0.3);
    w.text(QCoreApplication::translate("ExposureReport", "Nome: %1").arg(r.header.name));
    w.text(QCoreApplication::translate("ExposureReport", "Setor: %1").arg(r.header.sector));
    w.text(QCoreApplication::translate("ExposureReport", "Empresa: %1").arg(r.header.company));
    w.text(QCoreApplication::translate("ExposureReport", "Período medido: %1 a %2 (%3 registros)")
               .arg(Stamp(r.period.from), Stamp(r.period.to))
               .arg(r.period.rows));
    if (r.fahrenheit)
        w.text(QCoreApplication::translate(
            "ExposureReport",
            "Tabela em °F; avaliação feita em °C, valores mostrados nas duas "
            "unidades."));
    w.gap();
    w.text(QCoreApplication::translate("ExposureReport", "Leituras da tabela (%1)")
               .arg(QString::fromUtf8(r.fahrenheit ? "°F, ft/min" : "°C, m/s")),
           11, true);
    const std::vector<double> cols = {0, 0.35, 0.55, 0.75};
    w.row({QCoreApplication::translate("ExposureReport", "Canal"),
           QCoreApplication::translate("ExposureReport", "Mínimo"),
           QCoreApplication::translate("ExposureReport", "Média"),
           QCoreApplication::translate("ExposureReport", "Máximo")},
          cols, true);
    w.rule();
    for (const auto& c : r.channels) {
        if (c.count == 0)
            w.row(
                {c.name, QStringLiteral("- - -"), QStringLiteral("- - -"), QStringLiteral("- - -")},
                cols);
        else
            w.row({ChannelName(c.name), One(c.min), One(c.mean), One(c.max)}, cols);
    }
    w.gap();
    {
        const QRectF area = w.block(w.width() * 0.45);
        std::optional<PlotLevels> levels;
        if (r.evaluation) levels = PlotLevels{r.evaluation->limit, r.evaluation->actionLevel};
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8);
        p.save();
        p.setFont(f);
        DrawExposurePlot(p, area, r.series, r.runs, r.hour, levels, WbgtIndexName(r.index));
        p.restore();
    }
    w.gap();
    w.text(QCoreApplication::translate("ExposureReport", "Avaliação"), 11, true);
    w.text(QCoreApplication::translate("ExposureReport", "Índice: %1").arg(WbgtIndexName(r.index)));
    if (!r.hour.valid()) {
        w.text(QCoreApplication::translate("ExposureReport", "Sem leituras de %1: nada a avaliar.")
                   .arg(WbgtIndexName(r.index)));
        return w.pages();
    }
    w.text((r.hour.partial
                ? QCoreApplication::translate(
                      "ExposureReport", "Hora avaliada: %1 a %2 (menos de 60 minutos de dados)")
                : QCoreApplication::translate("ExposureReport", "Hora avaliada: %1 a %2"))
               .arg(ReportStamp(r.hour.start), ReportStamp(r.hour.end)));
    w.text(QCoreApplication::translate("ExposureReport", "IBUTG médio da hora: %1")
               .arg(Temperature(r.hour.meanC, both)));
    w.gap(0.3);
    const std::vector<double> pcols = {0, 0.15, 0.8};
    w.row({QCoreApplication::translate("ExposureReport", "Minutos"),
           QCoreApplication::translate("ExposureReport", "Atividade"),
           QCoreApplication::translate("ExposureReport", "Taxa (W)")},
          pcols, true, 2);
    w.rule();
    for (const auto& per : r.periods) {
        w.row({ReportNumber(per.minutes, per.minutes == std::floor(per.minutes) ? 0 : 1), per.text,
               ReportNumber(per.watts, per.watts == std::floor(per.watts) ? 0 : 1)},
              pcols, false, 2);
    }
    w.gap(0.3);
    if (!r.evaluation) {
        w.text(QCoreApplication::translate("ExposureReport",
                                           "Períodos de trabalho incompletos: sem resultado."));
        return w.pages();
    }
    const Evaluation& e = *r.evaluation;
    w.text(QCoreApplication::translate("ExposureReport", "Taxa metabólica média (M̅): %1 W")
               .arg(One(e.m)));
    const QString clothing = Temperature(e.clothing, both, true);
    w.text(r.clothingName.isEmpty()
               ? QCoreApplication::translate("ExposureReport", "Ajuste da vestimenta: %1")
                     .arg(clothing)
               : QCoreApplication::translate("ExposureReport", "Ajuste da vestimenta (%1): %2")
                     .arg(r.clothingName, clothing));
    w.text(QCoreApplication::translate("ExposureReport", "Exposição (média + ajuste): %1")
               .arg(Temperature(e.exposure, both)));
    w.text(QCoreApplication::translate("ExposureReport", "Nível de ação (59,9 − 14,1·log M̅): %1")
               .arg(Temperature(e.actionLevel, both)));
    w.text(
        QCoreApplication::translate("ExposureReport", "Limite de exposição (56,7 − 11,5·log M̅): %1")
            .arg(Temperature(e.limit, both)));
    w.text(QCoreApplication::translate("ExposureReport", "Margem (limite − exposição): %1")
               .arg(Temperature(e.margin, both, true)));
    w.gap(0.3);
    w.text(
        QCoreApplication::translate("ExposureReport", "Resultado: %1").arg(VerdictText(e.verdict)),
        12, true, VerdictColor(e.verdict));
    return w.pages();
}

bool WriteExposurePdf(const QString& path, const ExposureReport& r, QString* why) {
    QSaveFile target(path);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly)) {
        if (why) *why = target.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&target);
        pdf.setTitle(ReportTitle());
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&pdf);
        DrawExposureReport(painter, pdf, r);
        painter.end();
    }
    if (!target.commit()) {
        if (why) *why = target.errorString();
        return false;
    }
    return true;
}

}  // namespace montira::exposure

#include "core/workload/HeatStrainReport.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/workload/ReportFormat.h"
#include "core/workload/ReportPages.h"
#include "core/workload/ReportPdf.h"

namespace montira::heatstrain {

namespace {

const QColor kRectal(200, 30, 30), kWater(20, 70, 160), kGrid(210, 210, 210);

QString Tr(const char* text) {
    return QCoreApplication::translate("HeatStrainReport", text);
}

QString ReportTitle() {
    return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Tensão térmica prevista (ISO 7933)"));
}

// Numbers as the evaluation report writes them: a decimal comma in Portuguese.
QString Num(double v, int decimals) {
    return exposure::ReportNumber(v, decimals);
}

// A round step for about `want` grid lines over `span`.
double NiceStep(double span, int want) {
    const double raw = span / std::max(1, want);
    const double mag = std::pow(10, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= f * mag) return f * mag;
    return 10 * mag;
}

// A label and its value, the value starting at `split` of the width.
void Pair(PageWriter& w, const QString& label, const QString& value, bool bold = false,
          double split = 0.55) {
    w.row({label, value}, {0, split}, bold, 2);
}

int Draw(QPainter& p, QPagedPaintDevice& device, const HeatStrainReport& r, int total) {
    PageWriter w(p, device, ReportTitle(), total);
    const PhsInput& in = r.input;
    const PhsResult& res = r.result;
    const int duration = in.duration;
    w.text(ReportTitle(), 16, true);
    w.gap(0.3);
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Nome: %1")).arg(r.header.name));
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Setor: %1")).arg(r.header.sector));
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Empresa: %1")).arg(r.header.company));
    w.gap();
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Clima")), 11, true);
    if (!r.climateSource.isEmpty()) w.text(r.climateSource);
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Temperatura do ar")),
         Num(in.ta, 1) + QStringLiteral(" °C"));
    if (r.globe)
        Pair(w,
             Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Temperatura de globo (globo de %1 m, ε %2)"))
                 .arg(Num(r.globeDiameter, 3), Num(r.globeEmissivity, 2)),
             Num(*r.globe, 1) + QStringLiteral(" °C"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Temperatura radiante média")),
         Num(in.tr, 1) + QStringLiteral(" °C"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Velocidade do ar")),
         Num(in.va, 2) + QStringLiteral(" m/s"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Umidade relativa")),
         Num(r.rh, 1) + QStringLiteral(" %"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Pressão parcial de vapor")),
         Num(in.pa, 2) + QStringLiteral(" kPa"));
    if (r.humidityFromMeter)
        w.text(Tr(QT_TRANSLATE_NOOP(
                   "HeatStrainReport",
                   "A umidade é a que o medidor deriva do bulbo úmido natural pela sua "
                   "fórmula psicrométrica; em ar parado ou com calor radiante ela pode ler "
                   "alta.")),
               10, false, QColor(90, 90, 90));
    w.gap();
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Trabalho e trabalhador")), 11, true);
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Taxa metabólica")),
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 W/m² (%2 met)"))
             .arg(Num(in.met, 0), Num(in.met / kWattsPerMet, 2)));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Trabalho externo")),
         Num(in.work, 0) + QStringLiteral(" W/m²"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Isolamento da vestimenta")),
         Num(in.clo, 2) + QStringLiteral(" clo"));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Postura")), PostureName(in.posture));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Aclimatado")),
         in.acclimatised ? Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "sim"))
                         : Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "não")));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Bebe água à vontade")),
         in.drinkFreely ? Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "sim"))
                        : Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "não")));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Massa e altura")),
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 kg, %2 m"))
             .arg(Num(in.weight, 1), Num(in.height, 2)));
    if (in.walkSpeed)
        Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Marcha")),
             in.walkDirection
                 ? Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 m/s a %2° do vento"))
                       .arg(Num(*in.walkSpeed, 2), Num(*in.walkDirection, 0))
                 : Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 m/s, em todas as direções"))
                       .arg(Num(*in.walkSpeed, 2)));
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Duração")),
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 min")).arg(duration));
    w.gap();
    {
        const QRectF area = w.block(w.width() * 0.45);
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(8);
        p.save();
        p.setFont(f);
        DrawHeatStrainPlot(p, area, in, res);
        p.restore();
    }
    w.gap();
    w.text(Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Resultado")), 11, true);
    const double split = 0.7;
    Pair(w,
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport",
                              "Exposição máxima pela perda de água, trabalhador médio (%1 g)"))
             .arg(Num(WaterLimit50(in), 0)),
         MinutesText(res.dlimLoss50, duration), true, split);
    Pair(w,
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport",
                              "Exposição máxima pela perda de água, 95 % dos trabalhadores (%1 g)"))
             .arg(Num(WaterLimit95(in), 0)),
         MinutesText(res.dlimLoss95, duration), true, split);
    Pair(w,
         Tr(QT_TRANSLATE_NOOP("HeatStrainReport",
                              "Exposição máxima pela temperatura retal (38 °C)")),
         MinutesText(res.dlimTre, duration), true, split);
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Temperatura retal ao fim")),
         Num(res.rectalTemperature, 2) + QStringLiteral(" °C"), false, split);
    Pair(w, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Perda de água ao fim")),
         Num(res.waterLoss, 0) + QStringLiteral(" g"), false, split);
    w.gap(0.3);
    if (!res.inRange)
        w.text(Tr(QT_TRANSLATE_NOOP(
                   "HeatStrainReport",
                   "Caso fora do campo de validade do modelo (ar 15 a 50 °C, radiante menos "
                   "ar 0 a 60 °C, ar 0 a 3 m/s, 100 a 450 W/m², 0,1 a 1,0 clo, vapor 0 a "
                   "4,5 kPa): os resultados são só indicativos.")),
               10, false, QColor(200, 0, 0));
    return w.pages();
}

}  // namespace

QString PostureName(Posture p) {
    switch (p) {
        case Posture::Sitting:
            return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "sentado"));
        case Posture::Standing:
            return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "em pé"));
        case Posture::Crouching:
            return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "agachado"));
    }
    return {};
}

QString MinutesText(int minutes, int duration) {
    if (minutes >= duration)
        return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 min (a duração toda)")).arg(minutes);
    return Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "%1 min")).arg(minutes);
}

void DrawHeatStrainPlot(QPainter& p, const QRectF& area, const PhsInput& in, const PhsResult& r) {
    p.save();
    const QFontMetricsF fm(p.font(), p.device());
    const double lh = fm.height();
    const double side = fm.horizontalAdvance(QStringLiteral("00000 "));
    const QRectF plot = area.adjusted(side, lh * 1.6, -side, -lh * 2.6);
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(plot);
    if (r.minutes.size() < 2) {
        p.restore();
        return;
    }
    const int duration = int(r.minutes.size()) - 1;
    // Scales: rectal temperature from 36.5 °C to above 38 °C; water loss from 0 to above the
    // mean worker's limit.
    double t1 = 38.5, w1 = WaterLimit50(in) * 1.1;
    for (const PhsMinute& m : r.minutes) {
        t1 = std::max(t1, m.rectal);
        w1 = std::max(w1, m.waterLoss);
    }
    const double tStep = NiceStep(t1 - 36.5, 6);
    const double t0 = std::floor(36.5 / tStep) * tStep;
    t1 = std::ceil(t1 / tStep) * tStep;
    const double tLines = std::round((t1 - t0) / tStep);
    const double wStep = NiceStep(w1, int(tLines));
    w1 = wStep * tLines;  // the same grid lines for both scales
    const double xStep = NiceStep(duration, 8);
    auto X = [&](double minute) { return plot.left() + plot.width() * minute / duration; };
    auto YT = [&](double c) { return plot.bottom() - plot.height() * (c - t0) / (t1 - t0); };
    auto YW = [&](double g) { return plot.bottom() - plot.height() * g / w1; };

    for (int i = 0; i <= int(tLines); ++i) {
        const double t = t0 + i * tStep, y = YT(t);
        p.setPen(QPen(kGrid, 0));
        if (i > 0 && i < int(tLines)) p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kRectal);
        p.drawText(QRectF(area.left(), y - lh / 2, side - lh * 0.2, lh),
                   Qt::AlignRight | Qt::AlignVCenter, Num(t, tStep < 1 ? 1 : 0));
        p.setPen(kWater);
        p.drawText(QRectF(plot.right() + lh * 0.2, y - lh / 2, side, lh),
                   Qt::AlignLeft | Qt::AlignVCenter, Num(i * wStep, 0));
    }
    p.setPen(Qt::black);
    for (double m = 0; m <= duration + 1e-9; m += xStep) {
        p.setPen(QPen(kGrid, 0));
        if (m > 0 && m < duration)
            p.drawLine(QPointF(X(m), plot.top()), QPointF(X(m), plot.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(X(m) - side, plot.bottom() + lh * 0.1, side * 2, lh), Qt::AlignCenter,
                   Num(m, 0));
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + lh * 1.1, plot.width(), lh), Qt::AlignCenter,
               Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "minutos")));

    p.setClipRect(plot);
    const double width = std::max(1.0, lh / 10);
    p.setPen(QPen(kRectal, width, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), YT(38)), QPointF(plot.right(), YT(38)));
    p.setPen(QPen(kWater, width, Qt::DashLine));
    for (double limit : {WaterLimit50(in), WaterLimit95(in)})
        p.drawLine(QPointF(plot.left(), YW(limit)), QPointF(plot.right(), YW(limit)));
    QPolygonF rectal, water;
    for (int m = 0; m <= duration; ++m) {
        rectal << QPointF(X(m), YT(r.minutes[size_t(m)].rectal));
        water << QPointF(X(m), YW(r.minutes[size_t(m)].waterLoss));
    }
    p.setPen(QPen(kRectal, width * 1.5));
    p.drawPolyline(rectal);
    p.setPen(QPen(kWater, width * 1.5));
    p.drawPolyline(water);
    p.setClipping(false);

    double x = plot.left();
    auto legend = [&](const QColor& c, Qt::PenStyle style, const QString& text) {
        const double y = area.top() + lh * 0.6;
        p.setPen(QPen(c, width * 1.5, style));
        p.drawLine(QPointF(x, y), QPointF(x + lh * 1.5, y));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + lh * 1.8, y + fm.ascent() / 2 - fm.descent() / 2), text);
        x += lh * 2.6 + fm.horizontalAdvance(text);
    };
    legend(kRectal, Qt::SolidLine,
           Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Temperatura retal (°C)")));
    legend(kWater, Qt::SolidLine, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Perda de água (g)")));
    legend(Qt::gray, Qt::DashLine, Tr(QT_TRANSLATE_NOOP("HeatStrainReport", "Limites")));
    p.restore();
}

int DrawHeatStrainReport(QPainter& p, QPagedPaintDevice& device, const HeatStrainReport& r) {
    return DrawCountingPages(p, device, [&](QPainter& painter, QPagedPaintDevice& d, int total) {
        return Draw(painter, d, r, total);
    });
}

bool WriteHeatStrainPdf(const QString& path, const HeatStrainReport& r, QString* why) {
    return WriteReportPdf(
        path, ReportTitle(),
        [&](QPainter& painter, QPagedPaintDevice& device) {
            DrawHeatStrainReport(painter, device, r);
        },
        why);
}

}  // namespace montira::heatstrain

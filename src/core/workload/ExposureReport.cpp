#include "core/workload/ExposureReport.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <cmath>

#include "core/workload/ExposurePlot.h"
#include "core/workload/ReportFormat.h"
#include "core/workload/ReportPages.h"
#include "core/workload/ReportPdf.h"

namespace montira::exposure {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("ExposureReport", text);
}

QColor VerdictColor(const std::optional<Verdict>& v) {
    if (!v) return Qt::black;
    switch (*v) {
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

QString Celsius(double v) {
    return ReportNumber(v, 1) + QStringLiteral(" °C");
}

// A whole number as it is, else one decimal.
QString Amount(double v) {
    return ReportNumber(v, v == std::floor(v) ? 0 : 1);
}

// "DD/MM/YYYY" as typed, in the report's date form.
QString TypedDate(const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? d.toString(ReportDateForm()) : text;
}

QString OrDash(const QString& t) {
    return t.trimmed().isEmpty() ? QStringLiteral("—") : t;
}

QString HeightLabel(size_t k, size_t count) {
    if (count != 3) return QCoreApplication::translate("ExposureReport", "abdômen");
    static const char* const names[] = {QT_TRANSLATE_NOOP("ExposureReport", "cabeça"),
                                        QT_TRANSLATE_NOOP("ExposureReport", "abdômen"),
                                        QT_TRANSLATE_NOOP("ExposureReport", "tornozelo")};
    return Translated(names[k]);
}

int Draw(QPainter& p, QPagedPaintDevice& device, const ExposureReport& r, int total) {
    PageWriter w(p, device, ReportTitle(), total);
    const Survey& s = r.survey;
    w.text(ReportTitle(), 16, true);
    w.text(QCoreApplication::translate(
               "ExposureReport",
               "Laudo de avaliação de calor (IBUTG) — NR-15 Anexo 3, NR-9 Anexo 3, NHO 06"),
           9);

    w.heading(QCoreApplication::translate("ExposureReport", "Identificação"));
    w.text(s.cnpj.trimmed().isEmpty()
               ? QCoreApplication::translate("ExposureReport", "Empresa: %1").arg(OrDash(s.company))
               : QCoreApplication::translate("ExposureReport", "Empresa: %1 (CNPJ %2)")
                     .arg(OrDash(s.company), s.cnpj));
    w.text(QCoreApplication::translate("ExposureReport", "Setor: %1").arg(OrDash(s.sector)));
    w.text(QCoreApplication::translate("ExposureReport", "Trabalhador ou função: %1")
               .arg(OrDash(s.worker)));
    w.text(QCoreApplication::translate("ExposureReport", "Local: %1").arg(OrDash(s.place)));
    w.text(
        QCoreApplication::translate("ExposureReport", "Avaliador: %1 — registro profissional: %2")
            .arg(OrDash(s.evaluator), OrDash(s.registration)));
    w.text(QCoreApplication::translate(
               "ExposureReport",
               "Instrumento: %1, n.º de série %2; certificado de calibração %3 de %4")
               .arg(OrDash(s.instrument.model), OrDash(s.instrument.serial),
                    OrDash(s.instrument.certificate), OrDash(TypedDate(s.instrument.calibrated))));

    w.heading(QCoreApplication::translate("ExposureReport", "Método"));
    w.text(QCoreApplication::translate(
        "ExposureReport",
        "Exposição ao calor avaliada pelo IBUTG médio ponderado no tempo e pela taxa "
        "metabólica média dos 60 minutos corridos de maior exposição, conforme a NHO 06 "
        "da Fundacentro (2.ª edição, 2017); limite de exposição pelo Quadro 1 do Anexo 3 "
        "da NR-15 e nível de ação e ajustes de vestimenta pelo Anexo 3 da NR-9."));
    w.text(QCoreApplication::translate(
               "ExposureReport",
               "Índice: %1. IBUTGi = 0,7·tbn + 0,3·tg; IBUTGo = 0,7·tbn + 0,1·tbs + 0,2·tg; "
               "em três alturas, IBUTG = (IBUTG cabeça + 2·IBUTG abdômen + IBUTG tornozelo) / 4.")
               .arg(WbgtIndexName(s.index)));
    w.text(QCoreApplication::translate(
        "ExposureReport",
        "IBUTG̅ = Σ IBUTGᵢ·tᵢ / 60; M̅ = Σ Mᵢ·tᵢ / 60; E = IBUTG̅ + ajuste da vestimenta, "
        "arredondado a uma casa; limite e nível de ação lidos nas tabelas na linha do maior "
        "M tabelado não acima de M̅ (fórmulas: 56,7 − 11,5·log M̅ e 59,9 − 14,1·log M̅)."));

    w.heading(QCoreApplication::translate("ExposureReport", "Situações térmicas"));
    const std::vector<double> scols = {0, 0.55, 0.75};
    w.row({QCoreApplication::translate("ExposureReport", "Situação"),
           QCoreApplication::translate("ExposureReport", "Minutos"),
           QCoreApplication::translate("ExposureReport", "IBUTG (°C)")},
          scols, true);
    for (size_t i = 0; i < s.situations.size(); ++i) {
        const Situation& sit = s.situations[i];
        const QString wbgt =
            r.result ? One(r.result->situations[i].wbgtC) : QStringLiteral("- - -");
        w.row({OrDash(sit.description), Amount(sit.minutes), wbgt}, scols);
    }
    for (size_t i = 0; r.result && i < s.situations.size(); ++i) {
        const Situation& sit = s.situations[i];
        const SituationResult& sr = r.result->situations[i];
        w.gap(0.3);
        w.text(QCoreApplication::translate("ExposureReport", "%1 — %2 min, IBUTG %3")
                   .arg(OrDash(sit.description), Amount(sit.minutes), Celsius(sr.wbgtC)),
               10, true);
        if (sit.wbgt)
            w.text(QCoreApplication::translate("ExposureReport", "IBUTG digitado."), 10, false,
                   Qt::black, w.lineHeight());
        for (size_t k = 0; k < sr.heights.size(); ++k) {
            const HeightResult& h = sr.heights[k];
            const QString label = HeightLabel(k, sr.heights.size());
            if (h.typed) {
                w.text(QCoreApplication::translate("ExposureReport", "%1: IBUTG digitado, %2")
                           .arg(label, Celsius(h.wbgtC)),
                       10, false, Qt::black, w.lineHeight());
                continue;
            }
            const QString file =
                h.path.isEmpty() ? QCoreApplication::translate("ExposureReport", "tabela aberta")
                                 : QFileInfo(h.path).fileName();
            w.text(QCoreApplication::translate("ExposureReport",
                                               "%1: %2, de %3 a %4 (%5 min de leituras): %6")
                       .arg(label, file, ReportStamp(h.hour.start), ReportStamp(h.hour.end),
                            Amount(std::round(h.coveredMinutes * 10) / 10), Celsius(h.wbgtC)),
                   10, false, Qt::black, w.lineHeight());
        }
        if (sr.partial)
            w.text(QCoreApplication::translate("ExposureReport", "menos de 60 minutos de dados"),
                   10, false, QColor(200, 120, 0), w.lineHeight());
        // A plot of the abdomen's (or the only) readings.
        const HeightResult* plotted = nullptr;
        for (const HeightResult& h : sr.heights)
            if (!h.typed && (!plotted || &h == &sr.heights[sr.heights.size() == 3 ? 1 : 0]))
                plotted = &h;
        if (plotted) {
            const QRectF area = w.block(w.width() * 0.32);
            std::optional<PlotLevels> levels;
            const Evaluation& e = r.result->evaluation;
            if (e.limit && e.actionLevel) levels = PlotLevels{*e.limit, *e.actionLevel};
            QFont f(QStringLiteral("Arial"));
            f.setPointSizeF(7.5);
            p.save();
            p.setFont(f);
            DrawExposurePlot(p, area, plotted->series, plotted->runs, plotted->hour, levels,
                             WbgtIndexName(s.index));
            p.restore();
        }
    }

    w.heading(QCoreApplication::translate("ExposureReport", "Atividades"));
    const std::vector<double> acols = {0, 0.12, 0.85};
    w.row({QCoreApplication::translate("ExposureReport", "Minutos"),
           QCoreApplication::translate("ExposureReport", "Atividade"),
           QCoreApplication::translate("ExposureReport", "M (W)")},
          acols, true, 2);
    for (const Activity& a : s.activities)
        w.row({Amount(a.minutes), OrDash(a.description), Amount(a.watts)}, acols, false, 2);

    w.heading(QCoreApplication::translate("ExposureReport", "Vestimenta"));
    QString clothing = QCoreApplication::translate("ExposureReport", "ajuste digitado");
    for (const ClothingRow& c : ClothingTable())
        if (c.key == s.clothingKey) clothing = c.shown();
    w.text(QCoreApplication::translate("ExposureReport", "%1: %2; capuz: %3")
               .arg(clothing, Celsius(s.clothing),
                    s.hood ? QCoreApplication::translate("ExposureReport", "sim (+%1)")
                                 .arg(Celsius(HoodAdjustment()))
                           : QCoreApplication::translate("ExposureReport", "não")));

    w.heading(QCoreApplication::translate("ExposureReport", "Resultado"));
    if (!r.result) {
        w.text(QCoreApplication::translate("ExposureReport", "Sem resultado: %1").arg(r.why), 11,
               true, QColor(200, 0, 0));
    } else {
        const SurveyResult& res = *r.result;
        const Evaluation& e = res.evaluation;
        const std::vector<double> rcols = {0, 0.5, 0.72};
        w.row({QString(), QCoreApplication::translate("ExposureReport", "Valor (tabela)"),
               QCoreApplication::translate("ExposureReport", "Fórmula")},
              rcols, true);
        w.row({QCoreApplication::translate("ExposureReport", "IBUTG̅"), Celsius(res.meanWbgt)},
              rcols);
        w.row({QCoreApplication::translate("ExposureReport", "M̅"),
               Amount(std::round(res.m * 10) / 10) + QStringLiteral(" W")},
              rcols);
        w.row({QCoreApplication::translate("ExposureReport", "Ajuste da vestimenta (com capuz)"),
               Celsius(res.clothing)},
              rcols);
        w.row({QCoreApplication::translate("ExposureReport", "E = IBUTG̅ + ajuste, arredondado"),
               Celsius(e.exposure)},
              rcols, true);
        const QString none = OutOfTableText();
        w.row({QCoreApplication::translate("ExposureReport", "Limite de exposição (NR-15)"),
               e.limit ? Celsius(*e.limit) : none,
               ReportNumber(e.limitFormula, 2) + QStringLiteral(" °C")},
              rcols);
        w.row({QCoreApplication::translate("ExposureReport", "Nível de ação (NR-9)"),
               e.actionLevel ? Celsius(*e.actionLevel) : none,
               ReportNumber(e.actionLevelFormula, 2) + QStringLiteral(" °C")},
              rcols);
        if (e.margin)
            w.row({QCoreApplication::translate("ExposureReport", "Margem (limite − E)"),
                   Celsius(*e.margin)},
                  rcols);
        w.gap(0.3);
        w.text(QCoreApplication::translate("ExposureReport", "Resultado: %1").arg(VerdictLine(res)),
               12, true, VerdictColor(e.verdict));
        if (res.partial) w.text(res.partialWhy, 10, false, QColor(200, 120, 0));
        if (const QString note = VerdictNote(s, res); !note.isEmpty()) w.text(note, 10, true);
        w.heading(QCoreApplication::translate("ExposureReport", "Medidas e aclimatização"));
        for (const QString& m : Measures(s, res)) w.text(QStringLiteral("• ") + m);
    }
    if (!s.notes.trimmed().isEmpty()) {
        w.heading(QCoreApplication::translate("ExposureReport", "Observações"));
        w.text(s.notes);
    }
    w.need(w.lineHeight() * 6);
    w.gap(3);
    w.text(QStringLiteral("_______________________________________________"));
    w.text(OrDash(s.evaluator));
    w.text(QCoreApplication::translate("ExposureReport", "Registro profissional: %1")
               .arg(OrDash(s.registration)));
    return w.pages();
}

}  // namespace

ExposureReport MakeExposureReport(Survey survey) {
    ExposureReport r;
    r.survey = std::move(survey);
    r.result = EvaluateSurvey(r.survey, &r.why);
    return r;
}

QString TemperatureText(double c, bool both, bool difference) {
    QString t = QString::number(c, 'f', 1) + QStringLiteral(" °C");
    if (both)
        t += QStringLiteral(" (%1 °F)")
                 .arg(QString::number(difference ? c * 9 / 5 : c * 9 / 5 + 32, 'f', 1));
    return t;
}

int DrawExposureReport(QPainter& p, QPagedPaintDevice& device, const ExposureReport& r, int pages) {
    return DrawCountingPages(
        p, device,
        [&](QPainter& painter, QPagedPaintDevice& d, int total) {
            return Draw(painter, d, r, total);
        },
        pages);
}

bool WriteExposurePdf(const QString& path, const ExposureReport& r, QString* why) {
    return WriteReportPdf(
        path, ReportTitle(),
        [&](QPainter& painter, QPagedPaintDevice& device) {
            DrawExposureReport(painter, device, r);
        },
        why);
}

}  // namespace montira::exposure

#include "core/workload/Survey.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <limits>

#include "core/record/DataFile.h"
#include "core/record/DataFileOpen.h"
#include "core/tables/DataFileCheck.h"

namespace montira::exposure {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("Survey", text);
}

// "situação 2 (Forno)", "altura 1 da situação 2": how an item at fault is named.
QString SituationName(const Survey& s, size_t i) {
    const QString d = s.situations[i].description.trimmed();
    return d.isEmpty()
               ? QCoreApplication::translate("Survey", "situação %1").arg(i + 1)
               : QCoreApplication::translate("Survey", "situação %1 (%2)").arg(i + 1).arg(d);
}

QString HeightName(const Situation& s, size_t k) {
    if (s.heights.size() != 3) return QCoreApplication::translate("Survey", "abdômen");
    static const char* const names[] = {QT_TRANSLATE_NOOP("Survey", "cabeça"),
                                        QT_TRANSLATE_NOOP("Survey", "abdômen"),
                                        QT_TRANSLATE_NOOP("Survey", "tornozelo")};
    return Translated(names[k]);
}

bool Fail(QString* why, const QString& text) {
    if (why) *why = text;
    return false;
}

// The typed WBGTs a survey accepts, °C.
bool PlausibleWbgt(double v) {
    return std::isfinite(v) && v > -50 && v < 100;
}

// The mean of the step function over [from, to): only what lies inside runs counts.
ExposureHour SpanMean(const WbgtSeries& s, const SeriesRuns& r, qint64 from, qint64 to) {
    ExposureHour h;
    double integral = 0;
    qint64 covered = 0;
    for (const auto& run : r.runs) {
        for (int k = run.first; k <= run.second; ++k) {
            const qint64 t0 = s.ticks[size_t(k)];
            const qint64 t1 = k < run.second ? s.ticks[size_t(k) + 1] : t0 + r.typical;
            const qint64 a = std::max(t0, from), b = std::min(t1, to);
            if (b <= a) continue;
            if (h.first < 0) h.first = k;
            integral += double(s.milli[size_t(k)]) * double(b - a);
            covered += b - a;
        }
    }
    if (covered == 0) return {};
    h.start = from;
    h.end = to;
    h.meanUnit = integral / double(covered) / kValueScale;
    h.meanC = s.fahrenheit ? FahrenheitToCelsius(h.meanUnit) : h.meanUnit;
    h.partial = covered < kHourTicks;
    return h;
}

// How many minutes of readings an interval holds.
double CoveredMinutes(const WbgtSeries& s, const SeriesRuns& r, qint64 from, qint64 to) {
    qint64 covered = 0;
    for (const auto& run : r.runs)
        for (int k = run.first; k <= run.second; ++k) {
            const qint64 t0 = s.ticks[size_t(k)];
            const qint64 t1 = k < run.second ? s.ticks[size_t(k) + 1] : t0 + r.typical;
            covered += std::max<qint64>(0, std::min(t1, to) - std::max(t0, from));
        }
    return double(covered) / (60 * kTicksPerSecond);
}

}  // namespace

bool LoadSurveyFiles(Survey& survey, QString* why) {
    for (size_t i = 0; i < survey.situations.size(); ++i) {
        Situation& sit = survey.situations[i];
        for (size_t k = 0; k < sit.heights.size(); ++k) {
            Height& h = sit.heights[k];
            if (h.loaded || h.wbgt || h.file.isEmpty()) continue;
            const QString path = QDir(survey.folder).filePath(h.file);
            auto place = [&] {
                return QCoreApplication::translate("Survey", "%1, %2: %3")
                    .arg(SituationName(survey, i), HeightName(sit, k), h.file);
            };
            QString reason;
            const std::optional<QByteArray> bytes = ReadDataFileBytes(path, &reason);
            if (!bytes) return Fail(why, place() + QStringLiteral(": ") + reason);
            // A binary file has no data file heading: the heading check below refuses it.
            DataFileContents c = ReadDataFile(*bytes);
            if (!IsDataFileHeading(c.heading))
                return Fail(why,
                            place() + QStringLiteral(": ") +
                                QCoreApplication::translate("Survey", "não é um arquivo de dados"));
            auto src = std::make_shared<SeriesSource>();
            src->file = path;
            src->heading = c.heading;
            src->rows = std::move(c.rows);
            h.loaded = std::move(src);
        }
    }
    return true;
}

bool EvaluateHeight(const Height& h, WbgtIndex index, HeightResult& out, QString* why) {
    out = HeightResult();
    if (h.wbgt) {
        if (!PlausibleWbgt(*h.wbgt))
            return Fail(why,
                        QCoreApplication::translate("Survey", "IBUTG inválido: %1").arg(*h.wbgt));
        out.wbgtC = *h.wbgt;
        out.typed = true;
        return true;
    }
    if (!h.loaded) return Fail(why, QCoreApplication::translate("Survey", "sem arquivo nem IBUTG"));
    out.source = h.loaded.get();
    out.path = h.loaded->file.isEmpty() ? h.file : h.loaded->file;
    out.series = ReadWbgtSeries(h.loaded->heading, h.loaded->rows, index);
    out.runs = SplitRuns(out.series);
    if (!h.from.isEmpty() || !h.to.isEmpty()) {
        qint64 from = 0, to = 0;
        if (!h.from.isEmpty() && !ParseStampText(h.from, from))
            return Fail(why, QCoreApplication::translate(
                                 "Survey", "\"from\" inválido: %1 (AA/MM/DD hh:mm:ss)")
                                 .arg(h.from));
        if (!h.to.isEmpty() && !ParseStampText(h.to, to))
            return Fail(why, QCoreApplication::translate("Survey",
                                                         "\"to\" inválido: %1 (AA/MM/DD hh:mm:ss)")
                                 .arg(h.to));
        if (h.from.isEmpty()) from = std::numeric_limits<qint64>::min() / 4;
        if (h.to.isEmpty()) to = std::numeric_limits<qint64>::max() / 4;
        if (to <= from)
            return Fail(why, QCoreApplication::translate("Survey", "intervalo vazio: %1 a %2")
                                 .arg(h.from, h.to));
        out.hour = SpanMean(out.series, out.runs, from, to);
        if (!out.hour.valid())
            return Fail(why,
                        QCoreApplication::translate("Survey", "nenhuma leitura de %1 no intervalo")
                            .arg(WbgtIndexName(index)));
        // An open end is the readings' own.
        if (h.from.isEmpty()) out.hour.start = out.series.ticks[size_t(out.hour.first)];
        if (h.to.isEmpty()) {
            qint64 last = out.hour.start;
            for (const auto& run : out.runs.runs)
                last = std::max(last, out.series.ticks[size_t(run.second)] + out.runs.typical);
            out.hour.end = last;
        }
    } else {
        out.hour = WorstHour(out.series, out.runs);
        if (!out.hour.valid())
            return Fail(why, QCoreApplication::translate("Survey", "nenhuma leitura de %1")
                                 .arg(WbgtIndexName(index)));
    }
    out.wbgtC = out.hour.meanC;
    out.coveredMinutes = CoveredMinutes(out.series, out.runs, out.hour.start, out.hour.end);
    return true;
}

std::optional<SurveyResult> EvaluateSurvey(const Survey& survey, QString* why) {
    auto fail = [why](const QString& text) -> std::optional<SurveyResult> {
        if (why) *why = text;
        return std::nullopt;
    };
    if (survey.situations.empty())
        return fail(QCoreApplication::translate("Survey", "nenhuma situação"));
    SurveyResult r;
    double minutes = 0, sum = 0, shortest = 60;
    for (size_t i = 0; i < survey.situations.size(); ++i) {
        const Situation& s = survey.situations[i];
        const QString name = SituationName(survey, i);
        if (!std::isfinite(s.minutes) || s.minutes < 0 || s.minutes > 60)
            return fail(QCoreApplication::translate("Survey", "%1: duração inválida: %2 min")
                            .arg(name)
                            .arg(s.minutes));
        SituationResult out;
        if (s.wbgt) {
            if (!s.heights.empty())
                return fail(QCoreApplication::translate(
                                "Survey", "%1: IBUTG digitado e alturas ao mesmo tempo")
                                .arg(name));
            if (!PlausibleWbgt(*s.wbgt))
                return fail(QCoreApplication::translate("Survey", "%1: IBUTG inválido: %2")
                                .arg(name)
                                .arg(*s.wbgt));
            out.wbgtC = *s.wbgt;
        } else {
            if (s.heights.size() != 1 && s.heights.size() != 3)
                return fail(QCoreApplication::translate(
                                "Survey",
                                "%1: %2 alturas; são 1 (abdômen) ou 3 (cabeça, abdômen, "
                                "tornozelo)")
                                .arg(name)
                                .arg(s.heights.size()));
            for (size_t k = 0; k < s.heights.size(); ++k) {
                HeightResult h;
                QString reason;
                if (!EvaluateHeight(s.heights[k], survey.index, h, &reason))
                    return fail(QStringLiteral("%1, %2: %3").arg(name, HeightName(s, k), reason));
                out.heights.push_back(std::move(h));
            }
            out.wbgtC =
                out.heights.size() == 3
                    ? (out.heights[0].wbgtC + 2 * out.heights[1].wbgtC + out.heights[2].wbgtC) / 4
                    : out.heights[0].wbgtC;
            // The abdomen's interval stands for the situation's; a short one makes the
            // situation's figure indicative.
            const HeightResult& abdomen = out.heights[out.heights.size() == 3 ? 1 : 0];
            if (!abdomen.typed) {
                out.hasSpan = true;
                out.start = abdomen.hour.start;
                out.end = abdomen.hour.end;
            }
            const double wanted = s.heights.size() ? std::max(s.minutes, 0.0) : 0;
            for (const HeightResult& h : out.heights)
                if (!h.typed && s.minutes > 0 && h.coveredMinutes + 1e-9 < wanted) {
                    out.partial = true;
                    shortest = std::min(shortest, wanted);
                }
        }
        minutes += s.minutes;
        sum += out.wbgtC * s.minutes;
        r.partial = r.partial || out.partial;
        r.situations.push_back(std::move(out));
    }
    if (std::fabs(minutes - 60) > 1e-9)
        return fail(QCoreApplication::translate("Survey", "as situações somam %1 min, não 60 min")
                        .arg(minutes));
    std::vector<WorkPeriod> periods;
    for (const Activity& a : survey.activities)
        periods.push_back({a.minutes, a.watts, a.description});
    QString reason;
    const auto m = MeanMetabolicRate(periods, &reason);
    if (!m) return fail(QCoreApplication::translate("Survey", "atividades: %1").arg(reason));
    if (!std::isfinite(survey.clothing) || survey.clothing < 0 || survey.clothing > 100)
        return fail(
            QCoreApplication::translate("Survey", "vestimenta: ajuste inválido: %1 (0 °C ou mais)")
                .arg(survey.clothing));
    r.meanWbgt = sum / 60;
    r.m = *m;
    r.clothing = survey.clothing + (survey.hood ? HoodAdjustment() : 0);
    r.evaluation = Evaluate(r.meanWbgt, r.m, r.clothing);
    if (r.partial)
        r.partialWhy = QCoreApplication::translate("Survey", "menos de %1 minutos de dados")
                           .arg(QString::number(shortest, 'g', 4));
    return r;
}

QString VerdictLine(const SurveyResult& r) {
    if (!r.evaluation.verdict) return OutOfTableText();
    const QString v = VerdictText(*r.evaluation.verdict);
    return r.partial ? QCoreApplication::translate("Survey", "indicativo: %1").arg(v) : v;
}

QString VerdictNote(const Survey& s, const SurveyResult& r) {
    if (!s.openAir || r.evaluation.verdict != Verdict::AboveLimit) return {};
    return QCoreApplication::translate(
        "Survey", "céu aberto sem fonte artificial de calor: sem insalubridade pela NR-15");
}

QStringList Measures(const Survey& s, const SurveyResult& r) {
    QStringList out;
    const Evaluation& e = r.evaluation;
    if (!e.verdict) {
        out << QCoreApplication::translate(
            "Survey",
            "M̅ acima da última linha das tabelas: sem limite nem nível de ação tabelados "
            "(fora da faixa da tabela); a exposição não pode ser julgada por elas.");
        return out;
    }
    if (*e.verdict == Verdict::BelowActionLevel) {
        out << QCoreApplication::translate(
            "Survey", "Abaixo do nível de ação: manter as condições e reavaliar quando mudarem.");
    } else {
        out << QCoreApplication::translate(
            "Survey",
            "Acima do nível de ação (NR-9, Anexo 3): adotar medidas preventivas — "
            "orientação dos trabalhadores sobre os riscos e os sinais de sobrecarga "
            "térmica, disponibilização de água fresca e local de descanso, controle "
            "médico e monitoramento periódico da exposição.");
    }
    if (*e.verdict == Verdict::AboveLimit) {
        out << QCoreApplication::translate(
            "Survey",
            "Acima do limite de exposição: adotar medidas corretivas (NR-9, Anexo 3) — "
            "redução da carga térmica na fonte, ventilação, barreiras e proteção "
            "radiante, adequação do regime de trabalho e descanso e da taxa metabólica.");
        if (s.openAir)
            out << QCoreApplication::translate(
                "Survey",
                "Trabalho a céu aberto sem fonte artificial de calor: a insalubridade "
                "do Anexo 3 da NR-15 não se aplica.");
        else
            out << QCoreApplication::translate(
                "Survey", "Caracteriza insalubridade em grau médio (NR-15, Anexo 3).");
    } else if (s.openAir) {
        out << QCoreApplication::translate("Survey",
                                           "Trabalho a céu aberto sem fonte artificial de calor.");
    }
    out << (s.acclimatised ? QCoreApplication::translate("Survey", "Trabalhadores aclimatizados.")
                           : QCoreApplication::translate(
                                 "Survey",
                                 "Trabalhadores não aclimatizados: a aclimatização deve ser "
                                 "conduzida antes da exposição plena."));
    if (r.partial)
        out << QCoreApplication::translate(
                   "Survey", "Resultado indicativo: %1 numa situação que devia tê-los.")
                   .arg(r.partialWhy);
    return out;
}

}  // namespace montira::exposure

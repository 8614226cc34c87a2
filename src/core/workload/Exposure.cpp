#include "core/workload/Exposure.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace montira::exposure {

namespace {

// Names the command line took before the clothing table followed NR-9, for the rows whose
// figure did not change.
const struct {
    const char* name;
    const char* key;
} kOldNames[] = {
    {"Roupa de trabalho", "uniforme"},
    {"Roupa de tecido em camada dupla", "tecido_duplo"},
};

}  // namespace

bool ParseClothing(const QString& text, double& out, QString* why, QString* key) {
    const QString t = text.trimmed();
    auto row = [&](const ClothingRow& c) {
        out = c.adjustment;
        if (key) *key = c.key;
        return true;
    };
    for (const auto& c : ClothingTable())
        if (t.compare(c.key, Qt::CaseInsensitive) == 0 ||
            t.compare(c.name, Qt::CaseInsensitive) == 0 ||
            t.compare(c.nameEn, Qt::CaseInsensitive) == 0)
            return row(c);
    for (const auto& old : kOldNames)
        if (t.compare(QString::fromUtf8(old.name), Qt::CaseInsensitive) == 0)
            for (const auto& c : ClothingTable())
                if (c.key == QLatin1String(old.key)) return row(c);
    bool ok = false;
    QString number = t;
    number.replace(u',', u'.');
    const double v = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 100) {
        if (why)
            *why =
                QCoreApplication::translate("Exposure", "vestimenta ou ajuste inválido: %1").arg(t);
        return false;
    }
    if (v < 0) {  // clothing never cools: a negative figure would hide an exposure
        if (why)
            *why = QCoreApplication::translate("Exposure",
                                               "ajuste da vestimenta negativo: %1 (0 °C ou mais)")
                       .arg(t);
        return false;
    }
    out = v;
    if (key) key->clear();
    return true;
}

std::optional<double> MeanMetabolicRate(const std::vector<WorkPeriod>& periods, QString* why) {
    auto fail = [why](const QString& text) -> std::optional<double> {
        if (why) *why = text;
        return std::nullopt;
    };
    if (periods.empty())
        return fail(QCoreApplication::translate("Exposure", "nenhum período de trabalho"));
    double minutes = 0, sum = 0;
    for (const auto& p : periods) {
        if (!std::isfinite(p.minutes) || p.minutes <= 0 || p.minutes > 60)
            return fail(
                QCoreApplication::translate("Exposure", "duração inválida: %1 min").arg(p.minutes));
        if (!std::isfinite(p.watts) || p.watts <= 0 || p.watts > kMaxWatts)
            return fail(QCoreApplication::translate(
                            "Exposure", "taxa metabólica inválida: %1 W (acima de 0 até %2 W)")
                            .arg(p.watts)
                            .arg(kMaxWatts));
        minutes += p.minutes;
        sum += p.watts * p.minutes;
    }
    if (std::fabs(minutes - 60) > 1e-9)
        return fail(QCoreApplication::translate("Exposure", "os períodos somam %1 min, não 60 min")
                        .arg(minutes));
    return sum / 60;
}

double ExposureLimit(double m) {
    return 56.7 - 11.5 * std::log10(m);
}

double ActionLevel(double m) {
    return 59.9 - 14.1 * std::log10(m);
}

Verdict Judge(double e, double al, double l) {
    if (e > l) return Verdict::AboveLimit;
    if (e >= al) return Verdict::BetweenLevels;
    return Verdict::BelowActionLevel;
}

QString VerdictText(Verdict v) {
    switch (v) {
        case Verdict::BelowActionLevel:
            return QCoreApplication::translate("Exposure", "abaixo do nível de ação");
        case Verdict::BetweenLevels:
            return QCoreApplication::translate("Exposure", "entre o nível de ação e o limite");
        case Verdict::AboveLimit:
            return QCoreApplication::translate("Exposure", "acima do limite");
    }
    return {};
}

QString OutOfTableText() {
    return QCoreApplication::translate("Exposure", "fora da faixa da tabela");
}

Evaluation Evaluate(double meanWbgtC, double m, double clothing) {
    Evaluation e;
    e.meanWbgt = meanWbgtC;
    e.clothing = clothing;
    e.m = m;
    e.exposure = RoundOneDecimal(meanWbgtC + clothing);
    e.limit = TableValue(LimitTable(), m);
    e.actionLevel = TableValue(ActionLevelTable(), m);
    e.limitFormula = ExposureLimit(m);
    e.actionLevelFormula = ActionLevel(m);
    if (e.limit) e.margin = *e.limit - e.exposure;
    if (e.limit && e.actionLevel) e.verdict = Judge(e.exposure, *e.actionLevel, *e.limit);
    return e;
}

}  // namespace montira::exposure

#include "core/workload/Regulations.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/tables/Cp1252.h"

static void InitRegulations() {
    Q_INIT_RESOURCE(regulations);
}

namespace montira::exposure {

namespace {

// The data lines of a built-in table (comments start with '#'), split at ';'.
std::vector<QStringList> ReadTable(const char* name) {
    InitRegulations();
    QFile f(QStringLiteral(":/regulations/") + QLatin1String(name));
    std::vector<QStringList> rows;
    if (!f.open(QIODevice::ReadOnly)) return rows;
    const QByteArray bytes = f.readAll();
    const QString text = DecodeFileText(bytes.constData(), bytes.size(),
                                        LooksLikeUtf8(bytes.constData(), bytes.size()));
    for (const QString& line : text.split(u'\n')) {
        const QString l = line.trimmed();
        if (l.isEmpty() || l.startsWith(u'#')) continue;
        rows.push_back(l.split(u';'));
    }
    return rows;
}

std::vector<RateRow> RateTable(const char* name) {
    std::vector<RateRow> out;
    for (const QStringList& f : ReadTable(name))
        if (f.size() >= 2) out.push_back({f[0].toDouble(), f[1].toDouble()});
    return out;
}

// Lower case without accents, for searching.
QString Plain(const QString& t) {
    QString d = t.normalized(QString::NormalizationForm_D).toLower();
    d.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return d;
}

}  // namespace

const std::vector<RateRow>& LimitTable() {
    static const std::vector<RateRow> t = RateTable("nr15_anexo3_quadro1.csv");
    return t;
}

const std::vector<RateRow>& ActionLevelTable() {
    static const std::vector<RateRow> t = RateTable("nr9_anexo3_nivel_acao.csv");
    return t;
}

std::optional<double> TableValue(const std::vector<RateRow>& table, double m) {
    if (table.empty() || !std::isfinite(m) || m > table.back().watts) return std::nullopt;
    auto it = std::upper_bound(table.begin(), table.end(), m,
                               [](double v, const RateRow& r) { return v < r.watts; });
    return it == table.begin() ? table.front().wbgt : std::prev(it)->wbgt;
}

QString ClothingRow::shown() const {
    return InterfaceIsEnglish() ? nameEn : name;
}

namespace {

struct Clothing {
    std::vector<ClothingRow> rows;
    double hood = 1;
};

const Clothing& ClothingData() {
    static const Clothing c = [] {
        Clothing c;
        for (const QStringList& f : ReadTable("nr9_anexo3_vestimentas.csv")) {
            if (f.size() < 4) continue;
            ClothingRow r{f[0], f[1].toDouble(), f[2], f[3]};
            if (r.key == QLatin1String("capuz"))
                c.hood = r.adjustment;
            else
                c.rows.push_back(r);
        }
        return c;
    }();
    return c;
}

}  // namespace

const std::vector<ClothingRow>& ClothingTable() {
    return ClothingData().rows;
}

double HoodAdjustment() {
    return ClothingData().hood;
}

QString ActivityRow::shown() const {
    return InterfaceIsEnglish() ? groupEn + QStringLiteral(": ") + textEn
                                : group + QStringLiteral(": ") + text;
}

const std::vector<ActivityRow>& ActivityTable() {
    static const std::vector<ActivityRow> t = [] {
        std::vector<ActivityRow> out;
        for (const QStringList& f : ReadTable("nr15_anexo3_quadro2.csv"))
            if (f.size() >= 6)
                out.push_back({f[0].toInt(), f[1], f[2], f[3], f[4], f[5].toDouble()});
        return out;
    }();
    return t;
}

std::vector<int> FindActivities(const QString& words) {
    const QStringList want = Plain(words).split(u' ', Qt::SkipEmptyParts);
    std::vector<int> out;
    const auto& t = ActivityTable();
    for (size_t i = 0; i < t.size(); ++i) {
        const QString hay = Plain(t[i].group + u' ' + t[i].text + u' ' + t[i].groupEn + u' ' +
                                  t[i].textEn + u' ' + QString::number(t[i].watts));
        if (std::all_of(want.begin(), want.end(),
                        [&](const QString& w) { return hay.contains(w); }))
            out.push_back(int(i));
    }
    return out;
}

bool InterfaceIsEnglish() {
    //: The language of this translation as a code ("en" in English).
    return QCoreApplication::translate("Regulations", "pt") == QLatin1String("en");
}

double RoundOneDecimal(double v) {
    // A value that prints as x.x5 may be stored a hair below it; nudge it by far less than
    // any reading's resolution before rounding.
    const double scaled = v * 10;
    return std::round(scaled + std::copysign(1e-7, scaled)) / 10;
}

}  // namespace montira::exposure

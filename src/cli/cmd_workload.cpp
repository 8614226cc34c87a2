#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <map>

#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/workload/WorkLoadSheet.h"
#include "core/workload/WorkLoadTables.h"

namespace montira::cli {

namespace {

using namespace montira::workload;

bool ParseWhole(const QString& text, int low, int high, int& out) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok || v < low || v > high) return false;
    out = v;
    return true;
}

// Bounds of what a person and a working place can be.
constexpr double kMaxWeightKg = 300;
constexpr double kLowestWbgt = -50, kHighestWbgt = 100;  // °C

struct WorkloadOptions {
    double age = 0, weight = 0;
    bool hasAge = false, hasWeight = false;
    QString cloth = ClothingNames()[0];
    std::map<int, int> minutes;  // activity -> minutes per hour
    double wbgtIn = 0, wbgtOut = 0;
};

// Returns an empty text when the arguments are good, else the complaint.
QString Parse(const QStringList& args, WorkloadOptions& o) {
    QStringList seen;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a != QLatin1String("--minutes")) {
            if (seen.contains(a)) return QStringLiteral("%1 repetido").arg(a);
            seen << a;
        }
        auto value = [&](QString& v) {
            if (i + 1 >= args.size()) return false;
            v = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--minutes")) {
            bool any = false;
            while (i + 1 < args.size() && !args[i + 1].startsWith(QLatin1String("--"))) {
                const QString pair = args[++i];
                const int eq = pair.indexOf(QLatin1Char('='));
                int idx = 0, min = 0;
                if (eq < 0) return QStringLiteral("esperado I=M em --minutes: %1").arg(pair);
                if (!ParseWhole(pair.left(eq), 0, kActivityCount - 1, idx))
                    return QStringLiteral("atividade desconhecida: %1 (0 a 12)").arg(pair.left(eq));
                if (!ParseWhole(pair.mid(eq + 1), 0, 60, min))
                    return QStringLiteral("--minutes: minutos inválidos: %1 (0 a 60)")
                        .arg(pair.mid(eq + 1));
                if (o.minutes.count(idx)) return QStringLiteral("atividade %1 repetida").arg(idx);
                o.minutes[idx] = min;
                any = true;
            }
            if (!any) return QStringLiteral("--minutes sem I=M");
        } else if (a == QLatin1String("--age")) {
            if (!value(v) || !ParseNumber(v, o.age) || !IsListedAge(o.age))  // else taken as 20
                return QStringLiteral("--age: idade inválida (20, 25, ... 65)");
            o.hasAge = true;
        } else if (a == QLatin1String("--weight")) {
            if (!value(v) || !ParseNumber(v, o.weight) || o.weight <= 0 || o.weight > kMaxWeightKg)
                return QStringLiteral("--weight: peso inválido (acima de 0 até %1 kg)")
                    .arg(kMaxWeightKg);
            o.hasWeight = true;
        } else if (a == QLatin1String("--cloth")) {
            // A misspelt name would silently lose its correction and raise every limit.
            if (!value(v) || ClothingIndex(v) < 0)
                return QStringLiteral("vestimenta desconhecida: %1").arg(v);
            o.cloth = v;
        } else if (a == QLatin1String("--wbgt-in")) {
            if (!value(v) || !ParseNumber(v, o.wbgtIn) || o.wbgtIn < kLowestWbgt ||
                o.wbgtIn > kHighestWbgt)
                return QStringLiteral("--wbgt-in inválido (%1 a %2 ºC)")
                    .arg(kLowestWbgt)
                    .arg(kHighestWbgt);
        } else if (a == QLatin1String("--wbgt-out")) {
            if (!value(v) || !ParseNumber(v, o.wbgtOut) || o.wbgtOut < kLowestWbgt ||
                o.wbgtOut > kHighestWbgt)
                return QStringLiteral("--wbgt-out inválido (%1 a %2 ºC)")
                    .arg(kLowestWbgt)
                    .arg(kHighestWbgt);
        } else {
            return QStringLiteral("argumento desconhecido: %1").arg(a);
        }
    }
    if (!o.hasAge || !o.hasWeight) return QStringLiteral("--age e --weight são obrigatórios");
    return {};
}

// Ticks and chooses on the sheet as a user would in the window.
void Fill(WorkLoadSheet& s, const WorkloadOptions& o) {
    s.ComboAgeText = QString::number(o.age, 'g', 15);
    s.TxtkgText = QString::number(o.weight, 'g', 15);
    s.TxtkgChange();
    s.ComboClothText = o.cloth;
    s.ComboClothClick();
    for (const auto& [idx, min] : o.minutes) {
        if (idx < kWorkCount) {
            int group = 0;
            while (TypeLastLevel(group) < idx) ++group;
            if (!s.CkType[group]) {
                s.CkType[group] = true;
                s.CkTypeClick(group);
            }
            s.CkHL[idx] = true;
            s.CkHLClick(idx);
        } else {
            s.CkBody[idx - kPostureFirst] = true;
            s.CkBodyClick(idx - kPostureFirst);
        }
        s.ComboText[idx] = QString::number(min);
        s.ComboClick(idx);
    }
    s.ComboAgeClick();  // one last evaluation with everything in place
}

}  // namespace

// montira-cli workload: evaluates a work load as the work-load window does and prints one
// JSON object.
int RunWorkload(const QStringList& args) {
    if (args.isEmpty()) return Refuse("workload", {});
    WorkloadOptions o;
    const QString complaint = Parse(args, o);
    if (!complaint.isEmpty()) return Refuse("workload", complaint);
    WbgtAverages averages;
    averages.AvgWbgtIndoor = o.wbgtIn;
    averages.AvgWbgtOutdoor = o.wbgtOut;
    WorkLoadSheet sheet(averages);
    Fill(sheet, o);
    if (!IsListedAge(o.age))
        std::fprintf(stderr, "montira-cli workload: idade fora da lista, usada 20\n");

    QJsonObject out;
    out.insert(QStringLiteral("M"), sheet.M);
    out.insert(QStringLiteral("LblLoad"), sheet.LblLoad);
    QJsonArray limits, labels;
    for (double l : sheet.EffectiveLimits) limits.append(l);
    for (const QString& t : sheet.LblC) labels.append(t);
    out.insert(QStringLiteral("EffectiveLimits"), limits);
    out.insert(QStringLiteral("LblC"), labels);
    out.insert(QStringLiteral("LblWRRi"), sheet.LblWRRi);
    out.insert(QStringLiteral("LblWRRo"), sheet.LblWRRo);
    const QByteArray line = QJsonDocument(out).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

}  // namespace montira::cli

#include <QLocale>
#include <cmath>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "core/workload/ExposureReport.h"

namespace montira::cli {

namespace {

using namespace montira::exposure;

const char kUsageText[] =
    "uso: montira-cli evaluate ARQUIVO --index IBUTGi|IBUTGo --period MIN:W[:TEXTO] ...\n"
    "                          [--cloth VALOR|NOME] [--start \"AA/MM/DD hh:mm:ss\"] [--pdf SAIDA]\n"
    "                          [--name T --sector T --company T]\n"
    "  os períodos somam 60 minutos; W: taxa metabólica em watts\n";

struct Args {
    QString file, index, cloth, start, pdf;
    bool hasIndex = false, hasCloth = false, hasStart = false, hasPdf = false;
    std::vector<WorkPeriod> periods;
    Options header;  // --name, --sector, --company
};

bool Number(const QString& text, double& out) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return false;
    out = v;
    return true;
}

// "MIN:W" or "MIN:W:TEXT" (the text may hold colons).
bool ParsePeriod(const QString& text, WorkPeriod& p) {
    const QStringList parts = text.split(u':');
    if (parts.size() < 2) return false;
    p.text = parts.size() > 2 ? text.section(u':', 2) : QString();
    return Number(parts[0], p.minutes) && Number(parts[1], p.watts);
}

// Empty when the arguments are good, else the complaint.
QString Parse(const QStringList& args, Args& a) {
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
        return QStringLiteral("falta o arquivo");
    a.file = args.first();
    for (int i = 1; i < args.size(); ++i) {
        const QString key = args[i];
        if (i + 1 >= args.size()) return QStringLiteral("%1 sem valor").arg(key);
        const QString v = args[++i];
        auto once = [&](bool& seen, QString& into) {
            if (seen) return false;
            seen = true;
            into = v;
            return true;
        };
        if (key == QLatin1String("--period")) {
            WorkPeriod p;
            if (!ParsePeriod(v, p))
                return QStringLiteral("período inválido: %1 (MIN:W[:TEXTO])").arg(v);
            a.periods.push_back(p);
        } else if (key == QLatin1String("--index")) {
            if (!once(a.hasIndex, a.index)) return QStringLiteral("--index repetido");
        } else if (key == QLatin1String("--cloth")) {
            if (!once(a.hasCloth, a.cloth)) return QStringLiteral("--cloth repetido");
        } else if (key == QLatin1String("--start")) {
            if (!once(a.hasStart, a.start)) return QStringLiteral("--start repetido");
        } else if (key == QLatin1String("--pdf")) {
            if (!once(a.hasPdf, a.pdf)) return QStringLiteral("--pdf repetido");
        } else if (key == QLatin1String("--name") || key == QLatin1String("--sector") ||
                   key == QLatin1String("--company")) {
            if (a.header.has(key)) return QStringLiteral("%1 repetido").arg(key);
            a.header.values.insert(key, v);
        } else {
            return QStringLiteral("argumento desconhecido: %1").arg(key);
        }
    }
    if (!a.hasIndex) return QStringLiteral("--index é obrigatório (IBUTGi ou IBUTGo)");
    if (a.periods.empty()) return QStringLiteral("--period é obrigatório");
    return {};
}

int Bad(const QString& message) {
    std::fprintf(stderr, "montira-cli evaluate: %s\n", qPrintable(message));
    return kUsage;
}

QByteArray Num(double v) {
    return QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
}

// The result as one JSON object, its keys in a fixed order; the texts need no escaping
// (stamps and verdicts).
QByteArray Json(const ExposureReport& r) {
    const Evaluation& e = *r.evaluation;
    QByteArray j = "{";
    j += "\"Start\":\"" + StampText(r.hour.start).toUtf8() + "\",";
    j += "\"End\":\"" + StampText(r.hour.end).toUtf8() + "\",";
    j += "\"MeanWbgt\":" + Num(e.meanWbgt) + ",";
    j += QByteArray("\"Partial\":") + (r.hour.partial ? "true" : "false") + ",";
    j += "\"M\":" + Num(e.m) + ",";
    j += "\"ClothingAdjustment\":" + Num(e.clothing) + ",";
    j += "\"Limit\":" + Num(e.limit) + ",";
    j += "\"ActionLevel\":" + Num(e.actionLevel) + ",";
    j += "\"Verdict\":\"" + VerdictText(e.verdict).toUtf8() + "\",";
    j += "\"Margin\":" + Num(e.margin) + "}\n";
    return j;
}

}  // namespace

// montira-cli evaluate: the heat exposure of a data file's worst hour (or of the hour from
// --start), as the evaluation window computes it; one JSON object, and the report with --pdf.
int RunEvaluate(const QStringList& args) {
    Args a;
    const QString complaint = Parse(args, a);
    if (!complaint.isEmpty()) {
        Bad(complaint);
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    WbgtIndex index;
    if (!ParseWbgtIndex(a.index, index))
        return Bad(QStringLiteral("índice desconhecido: %1 (IBUTGi ou IBUTGo)").arg(a.index));
    double cloth = 0;
    QString clothName;
    if (a.hasCloth) {
        if (!ParseClothing(a.cloth, cloth))
            return Bad(QStringLiteral("--cloth: vestimenta ou número inválido: %1").arg(a.cloth));
        for (const auto& p : ClothingPresets())
            if (a.cloth.trimmed().compare(p.name, Qt::CaseInsensitive) == 0) clothName = p.name;
    }
    QString why;
    if (!MeanMetabolicRate(a.periods, &why)) return Bad(why);
    qint64 startTicks = 0;
    if (a.hasStart && !ParseStampText(a.start, startTicks))
        return Bad(QStringLiteral("--start: esperado \"AA/MM/DD hh:mm:ss\": %1").arg(a.start));

    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(a.file, "evaluate", file, code)) return code;
    ExposureReport r =
        MakeExposureReport(file.heading, file.rows, HeaderFromOptions(a.header, file), index);
    if (r.series.size() == 0)
        return Bad(QStringLiteral("%1 não tem leituras de %2").arg(a.file, a.index));
    if (!r.hour.valid())
        return Bad(
            QStringLiteral("%1: leituras de %2 insuficientes para avaliar").arg(a.file, a.index));
    if (a.hasStart) {
        const int at = HourStartAt(r.series, r.runs, startTicks);
        if (at < 0)
            return Bad(QStringLiteral("--start: %1 não é uma leitura com 60 minutos de dados a "
                                      "seguir")
                           .arg(a.start));
        r.hour = HourAt(r.series, r.runs, at);
    }
    EvaluateReport(r, a.periods, cloth, clothName, &why);
    if (!r.evaluation) return Bad(why);
    if (a.hasPdf && !WriteExposurePdf(a.pdf, r, &why)) {
        std::fprintf(stderr, "montira-cli evaluate: não foi possível gravar %s: %s\n",
                     qPrintable(a.pdf), qPrintable(why));
        return kFailure;
    }
    const QByteArray out = Json(r);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return kDone;
}

}  // namespace montira::cli

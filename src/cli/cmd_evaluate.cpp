#include <QLocale>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "core/workload/ExposureReport.h"

namespace montira::cli {

namespace {

using namespace montira::exposure;

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
    EvaluateArgs a;
    QString message;
    if (!ParseEvaluateArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    QString why;
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(a.file, "evaluate", file, code)) return code;
    ExposureReport r =
        MakeExposureReport(file.heading, file.rows, HeaderFromOptions(a.header, file), a.index);
    if (r.series.size() == 0)
        return Bad(QStringLiteral("%1 não tem leituras de %2").arg(a.file, a.indexText));
    if (!r.hour.valid())
        return Bad(QStringLiteral("%1: leituras de %2 insuficientes para avaliar")
                       .arg(a.file, a.indexText));
    if (a.hasStart) {
        const ExposureHour h = HourFrom(r.series, r.runs, a.startTicks);
        if (!h.valid())
            return Bad(
                QStringLiteral("--start: %1").arg(WhyNoHourAt(r.series, r.runs, a.startTicks)));
        r.hour = h;
    }
    EvaluateReport(r, a.periods, a.cloth, a.clothName, &why);
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

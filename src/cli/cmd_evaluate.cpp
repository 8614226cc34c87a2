#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/DataFileInput.h"
#include "cli/FileArgs.h"
#include "core/record/DataFileOpen.h"
#include "core/workload/ExposureReport.h"
#include "core/workload/SurveyFile.h"

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

QByteArray Num(const std::optional<double>& v) {
    return v ? Num(*v) : QByteArray("null");
}

// A JSON string (descriptions are the user's own text).
QByteArray Str(const QString& t) {
    QByteArray out = "\"";
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u < 0x20) {
            out += "\\u00" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += QString(c).toUtf8();
        }
    }
    return out + '"';
}

QByteArray Stamp(bool known, qint64 ticks) {
    return known ? Str(StampText(ticks)) : QByteArray("null");
}

// The result as one JSON object, its keys in a fixed order. The single-file form starts
// with the hour's Start and End, as it always did.
QByteArray Json(const ExposureReport& r, bool singleFile) {
    const SurveyResult& res = *r.result;
    const Evaluation& e = res.evaluation;
    QByteArray j = "{";
    if (singleFile) {
        const SituationResult& s = res.situations.front();
        j += "\"Start\":" + Stamp(s.hasSpan, s.start) + ",";
        j += "\"End\":" + Stamp(s.hasSpan, s.end) + ",";
    }
    j += "\"MeanWbgt\":" + Num(res.meanWbgt) + ",";
    j += QByteArray("\"Partial\":") + (res.partial ? "true" : "false") + ",";
    j += "\"M\":" + Num(res.m) + ",";
    j += "\"ClothingAdjustment\":" + Num(res.clothing) + ",";
    j += "\"Exposure\":" + Num(e.exposure) + ",";
    j += "\"Limit\":" + Num(e.limit) + ",";
    j += "\"LimitFormula\":" + Num(e.limitFormula) + ",";
    j += "\"ActionLevel\":" + Num(e.actionLevel) + ",";
    j += "\"ActionLevelFormula\":" + Num(e.actionLevelFormula) + ",";
    j += "\"Verdict\":" + Str(VerdictLine(res)) + ",";
    j += "\"Margin\":" + Num(e.margin) + ",";
    j += "\"Situations\":[";
    for (size_t i = 0; i < res.situations.size(); ++i) {
        const SituationResult& s = res.situations[i];
        if (i) j += ',';
        j += "{\"Description\":" + Str(r.survey.situations[i].description) + ",";
        j += "\"Minutes\":" + Num(r.survey.situations[i].minutes) + ",";
        j += "\"Wbgt\":" + Num(s.wbgtC) + ",";
        j += "\"Start\":" + Stamp(s.hasSpan, s.start) + ",";
        j += "\"End\":" + Stamp(s.hasSpan, s.end) + "}";
    }
    j += "]}\n";
    return j;
}

int Finish(const ExposureReport& r, bool singleFile, bool hasPdf, const QString& pdf) {
    if (!r.result) return Bad(r.why);
    QString why;
    if (hasPdf && !WriteExposurePdf(pdf, r, &why)) {
        std::fprintf(stderr, "montira-cli evaluate: não foi possível gravar %s: %s\n",
                     qPrintable(pdf), qPrintable(why));
        return kFailure;
    }
    const QByteArray out = Json(r, singleFile);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return kDone;
}

// montira-cli evaluate EVALUATION.json [--pdf OUT]
int RunSurveyFile(const QString& path, const QStringList& rest) {
    bool hasPdf = false;
    QString pdf;
    for (int i = 0; i < rest.size(); ++i) {
        if (rest[i] != QLatin1String("--pdf") || hasPdf || i + 1 >= rest.size())
            return Bad(QStringLiteral("com um arquivo de avaliação só se aceita --pdf SAIDA: %1")
                           .arg(rest[i]));
        hasPdf = true;
        pdf = rest[++i];
    }
    Survey s;
    QString why;
    if (!ReadSurveyFile(path, s, &why) || !LoadSurveyFiles(s, &why)) return Bad(why);
    return Finish(MakeExposureReport(std::move(s)), false, hasPdf, pdf);
}

// The bytes at `path` hold an evaluation file rather than a data file (whose first line is
// a header line, never a '{').
bool IsSurveyPath(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxDataFileBytes) return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.peek(4096).trimmed().startsWith('{')) return false;
    return LooksLikeSurveyFile(f.readAll());
}

}  // namespace

// montira-cli evaluate: a saved evaluation (several situations and activities), or the heat
// exposure of one data file's worst hour (or of the hour from --start), as the evaluation
// window computes it; one JSON object, and the report with --pdf.
int RunEvaluate(const QStringList& args) {
    if (!args.isEmpty() && !args.first().startsWith(QLatin1String("--")) &&
        IsSurveyPath(args.first()))
        return RunSurveyFile(args.first(), args.mid(1));
    EvaluateArgs a;
    QString message;
    if (!ParseEvaluateArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    DataFileContents file;
    int code = kDone;
    if (!ReadDataFileArg(a.file, "evaluate", file, code)) return code;
    const HeaderTexts header = HeaderFromOptions(a.header, file);
    auto source = std::make_shared<SeriesSource>();
    source->file = a.file;
    source->heading = file.heading;
    source->rows = std::move(file.rows);
    const WbgtSeries series = ReadWbgtSeries(source->heading, source->rows, a.index);
    if (series.size() == 0)
        return Bad(QStringLiteral("%1 não tem leituras de %2").arg(a.file, a.indexText));
    Survey s;
    s.index = a.index;
    s.worker = header.name;
    s.sector = header.sector;
    s.company = header.company;
    s.clothing = a.cloth;
    s.clothingKey = a.clothKey;
    s.hood = a.hood;
    Situation sit;
    sit.description = QFileInfo(a.file).fileName();
    sit.minutes = 60;
    Height h;
    h.file = a.file;
    h.loaded = source;
    if (a.hasStart) {
        const SeriesRuns runs = SplitRuns(series);
        if (!HourFrom(series, runs, a.startTicks).valid())
            return Bad(QStringLiteral("--start: %1").arg(WhyNoHourAt(series, runs, a.startTicks)));
        h.from = StampText(a.startTicks);
        h.to = StampText(a.startTicks + kHourTicks);
    }
    sit.heights.push_back(std::move(h));
    s.situations.push_back(std::move(sit));
    for (const WorkPeriod& p : a.periods) s.activities.push_back({p.text, p.watts, p.minutes, {}});
    return Finish(MakeExposureReport(std::move(s)), true, a.hasPdf, a.pdf);
}

}  // namespace montira::cli

#include "cli/FileArgs.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>

#include "cli/Usage.h"
#include "core/tables/HeaderFile.h"

namespace montira::cli {

using namespace montira::exposure;

namespace {

QString Complaint(const char* command, const QString& error) {
    return QStringLiteral("montira-cli %1: %2\n").arg(QLatin1String(command), error);
}

// The --name, --sector and --company of the options.
Options HeaderOptions(const Options& o) {
    Options h;
    for (const char* key : {"--name", "--sector", "--company"})
        if (o.has(key)) h.values.insert(key, o.value(key));
    return h;
}

}  // namespace

bool ParsePrintArgs(const QStringList& args, PrintArgs& a, QString& message) {
    if (args.isEmpty() || args.first().startsWith(QStringLiteral("--"))) {
        message = RefusalText("print", {});
        return false;
    }
    Options o;
    QString error;
    if (!ParseOptions(args.mid(1),
                      {"--pdf", "--name", "--sector", "--company", "--font", "--size", "--paper"},
                      {"--table", "--listing", "--landscape"}, o, error) ||
        !o.has("--pdf") || (o.flags.contains("--table") && o.flags.contains("--listing"))) {
        message = RefusalText("print", error);
        return false;
    }
    a.hasSize = o.has("--size");
    if (a.hasSize) {
        bool ok = false;
        a.size = o.value("--size").toDouble(&ok);
        if (!ok || !(a.size >= 4) || a.size > 72) {
            message = Complaint(
                "print", QStringLiteral("tamanho de fonte inválido: %1").arg(o.value("--size")));
            return false;
        }
    }
    if (o.has("--paper")) {
        const QString paper = o.value("--paper");
        if (paper.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0) {
            a.letter = false;
        } else if (paper.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0) {
            a.letter = true;
        } else {
            message = RefusalText("print",
                                  QStringLiteral("papel inválido: %1 (A4 ou Letter)").arg(paper));
            return false;
        }
    }
    a.input = args.first();
    a.pdf = o.value("--pdf");
    a.header = HeaderOptions(o);
    a.listing = o.flags.contains("--listing");
    a.landscape = o.flags.contains("--landscape");
    a.hasFont = o.has("--font");
    a.font = o.value("--font");
    return true;
}

bool ParseExportArgs(const QStringList& args, ExportArgs& a, QString& message) {
    Options o;
    QString error;
    if (args.isEmpty() || args.first().startsWith(QStringLiteral("--")) ||
        !ParseOptions(args.mid(1), {"--csv"}, {"--point"}, o, error) || !o.has("--csv")) {
        message = RefusalText("export", error);
        return false;
    }
    a.input = args.first();
    a.csv = o.value("--csv");
    a.point = o.flags.contains("--point");
    return true;
}

bool ParseHeaderArgs(const QStringList& args, HeaderArgs& a, QString& message) {
    Options o;
    QString error;
    const bool parsed =
        ParseOptions(args, {"--save", "--show", "--name", "--sector", "--company"}, {}, o, error);
    if (!parsed || o.has("--save") == o.has("--show")) {
        message = RefusalText("header", error);
        return false;
    }
    a.show = o.has("--show");
    a.file = o.value(a.show ? "--show" : "--save");
    a.name = o.value("--name");
    a.sector = o.value("--sector");
    a.company = o.value("--company");
    if (a.show) return true;
    // Only what the file gives back as it was written: one line a text, a file that --show
    // and the window read.
    for (const char* key : {"--name", "--sector", "--company"}) {
        switch (CheckHeaderText(o.value(key))) {
            case HeaderTextFault::None:
                break;
            case HeaderTextFault::LineBreak:
                message = Complaint(
                    "header", QStringLiteral("%1: o texto não pode ter quebra de linha (CR ou LF)")
                                  .arg(QLatin1String(key)));
                return false;
            case HeaderTextFault::ControlCharacter:
                message = Complaint(
                    "header", QStringLiteral("%1: o texto não pode ter caracteres de controle")
                                  .arg(QLatin1String(key)));
                return false;
        }
    }
    if (!HeaderFileFits({a.name, a.sector, a.company})) {
        message = Complaint("header", QStringLiteral("--name, --sector e --company somam mais de "
                                                     "64 KB: o arquivo não poderia ser lido"));
        return false;
    }
    return true;
}

namespace {

bool ReadChannels(const QString& list, ChannelFlags& flags, QString& error) {
    flags.fill(false);
    for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
        Channel c;
        if (!ChannelByCaption(name, c) || InfoOf(c).column < 0) {
            error = QStringLiteral(
                        "canal desconhecido: %1 (Seco, Orvalho, Úmido, I.C., IBUTGi, "
                        "IBUTGo, Globo, Velocidade, Twc)")
                        .arg(name);
            return false;
        }
        flags[size_t(c)] = true;
    }
    return true;
}

}  // namespace

bool ParsePlotArgs(const QStringList& args, PlotArgs& a, QString& message) {
    if (args.isEmpty() || args[0].startsWith(QStringLiteral("--"))) {
        message = RefusalText("plot", {});
        return false;
    }
    Options o;
    QString error;
    if (!ParseOptions(args.mid(1),
                      {"--out", "--from", "--to", "--width", "--height", "--channels", "--format"},
                      {}, o, error)) {
        message = Complaint("plot", error);
        return false;
    }
    a.out = o.value("--out");
    // The name tells the kind, unless --format does; standard output ("-") is PNG by default.
    const QString kind = o.has("--format")             ? o.value("--format").toLower()
                         : a.out == QLatin1String("-") ? QStringLiteral("png")
                                                       : QFileInfo(a.out).suffix().toLower();
    if (a.out.isEmpty() || (kind != "png" && kind != "pdf")) {
        message = Complaint("plot", QStringLiteral("--out precisa de um arquivo .png ou .pdf"));
        return false;
    }
    if (!ReadWhole(o, "--width", 1, 20000, a.width, error) ||
        !ReadWhole(o, "--height", 1, 20000, a.height, error) ||
        (o.has("--channels") && !ReadChannels(o.value("--channels"), a.channels, error))) {
        message = Complaint("plot", error);
        return false;
    }
    a.input = args[0];
    a.pdf = kind == "pdf";
    a.hasFrom = o.has("--from");
    a.hasTo = o.has("--to");
    bool okFrom = true, okTo = true;
    if (a.hasFrom) a.from = o.value("--from").toLongLong(&okFrom);
    if (a.hasTo) a.to = o.value("--to").toLongLong(&okTo);
    a.rangeNumbers = okFrom && okTo;
    return true;
}

namespace {

// "MIN:W" or "MIN:W:TEXT" (the text may hold colons).
bool ParsePeriod(const QString& text, WorkPeriod& p) {
    const QStringList parts = text.split(u':');
    if (parts.size() < 2) return false;
    p.text = parts.size() > 2 ? text.section(u':', 2) : QString();
    return ParseNumber(parts[0], p.minutes) && ParseNumber(parts[1], p.watts);
}

// The keys and values, each key once (--period as often as wanted); empty when they are
// good, else the complaint.
QString ReadEvaluateKeys(const QStringList& args, EvaluateArgs& a, bool& hasIndex, bool& hasCloth,
                         QString& cloth) {
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--")))
        return QStringLiteral("falta o arquivo");
    a.file = args.first();
    for (int i = 1; i < args.size(); ++i) {
        const QString key = args[i];
        if (key == QLatin1String("--hood")) {
            if (a.hood) return QStringLiteral("--hood repetido");
            a.hood = true;
            continue;
        }
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
            if (!once(hasIndex, a.indexText)) return QStringLiteral("--index repetido");
        } else if (key == QLatin1String("--cloth")) {
            if (!once(hasCloth, cloth)) return QStringLiteral("--cloth repetido");
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
    if (!hasIndex) return QStringLiteral("--index é obrigatório (IBUTGi ou IBUTGo)");
    if (a.periods.empty()) return QStringLiteral("--period é obrigatório");
    return {};
}

}  // namespace

bool ParseEvaluateArgs(const QStringList& args, EvaluateArgs& a, QString& message) {
    bool hasIndex = false, hasCloth = false;
    QString cloth;
    if (const QString c = ReadEvaluateKeys(args, a, hasIndex, hasCloth, cloth); !c.isEmpty()) {
        message = RefusalText("evaluate", c);
        return false;
    }
    if (!ParseWbgtIndex(a.indexText, a.index)) {
        message = Complaint(
            "evaluate",
            QStringLiteral("índice desconhecido: %1 (IBUTGi ou IBUTGo)").arg(a.indexText));
        return false;
    }
    if (hasCloth) {
        QString why;
        if (!ParseClothing(cloth, a.cloth, &why, &a.clothKey)) {
            message = Complaint("evaluate", QStringLiteral("--cloth: %1").arg(why));
            return false;
        }
    }
    QString why;
    if (!MeanMetabolicRate(a.periods, &why)) {
        message = Complaint("evaluate", why);
        return false;
    }
    if (a.hasStart && !ParseStampText(a.start, a.startTicks)) {
        message = Complaint(
            "evaluate", QStringLiteral("--start: esperado \"AA/MM/DD hh:mm:ss\": %1").arg(a.start));
        return false;
    }
    return true;
}

}  // namespace montira::cli

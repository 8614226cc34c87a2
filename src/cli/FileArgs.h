#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "cli/Options.h"
#include "core/graphs/Channels.h"
#include "core/workload/Exposure.h"
#include "core/workload/WbgtSeries.h"

namespace montira::cli {

// The arguments of the commands that read and write files, parsed apart from running them:
// no file is opened and nothing is printed. On failure `message` holds the whole text the
// command prints on stderr (its usage where the command shows it), and the command ends with
// exit 2. `header` keeps the --name, --sector and --company given (see HeaderFromOptions).

// montira-cli print FILE --pdf OUT [--table | --listing] [--name T --sector T --company T]
// [--font FAMILY --size PT] [--landscape] [--paper A4|Letter]
struct PrintArgs {
    QString input, pdf;
    Options header;
    bool listing = false, landscape = false;
    bool letter = false;  // --paper Letter; A4 otherwise
    bool hasFont = false, hasSize = false;
    QString font;
    double size = 10;  // 4..72 points
};
bool ParsePrintArgs(const QStringList& args, PrintArgs& a, QString& message);

// montira-cli export FILE --csv OUT [--point]
struct ExportArgs {
    QString input, csv;
    bool point = false;
};
bool ParseExportArgs(const QStringList& args, ExportArgs& a, QString& message);

// montira-cli header --save OUT --name T --sector T --company T | --show FILE
struct HeaderArgs {
    bool show = false;
    QString file;                   // written (--save) or read (--show)
    QString name, sector, company;  // --save's texts
};
bool ParseHeaderArgs(const QStringList& args, HeaderArgs& a, QString& message);

// montira-cli plot FILE --out PNG|PDF|- [--from A --to B] [--width W --height H]
// [--channels LIST] [--format png|pdf]. The records asked for are checked against the file when it
// is read.
struct PlotArgs {
    QString input, out;
    bool pdf = false;  // else PNG
    qint64 width = 800, height = 600;
    ChannelFlags channels = DefaultChannelFlags();
    bool hasFrom = false, hasTo = false;
    bool rangeNumbers = true;  // --from and --to, when given, are whole numbers
    qint64 from = 1, to = 0;
};
bool ParsePlotArgs(const QStringList& args, PlotArgs& a, QString& message);

// montira-cli evaluate FILE --index IBUTGi|IBUTGo --period MIN:W[:TEXT] ... [--cloth VALUE|NAME]
// [--hood] [--start "YY/MM/DD hh:mm:ss"] [--pdf OUT] [--name T --sector T --company T]
struct EvaluateArgs {
    QString file, indexText;
    exposure::WbgtIndex index = exposure::WbgtIndex::Indoor;
    std::vector<exposure::WorkPeriod> periods;  // their minutes add up to 60
    double cloth = 0;
    QString clothKey;  // the clothing row named, if one was
    bool hood = false;
    bool hasStart = false;
    QString start;
    qint64 startTicks = 0;
    bool hasPdf = false;
    QString pdf;
    Options header;
};
bool ParseEvaluateArgs(const QStringList& args, EvaluateArgs& a, QString& message);

}  // namespace montira::cli

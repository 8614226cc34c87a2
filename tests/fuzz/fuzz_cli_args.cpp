// Fuzz target for the command-line parsers. The input is a list of arguments separated by
// NUL bytes; its first byte picks the parser: montira's own options, `montira-cli decode`
// and `workload` (both only parse and print, run with their output silenced), or the parser
// of one of the other montira-cli commands, the very function the command calls before it
// opens a port or a file. Each parser either gives arguments that hold what its command
// relies on, or the complete message the command prints.
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/FileArgs.h"
#include "cli/MeterArgs.h"
#include "cli/Options.h"
#include "cli/SimArgs.h"
#include "ui/panel/PanelStartOptions.h"

namespace {

using namespace montira::cli;

// Runs a command with its output and messages sent to /dev/null (the fuzzer's own reports
// still reach stderr).
int Silenced(int (*run)(const QStringList&), const QStringList& args) {
    static const int devNull = open("/dev/null", O_WRONLY);
    static const int savedOut = dup(1), savedErr = dup(2);
    std::fflush(stdout), std::fflush(stderr);
    dup2(devNull, 1), dup2(devNull, 2);
    const int rc = run(args);
    std::fflush(stdout), std::fflush(stderr);
    dup2(savedOut, 1), dup2(savedErr, 2);
    return rc;
}

void Require(bool holds) {
    if (!holds) std::abort();
}

// A refusal is printed as it is: one or more whole lines naming the program.
void RequireMessage(const QString& m) {
    Require(m.endsWith(u'\n') &&
            (m.startsWith(QLatin1String("montira-cli ")) || m.startsWith(QLatin1String("uso: "))));
}

bool Seconds(double s) {
    return s > 0 && s <= 86400;
}

// Parses with `parse`; on success `holds` must accept the result, on failure the message
// must be one the command can print.
template <typename Args, typename Check>
void Exercise(bool (*parse)(const QStringList&, Args&, QString&), const QStringList& args,
              Check holds) {
    Args a;
    QString message;
    if (parse(args, a, message))
        Require(message.isEmpty() && holds(a));
    else
        RequireMessage(message);
}

void StartOptions(const QStringList& args) {
    // Empty texts ("" or --port=) mean "not given"; anything else is taken or refused.
    bool given = false;
    for (const QString& a : args)
        given = given || !(a.isEmpty() || a == "--port=" || a == "--open=");
    const montira::StartOptions o = montira::ParseStartOptions(args);
    Require(!(o.error.isEmpty() && given && o.port.isEmpty() && o.openFile.isEmpty() &&
              !o.selftestAcceptPort && !o.selftestExitAfterValues));
}

void Evaluate(const QStringList& args) {
    Exercise(ParseEvaluateArgs, args, [](const EvaluateArgs& a) {
        double minutes = 0;
        for (const auto& p : a.periods) {
            if (!(p.minutes > 0 && p.minutes <= 60 && p.watts > 0 && p.watts <= 2000)) return false;
            minutes += p.minutes;
        }
        const bool stampBack =
            !a.hasStart || montira::exposure::StampText(a.startTicks) == a.start.trimmed();
        return !a.file.startsWith("--") && std::fabs(minutes - 60) < 1e-6 &&
               std::isfinite(a.cloth) && a.cloth >= 0 && a.cloth <= 100 && stampBack;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QStringList args;
    for (const QByteArray& a : rest.split('\0')) args << QString::fromUtf8(a);
    if (rest.isEmpty()) args.clear();

    switch (data[0] % 17) {
        case 0:
            StartOptions(args);
            break;
        case 1: {
            const int rc = Silenced(RunDecode, args);
            Require(rc == kUsage || (rc == kDone && !args.isEmpty()));
            break;
        }
        case 2: {
            const int rc = Silenced(RunWorkload, args);
            Require(rc == kDone || rc == kUsage);
            break;
        }
        case 3: {
            RecordArgs a;
            QString error;
            if (ParseRecordArgs(args, a, error))
                Require(!a.port.isEmpty() && !a.out.isEmpty() && a.samples >= 1 &&
                        a.interval >= 1 && a.interval <= 86400 && a.timeout >= kMinTimeoutSeconds &&
                        a.timeout <= 86400);
            else
                Require(!error.isEmpty());
            break;
        }
        case 4: {
            MemoryArgs a;
            QString error;
            if (ParseMemoryArgs(args, a, error))
                Require(!a.port.isEmpty() && a.set >= 0 && a.set <= 65535 &&
                        (a.set > 0) != a.out.isEmpty() && !(a.fahrenheit && a.set == 0) &&
                        a.timeout >= kMinTimeoutSeconds);
            else
                Require(!error.isEmpty());
            break;
        }
        case 5:
            Exercise(ParseClockArgs, args,
                     [](const ClockArgs& a) { return !a.port.isEmpty() && Seconds(a.timeout); });
            break;
        case 6:
            Exercise(ParseSamplingArgs, args, [](const SamplingArgs& a) {
                return !a.port.isEmpty() && Seconds(a.timeout) &&
                       (!a.set || (a.value >= 1 && a.value <= (a.byMinutes ? 60 : 59)));
            });
            break;
        case 7:
            Exercise(ParsePowerOffArgs, args, [](const PowerOffArgs& a) {
                return !a.port.isEmpty() && Seconds(a.timeout) &&
                       (!a.set || (a.seconds >= 1 && a.seconds <= 65535));
            });
            break;
        case 8:
            Exercise(ParseEraseArgs, args, [&](const EraseArgs& a) {
                return !a.port.isEmpty() && Seconds(a.timeout) && args.contains("--yes");
            });
            break;
        case 9:
            Exercise(ParseKeyArgs, args, [&](const KeyArgs& a) {
                return !a.port.isEmpty() && Seconds(a.timeout) && !a.keys.empty() &&
                       a.keys.size() <= size_t(args.size());
            });
            break;
        case 10:
            Exercise(ParseManualArgs, args, [](const ManualArgs& a) {
                return !a.port.isEmpty() && !a.out.isEmpty() && Seconds(a.timeout);
            });
            break;
        case 11:
            Exercise(ParsePrintArgs, args, [](const PrintArgs& a) {
                return !a.input.startsWith("--") && a.size >= 4 && a.size <= 72 &&
                       a.header.values.size() <= 3;
            });
            break;
        case 12:
            Exercise(ParseExportArgs, args,
                     [](const ExportArgs& a) { return !a.input.startsWith("--"); });
            break;
        case 13:
            Exercise(ParseHeaderArgs, args, [&](const HeaderArgs& a) {
                return args.contains(a.show ? "--show" : "--save") &&
                       !args.contains(a.show ? "--save" : "--show");
            });
            break;
        case 14:
            Exercise(ParsePlotArgs, args, [&](const PlotArgs& a) {
                // The kind is the name's extension unless --format names it; "-" (standard
                // output) is PNG without --format.
                const QString out = a.out.toLower();
                const bool kindShown = args.contains("--format") || (out == "-" && !a.pdf) ||
                                       out.endsWith(a.pdf ? ".pdf" : ".png");
                return !a.input.startsWith("--") && kindShown && a.width >= 1 && a.width <= 20000 &&
                       a.height >= 1 && a.height <= 20000;
            });
            break;
        case 15:
            Evaluate(args);
            break;
        case 16:
            Exercise(ParseSimArgs, args, [](const SimArgs& a) {
                return a.period >= 0.01 && a.period <= 3600 && !(a.emptyLogger && a.fullLogger) &&
                       int(a.period * 1000) >= 10;
            });
            break;
    }
    return 0;
}

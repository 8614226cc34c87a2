// Fuzz target for the command-line parsers. The input is a list of arguments separated by
// NUL bytes; its first byte picks the parser: montira's own options, `montira-cli decode`,
// `montira-cli workload` (both only parse and print), the record and memory parsers, or the
// option table of one of the other commands that talk to the meter or write files, read as
// those commands read it.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "ui/panel/PanelStartOptions.h"

namespace {

using namespace montira::cli;

struct Table {
    QStringList values, flags;
    QStringList wholes;  // keys read as whole numbers 1..86400
};

// Each command's keys, as the commands declare them.
const Table kTables[] = {
    {{"--port", "--out", "--samples", "--interval", "--timeout"},
     {"--fahrenheit"},
     {"--samples", "--interval"}},
    {{"--port", "--out", "--set", "--timeout"}, {"--fahrenheit"}, {"--set"}},
    {{"--port", "--timeout"}, {"--set"}, {}},
    {{"--port", "--minutes", "--seconds", "--timeout"}, {}, {}},
    {{"--port", "--set", "--timeout"}, {}, {}},
    {{"--port", "--timeout"}, {"--yes"}, {}},
    {{"--port", "--out", "--timeout"}, {"--fahrenheit"}, {}},
    {{"--pdf", "--name", "--sector", "--company", "--font", "--size"},
     {"--table", "--listing", "--landscape"},
     {"--size"}},
    {{"--csv"}, {"--point"}, {}},
    {{"--save", "--show", "--name", "--sector", "--company"}, {}, {}},
};

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QStringList args;
    for (const QByteArray& a : rest.split('\0')) args << QString::fromUtf8(a);
    if (rest.isEmpty()) args.clear();

    const int pick = data[0] % 13;
    QString error;
    if (pick == 3) {
        RecordArgs a;
        if (ParseRecordArgs(args, a, error) &&
            (a.port.isEmpty() || a.out.isEmpty() || a.samples < 1 || a.interval < 1 ||
             a.interval > 86400 || a.timeout < kMinTimeoutSeconds || a.timeout > 86400))
            std::abort();
        return 0;
    }
    if (pick == 4) {
        MemoryArgs a;
        if (ParseMemoryArgs(args, a, error) &&
            (a.port.isEmpty() || a.set < 0 || a.set > 65535 || (a.set > 0) == a.out.isEmpty() ||
             (a.fahrenheit && a.set == 0) || a.timeout < kMinTimeoutSeconds))
            std::abort();
        return 0;
    }
    if (pick == 0) {
        // Empty texts ("" or --port=) mean "not given"; anything else is taken or refused.
        bool given = false;
        for (const QString& a : args)
            given = given || !(a.isEmpty() || a == "--port=" || a == "--open=");
        const montira::StartOptions o = montira::ParseStartOptions(args);
        if (o.error.isEmpty() && given && o.port.isEmpty() && o.openFile.isEmpty() &&
            !o.selftestAcceptPort && !o.selftestExitAfterValues)
            std::abort();
    } else if (pick == 1) {
        const int rc = Silenced(RunDecode, args);
        if (rc != kDone && rc != kUsage) std::abort();
        if (rc == kDone && args.isEmpty()) std::abort();
    } else if (pick == 2) {
        const int rc = Silenced(RunWorkload, args);
        if (rc != kDone && rc != kUsage) std::abort();
    } else {
        const Table& t = kTables[(pick - 5) % std::size(kTables)];
        Options o;
        if (!ParseOptions(args, t.values, t.flags, o, error)) {
            if (error.isEmpty()) std::abort();
            return 0;
        }
        for (const QString& k : o.values.keys())
            if (!t.values.contains(k)) std::abort();
        for (const QString& k : t.wholes) {
            qint64 v = 0;
            QString e;
            if (ReadWhole(o, k, 1, 86400, v, e) ? (o.has(k) && (v < 1 || v > 86400)) : e.isEmpty())
                std::abort();
        }
        double s = 30;
        QString e;
        if (ReadTimeout(o, s, e) && (s < kMinTimeoutSeconds || s > 86400)) std::abort();
        if (ReadSeconds(o, "--timeout", s, e) && !(s > 0 && s <= 86400)) std::abort();
    }
    return 0;
}

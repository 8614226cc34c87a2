#include <QFile>
#include <cstdio>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/AppState.h"
#include "core/link/DeadlineClock.h"
#include "core/link/EventLoopClock.h"
#include "core/link/Poll.h"
#include "core/link/QtSerialPort.h"
#include "core/memory/LoggerDownload.h"
#include "core/memory/SetDecoder.h"
#include "core/record/SetFile.h"
#include "core/tables/SafeFile.h"

namespace montira::cli {

namespace {

// The main window's start: wait for a valid live frame (NoDataRoutine, with its clock
// check) and decode one, which also gives the probe calibration the stored records need.
bool WaitForMeter(SerialPort& port, Clock& clock, AppState& state, double timeoutSeconds) {
    DeadlineClock limited(clock, qint64(timeoutSeconds * 1000));
    Poll poll(port, limited, state.link, state.live);
    while (poll.framesShown() == 0 && !limited.stopping()) poll.tick();
    return poll.framesShown() > 0;
}

}  // namespace

// montira-cli memory: lists the logger's sets (number TAB mm:ss TAB records); with --set N
// --out FILE also writes set N as the downloaded-data list's "Save" writes it.
int RunMemory(const QStringList& args) {
    MemoryArgs a;
    QString error;
    if (!ParseMemoryArgs(args, a, error)) return Refuse("memory", error);

    AppState state;
    state.link.PortId = a.port;
    EventLoopClock clock;
    QtSerialPort port(a.port);
    if (!OpenMeterDevice(port, "memory")) return kFailure;
    if (!WaitForMeter(port, clock, state, a.timeout)) {
        std::fputs("Sem comunicação\n", stderr);
        return kNoMeter;
    }

    LoggerMemory memory;
    MeterLink link(port, clock, state.link);
    DownloadHooks hooks;
    hooks.silenceMs = qint64(a.timeout * 1000);
    switch (DownloadLogger(link, state, memory, hooks)) {
        case DownloadOutcome::Done:
            break;
        case DownloadOutcome::NothingStored:
            std::fputs("Não há dados armazenados na memória!\n", stderr);
            return kNothingStored;
        case DownloadOutcome::Refused:
            std::fputs("montira-cli memory: o medidor está registrando\n", stderr);
            return kFailure;
        case DownloadOutcome::Cut:
            std::fputs("montira-cli memory: a transferência foi interrompida\n", stderr);
            [[fallthrough]];
        case DownloadOutcome::Offline:
        case DownloadOutcome::Aborted:
            std::fputs("Sem comunicação\n", stderr);
            return kNoMeter;
    }
    port.close();

    for (size_t i = 0; i < memory.sets.size(); ++i) {
        const QStringList row = SetListRow(int(i + 1), memory.sets[i]);
        std::printf("%s\n", qPrintable(row.join(QLatin1Char('\t'))));
    }
    std::fflush(stdout);
    if (a.set == 0) return kDone;

    const LoggerSet* set = memory.set(a.set);
    if (!set) {
        std::fprintf(stderr, "montira-cli memory: --set %d: o medidor guarda %d conjunto(s)\n",
                     a.set, int(memory.sets.size()));
        return kUsage;
    }
    TextTable celsius, fahrenheit;
    Reading stored;
    DecodeSetRows(*set, state.live.calibration, stored, celsius, fahrenheit);
    const SaveOutcome saved = SaveFileSafely(
        a.out,
        [&](QIODevice& f) {
            return WriteSetFile(f, {}, {}, {}, SetListHeading(!a.fahrenheit),
                                a.fahrenheit ? fahrenheit : celsius);
        },
        &error);
    if (saved != SaveOutcome::Saved) {
        std::fprintf(stderr, "montira-cli memory: %s\n", qPrintable(error));
        return kFailure;
    }
    return kDone;
}

}  // namespace montira::cli

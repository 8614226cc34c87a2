#include <QFile>
#include <cstdio>

#include "cli/CommandArgs.h"
#include "cli/Commands.h"
#include "cli/MeterSession.h"
#include "cli/Options.h"
#include "cli/Usage.h"
#include "core/AppState.h"
#include "core/memory/LoggerDownload.h"
#include "core/memory/SetDecoder.h"
#include "core/record/SetFile.h"
#include "core/tables/SafeFile.h"

namespace montira::cli {

// montira-cli memory: lists the logger's sets (number TAB mm:ss TAB records); with --set N
// --out FILE also writes set N as the downloaded-data list's "Save" writes it.
int RunMemory(const QStringList& args) {
    MemoryArgs a;
    QString error;
    if (!ParseMemoryArgs(args, a, error)) return Refuse("memory", error);

    // The main window's start: a valid live frame (after NoDataRoutine, with its clock check)
    // also gives the probe calibration the stored records need.
    MeterSession m(a.port);
    if (const int code = m.start("memory", a.timeout); code != kDone) return code;

    LoggerMemory memory;
    DownloadHooks hooks;
    hooks.silenceMs = qint64(a.timeout * 1000);
    DownloadLogger download(m.state.link, memory, hooks);
    const std::optional<DownloadOutcome> refused = DownloadRefusal(m.state);
    if (!refused) m.run(download);
    switch (refused ? *refused : download.outcome()) {
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
    m.link.close();

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
    DecodeSetRows(*set, m.state.live.calibration, stored, celsius, fahrenheit);
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

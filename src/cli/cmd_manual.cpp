#include <QFileInfo>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/MeterArgs.h"
#include "cli/MeterSession.h"
#include "core/memory/ManualDownload.h"
#include "core/record/DataFile.h"
#include "core/record/SetFile.h"
#include "core/tables/SafeFile.h"

namespace montira::cli {

namespace {

// Writes the rows as the manual-records list's "Save" writes its visible grid. The target is
// replaced only once everything was written.
bool WriteRows(const QString& path, bool fahrenheit, const TextTable& rows) {
    QString error;
    const SaveOutcome saved = SaveFileSafely(
        path,
        [&](QIODevice& f) {
            return WriteSetFile(f, {}, {}, {}, DataFileHeading(!fahrenheit), rows);
        },
        &error);
    if (saved == SaveOutcome::Saved) return true;
    std::fprintf(stderr, "montira-cli manual: %s\n", qPrintable(error));
    return false;
}

// Where the complete records of a cut download go: beside FILE, "-parcial" before its
// extension ("manual.plv" gives "manual-parcial.plv"), so that the Open dialog still lists it.
QString PartialPath(const QString& out) {
    const QFileInfo info(out);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    const QString name = base + QStringLiteral("-parcial") +
                         (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return out.left(out.size() - info.fileName().size()) + name;
}

}  // namespace

// montira-cli manual --port DEV --out FILE [--fahrenheit]: downloads the manual records and
// writes them as the manual-records list's "Save" writes its visible grid. A download that
// stopped short never touches FILE: its complete records go to FILE-parcial beside it.
int RunManual(const QStringList& args) {
    ManualArgs a;
    QString message;
    if (!ParseManualArgs(args, a, message)) {
        std::fputs(qPrintable(message), stderr);
        return kUsage;
    }
    MeterSession m(a.port);
    if (const int code = m.start("manual", a.timeout); code != kDone) return code;

    const std::optional<ManualOutcome> refused = ManualRefusal(m.state);
    DownloadManual download(m.state);
    if (!refused) m.run(download);
    const ManualOutcome outcome = refused ? *refused : download.outcome();
    const ManualDump& dump = download.dump();
    switch (outcome) {
        case ManualOutcome::Done:
        case ManualOutcome::Incomplete:
            break;
        case ManualOutcome::NothingStored:
            std::fprintf(stderr, "%s\n", qPrintable(NothingStoredText()));
            return kNothingStored;
        case ManualOutcome::Refused:
            std::fputs("montira-cli manual: o medidor está registrando\n", stderr);
            return kFailure;
        case ManualOutcome::Offline:
        case ManualOutcome::NoAnswer:
            return NoMeter();
    }
    m.link.close();
    TextTable celsius, fahrenheit;
    const int rows = DecodeManualRows(dump, m.state.live.calibration, celsius, fahrenheit);
    const TextTable& shown = a.fahrenheit ? fahrenheit : celsius;
    if (outcome == ManualOutcome::Done)
        return WriteRows(a.out, a.fahrenheit, shown) ? kDone : kFailure;

    // A dump that stopped short is no success, and the file asked for stays as it was.
    std::fprintf(stderr,
                 "montira-cli manual: a transferência foi interrompida: %d de %d registros "
                 "completos; %s não foi alterado\n",
                 rows, dump.count, qPrintable(a.out));
    if (rows > 0) {
        const QString partial = PartialPath(a.out);
        if (!WriteRows(partial, a.fahrenheit, shown)) return kFailure;
        std::fprintf(stderr, "montira-cli manual: registros completos gravados em %s\n",
                     qPrintable(partial));
    }
    return NoMeter();
}

}  // namespace montira::cli

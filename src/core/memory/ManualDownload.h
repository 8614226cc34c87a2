#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "core/AppState.h"
#include "core/link/Exchange.h"
#include "core/memory/DumpReceiver.h"
#include "core/meter/AirSpeed.h"
#include "core/tables/TextTable.h"

namespace montira {

enum class ManualOutcome {
    Refused,        // a logging run or another exchange is in progress: nothing was done
    Offline,        // the meter was not answering (MeterOnline False): nothing was sent
    NothingStored,  // "S" answered 'Z'
    NoAnswer,       // the meter stayed silent during the "S" query
    Incomplete,     // the "T" dump stopped short (live frames came where records should go
                    // on, or the meter fell silent); `dump` holds what came before
    Done,
};

// What the keypad window (or the command line) plugs into the download. All optional.
struct ManualHooks {
    // "S" answered 'Y': the records list opens afresh. Called before "T" is sent.
    std::function<void(int count)> begin;
    // Bytes received so far (capped at expected) and expected, after every read.
    std::function<void(qint64 received, qint64 expected)> progress;
};

struct ManualDump {
    int count = 0;     // N of the "S" reply
    QByteArray bytes;  // what the "T" reply brought, at most N × 20 bytes, none of a frame
};

// Refused when the download may not start now (the meter logs, or another exchange runs),
// Offline when the meter is not answering; nothing otherwise.
std::optional<ManualOutcome> ManualRefusal(const AppState& state);

// The manual-record download of the keypad's CmdReadAll: "S" until 'Y' or 'Z', then "T" and
// N × 20 bytes. FlagRun (the download's busy mark) is True from the query to the end and
// False at every end. The query and the receive loop give up after 10 s without progress;
// the dump ends where a live frame begins inside it (DumpReceiver), never at a pause.
class DownloadManual : public Exchange {
public:
    DownloadManual(AppState& state, ManualHooks hooks = {});
    ManualOutcome outcome() const { return outcome_; }
    const ManualDump& dump() const { return out_; }

protected:
    void step(qint64 now) override;
    void arrived(qint64 now) override;
    void abandoning() override;

private:
    enum { Begin, Ask, Letter, Read, DumpLetter, Receive };
    void end(ManualOutcome o);
    void check(qint64 now);
    bool& run_;
    ManualHooks hooks_;
    ManualDump out_;
    std::optional<DumpReceiver> dump_;
    ManualOutcome outcome_ = ManualOutcome::NoAnswer;
};

// Decodes the complete records of a dump into the two tables: record N is row 1, record 1 is
// row N (the record received last is listed first). Each record is decoded into a Reading of
// its own with the kept probe calibration. Returns the number of rows.
int DecodeManualRows(const ManualDump& dump, const ProbeCalibration& calibration,
                     TextTable& celsius, TextTable& fahrenheit);

// The caption while the dump arrives: received × 100 / expected with one decimal and
// " % completas" ("45.0 % completas"); "100.0 % completas" when nothing is expected.
QString ManualProgressCaption(qint64 received, qint64 expected);

// The message when "S" answered 'Z'.
QString NothingStoredText();

}  // namespace montira

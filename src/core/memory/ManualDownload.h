#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/memory/Exchange.h"
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
    PollPause poll;
    // "S" answered 'Y': the records list opens afresh. Called before "T" is sent.
    std::function<void(int count)> begin;
    // Bytes received so far (capped at expected) and expected, after every read.
    std::function<void(qint64 received, qint64 expected)> progress;
};

struct ManualDump {
    int count = 0;     // N of the "S" reply
    QByteArray bytes;  // what the "T" reply brought, at most N × 20 bytes, none of a frame
};

// The manual-record download of the keypad's CmdReadAll: "S" until 'Y' or 'Z', then "T" and
// N × 20 bytes. KeypadBusy and FlagRun (the download's busy mark) are True from the query to
// the end and False at every end; the poll is stopped throughout and runs again at the end.
// The query and the receive loop give up after 10 s without progress; the dump ends where a
// live frame begins inside it (DumpReceiver), never at a pause.
ManualOutcome DownloadManual(SerialPort& port, Clock& clock, AppState& state, ManualDump& out,
                             const ManualHooks& hooks = {});

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

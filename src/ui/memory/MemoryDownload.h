#pragma once
#include <QWidget>
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/memory/LoggerDownload.h"

namespace montira {

// The main toolbar's "Memory": closes an open Memory window, downloads the logger ("c",
// "C") into a fresh one with its progress, and lists the sets; an empty logger gets
// "Não há dados armazenados na memória!". The toolbar registers it for the key "Memory".
// It keeps its own guards: it does nothing while FlagRun or KeypadBusy is True, sets
// KeypadBusy for the exchange, stops and restarts the poll through the two callbacks; so the
// caller must not set KeypadBusy around it.
void RunMemoryCommand(AppState& state, SerialPort& port, Clock& clock, QWidget* panel,
                      std::function<void()> stopPoll, std::function<void()> startPoll);
// The same, telling how the download ended.
DownloadOutcome RunMemoryDownload(AppState& state, SerialPort& port, Clock& clock, QWidget* panel,
                                  std::function<void()> stopPoll, std::function<void()> startPoll);

// The open Memory window, if any.
class Memory;
Memory* FindMemoryWindow(QWidget* panel);

}  // namespace montira

#pragma once
#include <QWidget>
#include <functional>

#include "core/AppState.h"
#include "core/memory/LoggerDownload.h"

namespace montira {

class DataList;

// The main toolbar's "Memory": closes an open Memory window, downloads the logger ("c",
// "C") into a fresh one with its progress, and lists the sets; an empty logger gets
// "Não há dados armazenados na memória!". The toolbar registers it for the key "Memory".
// It keeps its own guards: it does nothing while FlagRun or KeypadBusy is True, sets
// KeypadBusy for the exchange and holds the meter link (the poll pauses); so the caller must
// not set KeypadBusy around it. Tells how the download ended.
// `dataListOpened` fits out each downloaded-data list opened from the window.
DownloadOutcome RunMemoryDownload(AppState& state, MeterLink& link, QWidget* panel,
                                  std::function<void(DataList*)> dataListOpened = {});

// The open Memory window, if any.
class Memory;
Memory* FindMemoryWindow(QWidget* panel);

}  // namespace montira

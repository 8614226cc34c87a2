#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/LoggerDownload.h"

namespace montira {

class DataList;

// The main toolbar's "Memory": closes an open Memory window (aborting a download it was
// filling), and downloads the logger ("c", "C") into a fresh one that shows with its progress
// and lists the sets; an empty logger gets "Não há dados armazenados na memória!". The toolbar
// registers it for the key "Memory". It keeps its own guards: it starts nothing while the meter
// is silent (Offline), logs or another exchange runs (Refused), and tells which; nothing when
// the download started, whose end `ended` learns. `dataListOpened` fits out each
// downloaded-data list opened from the window.
std::optional<DownloadOutcome> RunMemoryDownload(AppState& state, MeterLink& link, QWidget* panel,
                                                 std::function<void(DataList*)> dataListOpened = {},
                                                 std::function<void(DownloadOutcome)> ended = {});

// The open Memory window, if any.
class Memory;
Memory* FindMemoryWindow(QWidget* panel);

}  // namespace montira

#include "ui/memory/MemoryDownload.h"

#include <QApplication>

#include "ui/memory/Memory.h"

namespace montira {

Memory* FindMemoryWindow(QWidget* panel) {
    const QList<QWidget*> windows = panel
                                        ? panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                                        : QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (auto* m = dynamic_cast<Memory*>(w); m && m->isVisible()) return m;
    return nullptr;
}

std::optional<DownloadOutcome> RunMemoryDownload(AppState& state, MeterLink& link, QWidget* panel,
                                                 std::function<void(DataList*)> dataListOpened,
                                                 std::function<void(DownloadOutcome)> ended) {
    if (!state.link.MeterOnline) return DownloadOutcome::Offline;
    // Every download starts with a fresh window. Closing one that a download is still
    // filling aborts that download.
    while (Memory* open = FindMemoryWindow(panel)) open->close();
    if (const auto refused = DownloadRefusal(state)) return refused;

    // The window stays hidden until the status says there are data.
    auto* window = new Memory(state, link, panel);
    window->dataListOpened = std::move(dataListOpened);
    if (window->download(std::move(ended))) return std::nullopt;
    delete window;
    return DownloadOutcome::Refused;
}

}  // namespace montira

#include "ui/memory/MemoryDownload.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <memory>

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

DownloadOutcome RunMemoryDownload(AppState& state, MeterLink& link, QWidget* panel,
                                  std::function<void(DataList*)> dataListOpened) {
    if (!state.link.MeterOnline) return DownloadOutcome::Offline;
    // Every download starts with a fresh window. Closing one that a download is still
    // filling aborts that download; this one is then refused (KeypadBusy).
    while (Memory* open = FindMemoryWindow(panel)) open->close();

    auto memory = std::make_shared<LoggerMemory>();
    QPointer<Memory> window;
    DownloadHooks h;
    h.nothingStored = [panel] {
        QMessageBox box(
            QMessageBox::Critical,
            QCoreApplication::translate("MemoryDownload", "MONTIRA DE STRESS TERMICO"),
            QCoreApplication::translate("MemoryDownload", "Não há dados armazenados na memória!"),
            QMessageBox::Ok, panel);
        box.setObjectName(QStringLiteral("NothingStoredMessage"));
        box.exec();
    };
    h.begin = [&](const MemoryStatus&) {
        window = new Memory(state, link, panel);
        window->dataListOpened = dataListOpened;
        window->setDownloading(true);
        window->show();
    };
    h.progress = [&window](qint64 received, qint64 expected) {
        if (window) window->showProgress(received, expected);
    };
    h.cancelled = [&window] { return !window || !window->isVisible(); };

    const DownloadOutcome outcome = DownloadLogger(link, state, *memory, h);
    if (!window) return outcome;
    window->setDownloading(false);
    if (outcome != DownloadOutcome::Done) {
        if (window->isVisible()) window->close();
        if (outcome == DownloadOutcome::Cut) {
            // The meter stopped in the middle of the dump: say so, not just close the window.
            QMessageBox box(
                QMessageBox::Critical,
                QCoreApplication::translate("MemoryDownload", "MONTIRA DE STRESS TERMICO"),
                QCoreApplication::translate("MemoryDownload", "Sem comunicação"), QMessageBox::Ok,
                panel);
            box.setObjectName(QStringLiteral("DumpCutMessage"));
            box.exec();
        }
        return outcome;
    }
    window->restoreCaption();
    window->showMemory(std::move(memory));
    return outcome;
}

}  // namespace montira

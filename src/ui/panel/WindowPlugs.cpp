#include "ui/panel/WindowPlugs.h"

#include <QPointer>

#include "app/ToolbarDispatch.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/panel/Panel.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/workload/WorkLoad.h"

namespace montira {

void PlugWindows(Panel& panel, ToolbarWiring& wiring) {
    ToolbarCommands& commands = wiring.commands();

    // "Memory": the download keeps its own guards and busy mark, and holds the meter link.
    commands.plug(ToolbarCommand::Memory,
                  [&panel] { RunMemoryDownload(panel.state(), panel.link(), &panel); });
    commands.closeMemoryWindow = [&panel] {
        if (Memory* m = FindMemoryWindow(&panel)) m->close();
    };

    // "Environment": one work-load window at a time, following the samples while it is open.
    auto workLoad = std::make_shared<QPointer<ui::WorkLoad>>();
    SampleTicker* ticker = &wiring.ticker();
    commands.plug(ToolbarCommand::Environment, [&panel, workLoad, ticker] {
        if (*workLoad) return;
        auto* w = new ui::WorkLoad(panel.state(), ticker, &panel);
        w->setWindowFlag(Qt::Window);
        w->move(panel.frameGeometry().topRight());
        *workLoad = w;
        w->show();
    });
}

}  // namespace montira

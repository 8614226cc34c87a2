#include "ui/panel/WindowPlugs.h"

#include <QPointer>

#include "app/ToolbarDispatch.h"
#include "ui/panel/Panel.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/workload/WorkLoad.h"

namespace montira {

void PlugWindows(Panel& panel, ToolbarWiring& wiring) {
    ToolbarCommands& commands = wiring.commands();

    // "Memory": the download keeps its own guards and busy mark.
    commands.plug(toolbar::Memory, [&panel] {
        RunMemoryCommand(
            panel.state(), panel.port(), panel.clock(), &panel, [&panel] { panel.stopPoll(); },
            [&panel] { panel.startPoll(); });
    });
    commands.closeMemoryWindow = [&panel] {
        if (Memory* m = FindMemoryWindow(&panel)) m->close();
    };

    // "Environment": one work-load window at a time; it clears WorkLoadOpen when it closes.
    auto workLoad = std::make_shared<QPointer<ui::WorkLoad>>();
    commands.plug(toolbar::Environment, [&panel, workLoad] {
        auto* w = new ui::WorkLoad(panel.state(), &panel);
        w->setWindowFlag(Qt::Window);
        w->move(panel.frameGeometry().topRight());
        *workLoad = w;
        w->show();
    });
    wiring.ticker().averagesChanged = [workLoad] {
        if (*workLoad) (*workLoad)->ShowAverages();
    };
}

}  // namespace montira

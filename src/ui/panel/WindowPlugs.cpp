#include "ui/panel/WindowPlugs.h"

#include <QPointer>

#include "app/ToolbarDispatch.h"
#include "core/memory/Exchange.h"
#include "core/memory/MeterSettings.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/MeterBtn.h"
#include "ui/memory/SamplingDialogs.h"
#include "ui/memory/SettingsFlows.h"
#include "ui/memory/Setup.h"
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

    // The meter's settings. Each exchange pauses the poll through the one owner of the link.
    const PollPause pause = PauseOf(panel.link());
    auto settings = std::make_shared<SettingsContext>(
        SettingsContext{panel.state(), panel.port(), panel.clock(), pause, &panel, {}, {}, {}});
    UseDesktopDialogs(*settings);
    commands.samplingChoice = [&panel, settings] {
        SamplingChoice d(settings->sampling, &panel);
        d.exec();
        return settings->sampling.SamplingByPC;
    };
    commands.plug(ToolbarCommand::Sample, [settings] { RunMeterSampling(*settings); });
    commands.plug(ToolbarCommand::PowerOff, [settings] { RunPowerOff(*settings); });
    commands.plug(ToolbarCommand::SetTime, [&panel, pause] {
        Setup d(panel.state(), panel.port(), panel.clock(), pause, &panel);
        d.exec();
    });

    // "Btn": one keypad window, mirroring the meter's display while it is open.
    auto keypad = std::make_shared<QPointer<MeterBtn>>();
    commands.plug(ToolbarCommand::Btn, [&panel, keypad, pause] {
        if (!*keypad) {
            *keypad = new MeterBtn(panel.state(), panel.port(), panel.clock(), pause, &panel);
            (*keypad)->setWindowFlag(Qt::Window);
        }
        (*keypad)->show();
        (*keypad)->raise();
    });
    panel.onReplica = [keypad](const ReplicaView& v) {
        if (*keypad) (*keypad)->showReplica(v);
    };
    panel.onCloseKeypad = [keypad] {
        if (*keypad && (*keypad)->isVisible()) (*keypad)->close();
    };
}

}  // namespace montira

#include "ui/panel/WindowPlugs.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <memory>
#include <optional>

#include "app/ToolbarDispatch.h"
#include "core/graphs/ChartSettings.h"
#include "core/memory/MeterSettings.h"
#include "ui/common/LiveFollow.h"
#include "ui/graphs/ListPlot1.h"
#include "ui/graphs/RealTime24.h"
#include "ui/memory/Memory.h"
#include "ui/memory/MemoryDownload.h"
#include "ui/memory/MeterBtn.h"
#include "ui/memory/SamplingDialogs.h"
#include "ui/memory/SettingsFlows.h"
#include "ui/memory/Setup.h"
#include "ui/panel/Panel.h"
#include "ui/panel/ToolbarWiring.h"
#include "ui/tables/AddText.h"
#include "ui/tables/DataList.h"
#include "ui/tables/FileList.h"
#include "ui/tables/List.h"
#include "ui/tables/ListWindowTools.h"
#include "ui/tables/Manual.h"
#include "ui/tables/TableTools.h"
#include "ui/workload/WorkLoad.h"

namespace montira {

namespace {

// The data plot of a table (one plot window at a time, drawn again for each "Plot").
class PlotOpener {
public:
    explicit PlotOpener(Panel& panel) : panel_(panel) {}
    void open(const TableModel& m, const HeaderTexts& header) {
        if (!plot_) {
            plot_ = new ListPlot1(&panel_, &panel_);
            plot_->setWindowFlag(Qt::Window);
        }
        const QStringList heading = m.heading();
        plot_->plotTable(m.rows(), heading.isEmpty() ? QString() : heading.first(), header);
        // Drawn again in a window that may already be open behind the list: bring it up.
        plot_->raise();
        plot_->activateWindow();
    }

private:
    Panel& panel_;
    QPointer<ListPlot1> plot_;
};

HeaderTexts BoxTexts(const QLineEdit* n, const QLineEdit* s, const QLineEdit* c) {
    return {n->text(), s->text(), c->text()};
}

// The keypad's "CmdReadAll" fills the manual-records window.
void PlugManual(Panel& panel, MeterBtn& keypad,
                const std::function<void(TwelveColumnWindow*)>& fitOut,
                std::shared_ptr<PlotOpener> plots) {
    auto manual = std::make_shared<QPointer<Manual>>();
    keypad.closeManual = [manual] {
        if (*manual) (*manual)->close();
    };
    keypad.openManual = [&panel, manual, fitOut, plots](int) {
        auto* m = new Manual(panel.state(), &panel);
        m->setWindowFlag(Qt::Window);
        QObject::connect(m->action(QStringLiteral("Plot")), &QAction::triggered, m,
                         [m, plots] { plots->open(m->visibleModel(), m->headerTexts()); });
        // The listing's print keeps the live reader stopped while it runs.
        MeterLink* link = &panel.link();
        auto lease = std::make_shared<std::optional<MeterLink::Lease>>();
        m->poll = [link, lease](bool run) {
            if (run)
                lease->reset();
            else if (!*lease)
                lease->emplace(link->take());
        };
        fitOut(m);
        *manual = m;
        m->show();
    };
    keypad.manualCaption = [manual](const QString& c) {
        if (*manual) (*manual)->setWindowTitle(c);
    };
    keypad.restoreManualCaption = [manual] {
        if (*manual)
            (*manual)->setWindowTitle(
                QCoreApplication::translate("WindowPlugs", "Registros Manuais"));
    };
    keypad.manualRows = [&panel, manual](const TextTable& c, const TextTable& f) {
        if (*manual) (*manual)->setRows(c, f, panel.state().CelsiusMode);
    };
}

}  // namespace

void PlugWindows(Panel& panel, ToolbarWiring& wiring) {
    ToolbarCommands& commands = wiring.commands();

    // "Memory": the download keeps its own guards; the link marks it busy.
    // One spreadsheet setting for the whole run, shared by every list window's export.
    auto csv = std::make_shared<CsvChoice>();
    auto plots = std::make_shared<PlotOpener>(panel);
    commands.plug(ToolbarCommand::Memory, [&panel, csv, plots] {
        RunMemoryDownload(panel.state(), panel.link(), &panel, [csv, plots](DataList* d) {
            AttachTableTools(d, csv.get());
            QObject::connect(d->action(QStringLiteral("Plot")), &QAction::triggered, d, [d, plots] {
                plots->open(d->DataListCelsius ? *d->modelC() : *d->modelF(),
                            BoxTexts(d->TxtName, d->TxtSector, d->TxtCompany));
            });
        });
    });
    wiring.dialogs().fileListOpened = [csv, plots](FileList* f) {
        AttachTableTools(f, csv.get());
        f->onPlot = [f, plots] {
            plots->open(*f->model(), BoxTexts(f->TxtName, f->TxtSector, f->TxtCompany));
        };
    };

    // "Graph": the real-time chart, one for the run, fed with each frame the panel shows.
    auto chartSettings = std::make_shared<ChartSettings>();
    auto chart = std::make_shared<QPointer<RealTime24>>();
    commands.plug(ToolbarCommand::Graph, [&panel, chartSettings, chart] {
        if (!*chart) {
            auto* c = new RealTime24(*chartSettings, &panel, &panel);
            c->setWindowFlag(Qt::Window);
            c->setPollInterval(150);  // the main window's poll tick, as the chart always ran
            FollowLive(c, panel.session(), [c, &panel, chartSettings](const LiveEvent& e) {
                if (e.kind == LiveEvent::Frame) c->addSample(panel.state().live.reading);
                if (e.kind == LiveEvent::Silent && chartSettings->ChartOpen) c->closeChart();
            });
            *chart = c;
        }
        if (chartSettings->ChartOpen) {
            (*chart)->raise();
            return;
        }
        (*chart)->addSample(panel.state().live.reading);
        (*chart)->setCelsiusMode(panel.state().CelsiusMode);
        (*chart)->openChart();
    });

    // "AddText": the name/sector/company window. Its texts go into recordings, auto-saves and
    // the list windows opened while it is open (users type them once).
    auto addText = std::make_shared<QPointer<AddText>>();
    commands.plug(ToolbarCommand::AddText, [&panel, addText] {
        if (!*addText) {
            *addText = new AddText(panel.state(), &panel);
            (*addText)->setWindowFlag(Qt::Window);
        }
        (*addText)->show();
        (*addText)->raise();
    });
    wiring.ticker().headerTexts = [addText] {
        return *addText ? (*addText)->texts() : HeaderTexts{};
    };
    auto fitOut = [csv, addText](TwelveColumnWindow* w) {
        w->csvChoice = csv.get();
        if (*addText) w->setHeaderTexts((*addText)->texts());
    };

    // "List": the live list, fed by the sample tick through the live-list feed.
    auto list = std::make_shared<QPointer<List>>();
    LiveListFeed* feed = &wiring.liveList();
    commands.plug(ToolbarCommand::List, [&panel, list, feed, fitOut] {
        auto* w = new List(panel.state(), *feed, &panel);
        w->setWindowFlag(Qt::Window);
        FollowLive(w, panel.session(), [w](const LiveEvent& e) {
            if (e.kind == LiveEvent::Silent && w->isVisible()) w->close();
        });
        fitOut(w);
        *list = w;
        w->show();
    });
    feed->rowAdded = [list](const QStringList& rowC, const QStringList& rowF) {
        if (*list) (*list)->appendRows(rowC, rowF);
    };
    feed->restarted = [list] {
        if (*list) (*list)->clearRows();
    };
    feed->waitCursor = [list](bool on) {
        if (!*list) return;
        if (on)
            (*list)->autoSaveStarted();
        else
            (*list)->autoSaveEnded();
    };
    feed->saving = [list](long long row) {
        if (*list) (*list)->autoSaveProgress(row);
    };
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

    // The meter's settings: each a flow of exchanges on the one owner of the link.
    auto settings = std::make_shared<SettingsFlows>(panel.state(), panel.link(), &panel);
    commands.samplingChoice = [&panel, settings] {
        SamplingChoice d(settings->sampling, &panel);
        d.exec();
        return settings->sampling.SamplingByPC;
    };
    commands.plug(ToolbarCommand::Sample, [settings] { settings->runMeterSampling(); });
    commands.plug(ToolbarCommand::PowerOff, [settings] { settings->runPowerOff(); });
    commands.plug(ToolbarCommand::SetTime, [&panel] {
        Setup d(panel.state(), panel.link(), &panel);
        d.exec();
    });

    // "Btn": one keypad window, mirroring the meter's display while it is open.
    auto keypad = std::make_shared<QPointer<MeterBtn>>();
    commands.plug(ToolbarCommand::Btn, [&panel, keypad, fitOut, plots] {
        if (!*keypad) {
            auto* k = new MeterBtn(panel.state(), panel.link(), &panel);
            k->setWindowFlag(Qt::Window);
            // While it is open it mirrors the meter's display, and it closes when the meter
            // falls silent.
            auto replica = std::make_shared<ReplicaView>();
            FollowLive(k, panel.session(), [k, &panel, replica](const LiveEvent& e) {
                const AppState& st = panel.state();
                if (e.kind == LiveEvent::Frame && st.link.KeypadOpen) {
                    *replica = ComputeReplica(st.live.flags, st.live.display, *replica);
                    k->showReplica(*replica);
                }
                if (e.kind == LiveEvent::Silent && k->isVisible()) k->close();
            });
            PlugManual(panel, *k, fitOut, plots);
            *keypad = k;
        }
        (*keypad)->show();
        (*keypad)->raise();
    });
}

}  // namespace montira

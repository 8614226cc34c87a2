#include "ui/panel/ToolbarWiring.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

#include "ui/panel/Panel.h"

namespace montira {

ToolbarWiring::ToolbarWiring(Panel& panel)
    : QObject(&panel),
      panel_(panel),
      recorder_(panel.state()),
      list_(panel.state()),
      ticker_(panel.state(), recorder_, list_),
      dispatch_(panel.state().link),
      dialogs_(&panel, panel.state()),
      commands_(panel.state(), panel.port(), panel.clock(), recorder_, list_, dialogs_),
      toolbar_(new Toolbar(panel.toolbar(), dispatch_)) {
    commands_.registerWith(dispatch_);
    recorder_.changed = [this] { showRecorder(); };
    ticker_.recordError = [this](const QString&) { ShowRecordingError(&panel_); };
    panel.onSampleTick = [this] { ticker_.tick(QDateTime::currentDateTime()); };
    // The meter went silent: the file is closed and the panel shows it now, not only at the
    // next sample tick (which can be hours away with a long interval).
    panel.onStopRecording = [this] { recorder_.stop(); };
    dialogs_.pollRunning = [this](bool on) { on ? panel_.startPoll() : panel_.stopPoll(); };
    dialogs_.sampleRunning = [this](bool on) {
        if (on && !panel_.clock().stopping())
            panel_.timer2()->start();
        else
            panel_.timer2()->stop();
    };
    dialogs_.unitShown = [this](bool) { panel_.showUnitMarkers(); };
    showRecorder();
}

// Destroyed with the panel, as its child: nothing of the panel is touched here.
ToolbarWiring::~ToolbarWiring() = default;

bool ToolbarWiring::openFile(const QString& path) {
    return commands_.openFile(path);
}

void ToolbarWiring::showRecorder() {
    const PanelWidgets& w = panel_.widgets();
    const bool on = panel_.state().Recording;
    w.LblRec->setVisible(on);
    w.LblCount->setText(on && recorder_.RecordCount > 0 ? QString::number(recorder_.RecordCount)
                                                        : QString());
    w.LblFileName->setText(recorder_.fileTitle());
    toolbar_->setRecording(on);
}

}  // namespace montira

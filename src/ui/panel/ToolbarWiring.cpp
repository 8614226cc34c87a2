#include "ui/panel/ToolbarWiring.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

#include "ui/panel/Panel.h"

namespace montira {

ToolbarWiring::ToolbarWiring(Panel& panel)
    : QObject(&panel),
      panel_(panel),
      session_(panel.session()),
      dispatch_(panel.state().link),
      dialogs_(&panel, panel.panelState()),
      commands_(panel.state(), session_.link(), session_.recorder(), session_.liveList(), dialogs_),
      toolbar_(new Toolbar(panel.toolbar(), dispatch_)) {
    commands_.registerWith(dispatch_);
    session_.recorder().changed = [this] { showRecorder(); };
    session_.ticker().recordError = [this](const QString& m) {
        ShowRecordingErrorWithoutWaiting(&panel_, m);
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
    const Recorder& r = session_.recorder();
    w.LblCount->setText(on && r.RecordCount > 0 ? QString::number(r.RecordCount) : QString());
    w.LblFileName->setText(r.fileTitle());
    toolbar_->setRecording(on);
}

}  // namespace montira

#pragma once
#include <QObject>

#include "core/record/LiveListFeed.h"
#include "core/record/Recorder.h"
#include "core/record/SampleTick.h"
#include "app/ToolbarDispatch.h"
#include "app/ToolbarCommands.h"
#include "ui/panel/Toolbar.h"
#include "ui/panel/ToolbarDialogs.h"

namespace montira {

class Panel;

// Puts the recorder, the sample tick and the toolbar commands on the main window: fills
// Toolbar1, runs the sample tick on Timer2, keeps LblRec, LblCount, LblFileName and button 1
// in step with the recorder, and shows the file window for "Open" (and "--open FILE").
// Other windows plug into commands() by key.
class ToolbarWiring : public QObject {
public:
    explicit ToolbarWiring(Panel& panel);
    ~ToolbarWiring() override;

    Recorder& recorder() { return recorder_; }
    LiveListFeed& liveList() { return list_; }
    SampleTicker& ticker() { return ticker_; }
    ToolbarDispatch& dispatch() { return dispatch_; }
    ToolbarCommands& commands() { return commands_; }
    ToolbarDialogs& dialogs() { return dialogs_; }
    Toolbar& toolbar() { return *toolbar_; }

    // Reads a data file into the file window, as "Open" does after its dialog.
    bool openFile(const QString& path);

private:
    void showRecorder();

    Panel& panel_;
    Recorder recorder_;
    LiveListFeed list_;
    SampleTicker ticker_;
    ToolbarDispatch dispatch_;
    ToolbarDialogs dialogs_;
    ToolbarCommands commands_;
    Toolbar* toolbar_;
};

}  // namespace montira

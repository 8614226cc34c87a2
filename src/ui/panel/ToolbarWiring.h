#pragma once
#include <QObject>

#include "app/LiveSession.h"
#include "app/ToolbarCommands.h"
#include "app/ToolbarDispatch.h"
#include "ui/panel/Toolbar.h"
#include "ui/panel/ToolbarDialogs.h"

namespace montira {

class Panel;

// Puts the toolbar commands on the main window: fills Toolbar1, keeps LblRec, LblCount,
// LblFileName and button 1 in step with the live session's recorder, and shows the file
// window for "Open" (and "--open FILE"). Other windows plug into commands() by command.
class ToolbarWiring : public QObject {
public:
    explicit ToolbarWiring(Panel& panel);
    ~ToolbarWiring() override;

    Recorder& recorder() { return session_.recorder(); }
    LiveListFeed& liveList() { return session_.liveList(); }
    SampleTicker& ticker() { return session_.ticker(); }
    ToolbarDispatch& dispatch() { return dispatch_; }
    ToolbarCommands& commands() { return commands_; }
    ToolbarDialogs& dialogs() { return dialogs_; }
    Toolbar& toolbar() { return *toolbar_; }

    // Reads a data file into the file window, as "Open" does after its dialog.
    bool openFile(const QString& path);

private:
    void showRecorder();

    Panel& panel_;
    LiveSession& session_;
    ToolbarDispatch dispatch_;
    ToolbarDialogs dialogs_;
    ToolbarCommands commands_;
    Toolbar* toolbar_;
};

}  // namespace montira

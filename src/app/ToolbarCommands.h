#pragma once
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "app/ToolbarDispatch.h"
#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/LoggerDownload.h"
#include "core/record/DataFile.h"
#include "core/record/LiveListFeed.h"
#include "core/record/Recorder.h"

namespace montira {

// The file window as the Open command fills it.
class FileListTarget {
public:
    virtual ~FileListTarget() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setHeaderTexts(const QString& name, const QString& sector,
                                const QString& company) = 0;
    virtual void setHeading(const QStringList& heading) = 0;  // row 0 of the twelve grids
    virtual void setRows(TextTable rows) = 0;
};

// What the commands need from the main window: dialogs, message boxes, its two timers and
// the file window. The window implements it with real dialogs; tests with answers.
class ToolbarHost {
public:
    virtual ~ToolbarHost() = default;
    // Save-as / open dialog for data files (filter "Data Files (*.plv)|*.plv|All Files
    // (*.*)|*.*|"); false on cancel.
    virtual bool saveDataDialog(QString* path) = 0;
    virtual bool openDataDialog(QString* path) = 0;
    // "Erro!Registrando!", critical icon, title "MONTIRA DE STRESS TERMICO".
    virtual void busyMessage() = 0;
    // "All saved data in memory will be deleted." OK / Cancel, title "Warning".
    virtual bool confirmErase() = 0;
    // An input box; false on Cancel.
    virtual bool inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                          QString* answer) = 0;
    // The panel shows ImaC or ImaF after the unit changed.
    virtual void unitChanged(bool celsius) = 0;
    // Closes the file window if it is open and opens it again, empty with its headings.
    virtual FileListTarget* reopenFileList() = 0;
    // Says why a file could not be opened, or what was wrong in one that was.
    virtual void fileProblem(const QString& message) = 0;
};

// What a typed sampling interval gives: abandon (empty or Cancel), ask again (not a
// number), or the interval rounded half to even and clamped to 1..86400.
struct SampleAnswer {
    enum Kind { Abandon, AskAgain, Value } kind = Abandon;
    int value = 0;
};
SampleAnswer ParseSampleAnswer(const QString& text);

// The "( °F )" / "(°F)" test of the file window's Plot: "°C" when the heading's first field
// holds "°C", else "°F".
QString ListUnitOfHeading(const QString& firstHeading);

// Every command of Toolbar1. The commands that only open another area's window run a hook
// plugged in for their key; until a window is plugged its button does nothing.
class ToolbarCommands {
    Q_DECLARE_TR_FUNCTIONS(ToolbarCommands)

public:
    ToolbarCommands(AppState& state, MeterLink& link, Recorder& recorder, LiveListFeed& list,
                    ToolbarHost& host);

    // Registers every command with a dispatch.
    void registerWith(ToolbarDispatch& dispatch);

    // Plugs another area's window (or exchange) in for a command: List, Graph, Environment,
    // AddText, Btn open their windows (a window that is open already is brought forward by its
    // own plug); PowerOff, Memory, SetTime run their part of the command after the guards,
    // holding the meter link; Sample is the meter's own sampling exchange.
    void plug(ToolbarCommand c, std::function<void()> run) {
        plugged_.insert(int(c), std::move(run));
    }
    bool plugged(ToolbarCommand c) const { return plugged_.contains(int(c)); }
    // The sampling choice window (modal): returns SamplingByPC. Without it the computer's
    // interval is asked for directly.
    std::function<bool()> samplingChoice;
    // Closes the memory window when it is open (Memory and Erase close it first).
    std::function<void()> closeMemoryWindow;

    void save();
    void open();
    void list();
    void graph();
    void sample();
    void cf();
    void powerOff();
    void memory();
    void setTime();
    void environment();
    void btn();
    void addText();
    void erase();

    // The Open command's reading of a file into the file window, also for "--open FILE".
    // Returns false when the file could not be read (the window then shows what was read).
    bool openFile(const QString& path);

    // Prompt and title of the sampling interval's input box.
    static QString SamplePrompt();
    static QString SampleTitle() { return tr("Definir taxa de amostragem"); }

private:
    void runPlugged(ToolbarCommand c);

    AppState& state_;
    MeterLink& link_;
    Recorder& recorder_;
    LiveListFeed& list_;
    ToolbarHost& host_;
    QHash<int, std::function<void()>> plugged_;
    std::unique_ptr<EraseLogger> erase_;  // the last erase, while it runs
};

}  // namespace montira

#pragma once
#include <QMainWindow>
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/meter/DisplayReplica.h"
#include "core/link/Poll.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/PanelStartOptions.h"

class QTimer;

namespace montira {

// The main window: opens the meter's port, polls the live frames (Timer1), shows the values,
// blinks "Sem comunicação" while the meter is silent, and runs the sample timer (Timer2)
// whose work other windows plug in. Closing it ends the program and releases the port.
class Panel : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "MONTIRA DE STRESS TERMICO - Painel     V10.03";
    static constexpr const char* kCaptionWithBuild =
        "MONTIRA DE STRESS TERMICO - Painel     V10.03 190410.1";

    Panel(AppState& state, SerialPort& port, Clock& clock, QWidget* parent = nullptr);
    ~Panel() override;

    // The load: window to the top-left corner, port opened at 19200,n,8,1, defaults set, the
    // timers started with LinkLost so that the first tick waits for the meter. False (with
    // the reason for the user) when the port cannot be opened; the caller then shows
    // "Não há porta COM disponível" and ends the program.
    bool load(QString* reason = nullptr);

    AppState& state() { return state_; }
    SerialPort& port() { return port_; }
    Clock& clock() { return clock_; }
    Poll& poll() { return poll_; }
    const PanelWidgets& widgets() const { return w_; }
    QToolBar* toolbar() const { return w_.Toolbar1; }
    StartOptions& startOptions() { return options_; }

    // Timer1, the poll. A command that talks to the meter calls stopPoll() first (the tick in
    // progress, if any, gives up without reading the port again) and startPoll() at the end.
    void startPoll();
    void stopPoll();
    QTimer* timer1() const { return timer1_; }
    // Timer2, 980 ms, started by the load; each tick calls onSampleTick (never re-entered).
    QTimer* timer2() const { return timer2_; }

    // Hooks that other windows fill in.
    std::function<void()> onSampleTick;
    std::function<void()> onCloseLiveWindows;  // NoDataRoutine: the chart and the live list
    std::function<void()> onCloseKeypad;       // NoDataRoutine: the keypad, when visible
    std::function<void()> onStopRecording;     // NoDataRoutine: a recording in progress ends
    std::function<void(const ReplicaView&)> onReplica;  // KeypadOpen: the display replica

    // One Timer1 tick (the timer calls it; tests call it on the virtual clock).
    void timer1Tick();
    // One Timer2 tick: onSampleTick, unless a tick is already running.
    void timer2Tick();
    // Shows the decoded values in °C or °F as CelsiusMode says.
    void showValues();
    // ImaC or ImaF, as CelsiusMode says.
    void showUnitMarkers();
    // LblCOM2's click: toggles the build stamp in the caption.
    void toggleCaption();
    // When false, closing the window does not quit the application (tests).
    void setQuitOnClose(bool on) { quitOnClose_ = on; }

signals:
    // A frame was decoded and shown.
    void valuesShown();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDiagnostics();
    void showStateIndicators();

    AppState& state_;
    SerialPort& port_;
    Clock& clock_;
    Poll poll_;
    PanelWidgets w_;
    StartOptions options_;
    QTimer* timer1_;
    QTimer* timer2_;
    bool inTimer2_ = false;
    bool quitOnClose_ = true;
    ReplicaView replica_;
};

}  // namespace montira

#pragma once
#include <QMainWindow>
#include <functional>

#include "app/LiveSession.h"
#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/meter/DisplayReplica.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/PanelStartOptions.h"
#include "ui/panel/PanelState.h"

class QTimer;

namespace montira {

// The main window: opens the meter's port, runs the live session (the poll reading the frames
// as they arrive, the sample tick on Timer2), shows the values and blinks "Sem comunicação"
// while the meter is silent. Closing it ends the program and releases the port.
class Panel : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption =
        QT_TR_NOOP("MONTIRA DE STRESS TERMICO - Painel     V10.03");
    static constexpr const char* kCaptionWithBuild =
        QT_TR_NOOP("MONTIRA DE STRESS TERMICO - Painel     V10.03 190410.1");

    Panel(AppState& state, SerialPort& port, Clock& clock, QWidget* parent = nullptr);
    ~Panel() override;

    // The load: window to the top-left corner, port opened at 19200,n,8,1, defaults set, the
    // poll and Timer2 started with LinkLost so that the poll waits for the meter. False (with
    // the reason for the user) when the port cannot be opened; the caller then shows
    // "Não há porta COM disponível" and ends the program.
    bool load(QString* reason = nullptr);

    AppState& state() { return state_; }
    PanelState& panelState() { return panelState_; }
    Clock& clock() { return clock_; }
    LiveSession& session() { return session_; }
    Poll& poll() { return session_.poll(); }
    MeterLink& link() { return session_.link(); }
    const PanelWidgets& widgets() const { return w_; }
    QToolBar* toolbar() const { return w_.Toolbar1; }
    StartOptions& startOptions() { return options_; }

    // Timer2, 980 ms, started by the load.
    QTimer* timer2() { return session_.timer2(); }

    // One sample tick (the timer calls it; tests call it on the virtual clock).
    void timer2Tick() { session_.timer2Tick(); }
    // Shows the decoded values in °C or °F as CelsiusMode says.
    void showValues();
    // ImaC or ImaF, as CelsiusMode says.
    void showUnitMarkers();
    // LblCOM2's click: toggles the build stamp in the caption.
    void toggleCaption();
    // The window's caption, with or without the build stamp; " - SIMULADOR" follows it while
    // the simulated meter is the open port.
    QString caption(bool withBuild) const;
    // When false, closing the window does not quit the application (tests).
    void setQuitOnClose(bool on) { quitOnClose_ = on; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDiagnostics();
    void showStateIndicators();

    AppState& state_;
    PanelState panelState_;
    Clock& clock_;
    LiveSession session_;
    PanelWidgets w_;
    StartOptions options_;
    bool quitOnClose_ = true;
    LiveFollowers::Subscription follow_;
};

}  // namespace montira

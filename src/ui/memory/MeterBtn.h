#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/Keypad.h"
#include "core/memory/ManualDownload.h"
#include "core/meter/DisplayReplica.h"
#include "core/tables/TextTable.h"
#include "ui/memory/MeterDisplay.h"

class QPushButton;

namespace montira {

// The keypad window "Painel de controle": a picture button per meter key (CmdCF, CmdDown,
// CmdEscape, CmdHold, CmdMaxMin, CmdMem, CmdMode, CmdRead, CmdRunStop, CmdTime, CmdUp), five
// inert picture buttons (SSCommand1, SSCommand3..6), the display replica and CmdReadAll, which
// downloads the manual records. KeypadOpen is True while the window is shown.
class MeterBtn : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(MeterBtn)

public:
    // `panel` places the window just right of it.
    MeterBtn(AppState& state, MeterLink& link, QWidget* panel = nullptr);
    // A key press or download still running ends here.
    ~MeterBtn() override;

    static QString caption() { return tr("Painel de controle"); }

    QPushButton* button(MeterKey key) const;
    QPushButton* CmdReadAll = nullptr;
    MeterDisplay* display = nullptr;

    // The meter's display as the live frames show it while KeypadOpen.
    void showReplica(const ReplicaView& v) { display->show(v); }

    // A click on a key button: the key, with its guard.
    KeyOutcome press(MeterKey key);
    // A click on CmdReadAll: starts the manual-record download (nothing while the meter logs
    // or another exchange runs).
    void readAll();
    // A key press or the download runs.
    bool busy() const { return running_ && !running_->finished(); }

    // The manual-records window, as the lead wires it. All optional.
    std::function<void()> closeManual;                  // unload the window if it is shown
    std::function<void(int count)> openManual;          // "S" said 'Y': show it afresh
    std::function<void(const QString&)> manualCaption;  // "45.0 % completas" while T arrives
    std::function<void()> restoreManualCaption;
    // The rows, record N first as row 1: twelve fields each in °C/m/s and °F/ft/m.
    std::function<void(const TextTable& celsius, const TextTable& fahrenheit)> manualRows;
    // Message boxes (critical icon, the program's title); replaced in tests.
    std::function<void(const QString&)> message;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void manualEnded();
    void stopExchange();

    AppState& state_;
    MeterLink& link_;
    std::unique_ptr<PressKey> key_;
    std::unique_ptr<DownloadManual> manual_;
    Exchange* running_ = nullptr;  // the one of them that runs
    bool manualOpened_ = false;
    bool closing_ = false;  // the window closed: a download it ended says nothing
};

}  // namespace montira

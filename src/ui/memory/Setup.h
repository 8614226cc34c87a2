#pragma once
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/MeterSettings.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace montira {

// The clock window "Setup": a click on LblMeterTime shows the meter's running clock (a "G"
// exchange every 200 ms), a click on LblPCTime the computer's; CmdSetTime sets the meter's
// clock from the computer's. It closes itself when the meter stops answering, starts logging
// or another exchange begins. Opened modally (exec()). Once the meter clock is shown the
// window keeps the live reader stopped until it closes.
class Setup : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(Setup)

public:
    Setup(AppState& state, MeterLink& link, QWidget* panel = nullptr);
    // A window destroyed without closing ends its exchange and lets the live reader run.
    ~Setup() override;

    QGroupBox* FrameTime = nullptr;
    QLabel* LblMeterTime = nullptr;
    QLabel* LblPCTime = nullptr;
    QPushButton* CmdSetTime = nullptr;
    QPushButton* CmdExit = nullptr;
    QTimer* Timer1 = nullptr;

    // The computer's clock (replaced in tests).
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    // A critical message box ("Sem comunicação" when the clock never reached the meter);
    // replaced in tests.
    std::function<void(const QString&)> message;

    void tick();
    void clickMeterTime();
    void clickPCTime();
    void setTime();
    bool meterClockShown() const { return meterShown_; }
    bool windowOpen() const { return open_; }
    // An exchange of the window runs.
    bool busy() const;

    void done(int r) override;

private:
    void clockRead();
    void clockSet();
    void stopExchange();

    AppState& state_;
    MeterLink& link_;
    std::unique_ptr<ReadMeterClock> read_;
    std::unique_ptr<SetMeterClock> set_;
    std::optional<MeterLink::Lease> lease_;
    bool meterShown_ = false, pcShown_ = false;
    bool open_ = true;
};

}  // namespace montira

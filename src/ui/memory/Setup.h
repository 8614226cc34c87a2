#pragma once
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/memory/Exchange.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace montira {

// The clock window "Setup": a click on LblMeterTime shows the meter's running clock (a "G"
// exchange every 200 ms), a click on LblPCTime the computer's; CmdSetTime sets the meter's
// clock from the computer's. It closes itself when the meter stops answering, starts logging
// or another exchange begins. Opened modally (exec()).
class Setup : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(Setup)

public:
    // `poll` is the main window's poll: stopped when the meter clock is first shown, started
    // again when the window closes.
    Setup(AppState& state, SerialPort& port, Clock& clock, PollPause poll,
          QWidget* panel = nullptr);
    // A window destroyed without closing still starts the poll again.
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

    void done(int r) override;

private:
    AppState& state_;
    SerialPort& port_;
    Clock& clock_;
    PollPause poll_;
    bool meterShown_ = false, pcShown_ = false;
    bool open_ = true;
    bool ticking_ = false;
};

}  // namespace montira

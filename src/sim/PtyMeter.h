#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "sim/SimMeter.h"

namespace montira::sim {

// The simulated meter on a new pseudo-terminal: the program (or a test) opens slavePath() as
// it would open a USB serial adapter. Runs in the Qt event loop of the caller and wakes only
// when the PC writes or when the meter has something due, so it idles without spinning.
class PtyMeter : public QObject {
public:
    explicit PtyMeter(QObject* parent = nullptr);
    ~PtyMeter() override;
    bool start(QString* error = nullptr);
    QString slavePath() const { return slavePath_; }
    SimMeter& meter() { return meter_; }

private:
    void onReadable();
    void onTick();
    void flush();
    void schedule();
    SimMeter meter_;
    int master_ = -1;
    int slaveKeep_ = -1;  // keeps the line open between clients, so no hang-up is seen
    QString slavePath_;
    QByteArray unsent_;  // what the terminal could not take yet (a long logger dump)
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QSocketNotifier> writable_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastInputMs_ = 0;  // when the PC last wrote
    qint64 lastTakenMs_ = 0;  // when the terminal last took bytes (or had taken them all)
};

}  // namespace montira::sim

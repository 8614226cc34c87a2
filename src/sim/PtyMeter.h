#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "sim/SimMeter.h"

namespace montira::sim {

// The simulated meter on a new pseudo-terminal: the program (or a test) opens slavePath() as
// it would open a USB serial adapter. Runs in the Qt event loop of the caller.
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
    SimMeter meter_;
    int master_ = -1;
    int slaveKeep_ = -1;  // keeps the line open between clients, so no hang-up is seen
    QString slavePath_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace montira::sim

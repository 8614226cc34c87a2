#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QVector>
#include <cstdint>
#include <functional>
#include <random>

namespace montira::sim {

// The probe count that reads as roughly `ms` m/s with the calibration the meter transmits.
uint16_t SpeedCount(double ms);

// One logging run kept in the simulated logger.
struct SimSet {
    int year = 26, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int intervalMinutes = 0, intervalSeconds = 2;
    // Per record: globe, dry, wet raw temperatures and the air-speed count.
    struct Record {
        uint16_t globe, dry, wet, count;
    };
    QVector<Record> records;
    uint16_t offsetA = 0, offsetB = 0, zero = 0;
};

// A manual record as the meter stores it (20 bytes on the wire).
struct SimManualRecord {
    uint16_t globe, dry, wet, count;
    uint8_t date[3];
    uint8_t time[3];
    uint16_t offsetA = 0, offsetB = 0, zero = 0;
};

// Fault injection for tests.
struct SimFaults {
    qint64 silentAfterMs = -1;      // stop transmitting anything after this time (-1: never)
    bool garbageBetweenFrames = false;
    bool brokenEndByte = false;     // every frame ends in 4 instead of 3
    int splitFrames = 0;            // emit each frame in this many pieces (0/1: whole)
    bool pacedAt19200 = false;      // release bytes at the wire rate (10 bits per byte)
};

// A model of the meter: it transmits live frames on its own, answers the Q/J handshake and
// serves every command letter. Transport-free: the PC's bytes go in through receive(), the
// meter's bytes come out through take(). advanceTo() moves its time (milliseconds).
class SimMeter {
public:
    SimMeter();

    void receive(const QByteArray& fromPc);
    void advanceTo(qint64 nowMs);
    QByteArray take();              // bytes the meter has sent and the PC has not read
    int pending() const;

    // Settings and state, visible to tests.
    void setFramePeriodMs(int ms) { framePeriodMs_ = ms > 0 ? ms : 1; }
    SimFaults& faults() { return faults_; }
    void setClock(const uint8_t c[6]);
    const uint8_t* clock() const { return clock_; }
    int samplingMinutes() const { return samplingMinutes_; }
    int samplingSeconds() const { return samplingSeconds_; }
    int powerOffSeconds() const { return powerOff_; }
    void setPowerOffSeconds(int s) { powerOff_ = s; }
    QVector<SimSet>& sets() { return sets_; }
    QVector<SimManualRecord>& manualRecords() { return manual_; }
    bool running() const { return run_; }
    bool hold() const { return hold_; }
    bool imperial() const { return imperial_; }
    // Every command letter the meter took (after a handshake), in order, for tests.
    const QByteArray& commandLog() const { return log_; }
    // The raw temperatures it will transmit next (hundredths + 5100).
    void setTemperatures(double globeC, double dryC, double wetC);
    void setDrift(bool on) { drift_ = on; }
    QByteArray currentFrame() const;

    // Logger layout on the wire, for tests and the status reply.
    QByteArray loggerDump() const;
    int memoryUsed() const { return 2048 + loggerDump().size(); }

private:
    void emitBytes(const QByteArray& b, qint64 delayMs = 0);
    void release(const QByteArray& b);
    void currentClock(uint8_t out[6]) const;
    void serve(char c);
    void tickValues();
    void sampleForRun();

    qint64 now_ = 0;
    qint64 nextFrameAt_ = 0;
    qint64 quietUntil_ = 0;         // no frames while serving a command
    qint64 lastRelease_ = 0;
    int framePeriodMs_ = 250;
    SimFaults faults_;
    QByteArray out_;                // released to the PC
    QByteArray paced_;              // waiting for the wire (paced mode)
    double pacedCredit_ = 0;
    struct Scheduled {
        qint64 at;
        QByteArray bytes;
    };
    QVector<Scheduled> scheduled_;  // bytes due at a later time (split frames, reply latency)
    QByteArray log_;
    enum class Expect { Command, ClockBytes, MinutesByte, SecondsByte, PowerOffHi, PowerOffLo };
    Expect expect_ = Expect::Command;
    QByteArray param_;
    bool attention_ = false;        // a Q was answered; the next letter is a command

    uint8_t clock_[6] = {26, 1, 1, 12, 0, 0};
    qint64 clockBaseMs_ = 0;
    int samplingMinutes_ = 0, samplingSeconds_ = 2;
    int powerOff_ = 1200;
    QVector<SimSet> sets_;
    QVector<SimManualRecord> manual_;
    bool run_ = false, hold_ = false, imperial_ = false;
    int channel_ = 0;               // 0 dry, 1 globe, 2 wbgt, 3 wind
    int maxMin_ = 6;
    qint64 runNextSampleAt_ = 0;
    SimSet runSet_;
    bool drift_ = true;
    double globe_ = 31.2, dry_ = 28.4, wet_ = 22.1, speed_ = 1.6;
    std::mt19937 rng_{20261206};
};

}  // namespace montira::sim

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
// A temperature in °C as the meter sends it: hundredths plus 5100.
uint16_t RawTemp(double c);

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
    qint64 silentAfterMs = -1;          // send nothing and ignore the PC from this time (-1: never)
    bool garbageBetweenFrames = false;  // five stray bytes (never 0xFF) before every frame
    bool brokenEndByte = false;         // every frame ends in 4 instead of 3
    int splitFrames = 0;        // emit each frame in this many pieces, 20 ms apart (0/1: whole)
    bool pacedAt19200 = false;  // release bytes at the wire rate (10 bits per byte)
    // The "T" and "C" dumps stop after this many bytes (-1: whole), and the frames come back
    // this long after the last byte that went out (-1: the meter falls silent there).
    int cutDumpAfterBytes = -1;
    qint64 framesAfterCutMs = -1;
};

// A model of the meter: it transmits live frames on its own, answers the Q/J handshake and
// serves every command letter. Transport-free: the PC's bytes go in through receive(), the
// meter's bytes come out through take(). advanceTo() moves its time (milliseconds).
//
// The meter takes a command letter only right after it answered a "Q"; while it serves the PC
// (from each byte received until 400 ms later) it sends no frames. Parameter bytes (after F,
// H, I, A) are awaited for a second at most.
class SimMeter {
public:
    // The logger holds this many bytes in use when it counts as full.
    static constexpr int kLoggerFullBytes = 126207;
    // Bytes in use of an empty logger (the status reply never reports less).
    static constexpr int kLoggerBaseBytes = 2048;

    SimMeter();

    void receive(const QByteArray& fromPc);
    void advanceTo(qint64 nowMs);
    QByteArray take();  // bytes the meter has sent and the PC has not read
    int pending() const;
    qint64 now() const { return now_; }
    // The next time something is due (a frame, a scheduled reply, paced bytes).
    qint64 nextEventMs() const;

    // Settings and state, visible to tests.
    void setFramePeriodMs(int ms) { framePeriodMs_ = ms > 0 ? ms : 1; }
    int framePeriodMs() const { return framePeriodMs_; }
    SimFaults& faults() { return faults_; }
    void setClock(const uint8_t c[6]);
    const uint8_t* clock() const { return clock_; }  // as last set, not running
    void currentClock(uint8_t out[6]) const;         // running clock, as "G" reports it
    int samplingMinutes() const { return samplingMinutes_; }
    int samplingSeconds() const { return samplingSeconds_; }
    int powerOffSeconds() const { return powerOff_; }
    void setPowerOffSeconds(int s) { powerOff_ = s; }
    QVector<SimSet>& sets() { return sets_; }
    QVector<SimManualRecord>& manualRecords() { return manual_; }
    bool running() const { return run_; }
    bool hold() const { return hold_; }
    bool imperial() const { return imperial_; }
    int channel() const { return channel_; }         // 0 dry, 1 globe, 2 WBGT, 3 air speed
    int maxMinSelection() const { return maxMin_; }  // 0..5, 6 when off
    bool dateShown() const { return dateShown_; }
    bool recalling() const { return recall_; }
    int recallIndex() const { return recallIndex_; }  // 1-based manual record shown
    // Every command letter the meter took (after a handshake), in order, for tests.
    const QByteArray& commandLog() const { return log_; }
    // The values it transmits (and drifts around, when drift is on).
    void setTemperatures(double globeC, double dryC, double wetC);
    void setAirSpeed(double ms);
    void setDrift(bool on) { drift_ = on; }
    QByteArray currentFrame() const;

    // Preloads the logger so that the status reply reports `bytesInUse` bytes in use: sets of
    // plausible records, and (when the sizes do not add up to whole sets) a few trailing bytes
    // that belong to no set. 2048 or less gives an empty logger.
    void fillLogger(int bytesInUse);
    void clearLogger() { fillLogger(0); }
    void clearManualRecords() { manual_.clear(); }

    // Logger layout on the wire, for tests and the status reply.
    QByteArray loggerDump() const;
    int memoryUsed() const;

private:
    void emitBytes(const QByteArray& b, qint64 delayMs = 0);
    void emitDump(const QByteArray& b);
    void release(const QByteArray& b, qint64 atMs);
    void release(const QByteArray& b) { release(b, now_); }
    bool silentAt(qint64 ms) const {
        return faults_.silentAfterMs >= 0 && ms >= faults_.silentAfterMs;
    }
    bool silent() const { return silentAt(now_); }
    void serve(char c);
    void takeParameter(uint8_t v);
    void storeManualRecord();
    void startStopRun();
    void tickValues();
    void sampleForRun();
    void emitFrame();
    double displayValue(int channel, bool* blank) const;

    qint64 now_ = 0;
    qint64 nextFrameAt_ = 0;
    qint64 quietUntil_ = 0;  // no frames while serving a command
    qint64 paramSince_ = 0;  // when the meter began waiting for parameter bytes
    int framePeriodMs_ = 250;
    SimFaults faults_;
    QByteArray out_;          // released to the PC
    QByteArray paced_;        // waiting for the wire (paced mode)
    double pacedCredit_ = 0;  // bytes the wire could have carried and has not yet
    qint64 pacedSinceMs_ = 0;
    struct Scheduled {
        qint64 at;
        QByteArray bytes;
    };
    QVector<Scheduled> scheduled_;  // bytes due at a later time (split frames, reply latency)
    QByteArray log_;
    enum class Expect { Command, ClockBytes, MinutesByte, SecondsByte, PowerOffHi, PowerOffLo };
    Expect expect_ = Expect::Command;
    QByteArray param_;
    bool attention_ = false;  // a Q was answered; the next letter is a command

    uint8_t clock_[6] = {26, 1, 1, 12, 0, 0};
    qint64 clockBaseMs_ = 0;
    int samplingMinutes_ = 0, samplingSeconds_ = 2;
    int powerOff_ = 1200;
    QVector<SimSet> sets_;
    QByteArray loggerTail_;  // bytes in use beyond the last whole set (fillLogger)
    QVector<SimManualRecord> manual_;
    bool run_ = false, hold_ = false, imperial_ = false, dateShown_ = false, recall_ = false;
    int channel_ = 0;
    int maxMin_ = 6;
    int recallIndex_ = 0;
    qint64 memMarkUntil_ = -1;  // the "M" indicator shows a stored record for a second
    double heldUpper_ = 0, heldLower_ = 0;
    qint64 runNextSampleAt_ = 0;
    SimSet runSet_;
    bool drift_ = true;
    double globe_ = 31.2, dry_ = 28.4, wet_ = 22.1, speed_ = 1.6;
    double baseGlobe_ = 31.2, baseDry_ = 28.4, baseWet_ = 22.1, baseSpeed_ = 1.6;
    double max_[3] = {31.2, 28.4, 22.1}, min_[3] = {31.2, 28.4, 22.1};  // globe, dry, wet
    std::mt19937 rng_{20261206};
};

}  // namespace montira::sim

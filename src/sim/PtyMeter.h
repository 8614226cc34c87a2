#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
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

    // Faults on the line, on command. The line falls silent for `ms` (nothing goes out, what
    // the PC sends is lost) once `afterBytes` more bytes went out; with `onLetter` the count
    // starts only when the PC sends that letter (mid-dump, mid-exchange).
    void silenceFor(int ms, int afterBytes = 0, char onLetter = 0);
    // Bytes put on the line as they are, between the meter's own: garbage, broken frames, a
    // flood.
    void sendRaw(const QByteArray& bytes);
    // The adapter is pulled: the terminal closes, and after `downMs` a new one opens (its path
    // goes to newPath; the link path, when set, points at it again). `elsewhere` makes sure
    // the new terminal does not get the old one's path.
    void hangUp(int downMs, bool elsewhere = false);
    // A symbolic link kept pointing at the current terminal, as a stable device name.
    bool setLinkPath(const QString& path);
    std::function<void(const QString&)> newPath;

private:
    bool openTerminal(QString* error);
    void closeTerminal();
    bool silentNow() const { return clock_.isValid() && clock_.elapsed() < silentUntilMs_; }
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
    qint64 silentUntilMs_ = 0;
    int silenceMs_ = 0;
    int silenceAfter_ = -1;   // bytes still to go out before the silence (-1: none armed)
    char silenceLetter_ = 0;  // the silence waits for this letter from the PC (0: does not)
    QString linkPath_;
    QString oldPath_;  // the terminal's path before a hang-up that must not come back there
    QTimer comeBack_;
};

}  // namespace montira::sim

#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace montira {

// SIGINT and SIGTERM brought onto the event loop, so that a program ends as its own close
// does (the recording closed, the port and its lock file released) instead of dying where it
// stands. The handler only writes the signal's number into a pipe; a QSocketNotifier on the
// other end calls `onSignal` from the event loop, where anything may be done.
//
// After the first signal both take their earlier action again, so a second Ctrl-C ends a
// program whose closing hangs. A signal that was ignored at start (a job started in the
// background by a shell) stays ignored. Signal handlers are process-wide, so one object at a
// time: a second one, while the first lives, installs nothing.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // True when the handlers are in place.
    bool installed() const { return notifier_ != nullptr; }

    std::function<void(int signal)> onSignal;

private:
    void restore();
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};

// "SIGINT", "SIGTERM", or the number.
const char* SignalName(int signal);

}  // namespace montira

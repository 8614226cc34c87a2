#include "app/QuitSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace montira {

#ifdef Q_OS_UNIX

namespace {

// The handler can reach nothing but these (a signal handler takes no argument of ours).
int quitPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM};
struct sigaction earlier[2];
bool handled[2] = {false, false};

extern "C" void OnQuitSignal(int signal) {
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(quitPipe[1], &b, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (quitPipe[0] >= 0 || ::pipe(quitPipe) != 0) return;
    for (int fd : quitPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    struct sigaction sa = {};
    sa.sa_handler = OnQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i) {
        if (::sigaction(kSignals[i], nullptr, &earlier[i]) != 0 || earlier[i].sa_handler == SIG_IGN)
            continue;
        handled[i] = ::sigaction(kSignals[i], &sa, nullptr) == 0;
    }
    notifier_ = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { readPipe(); });
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    restore();
    delete notifier_;
    notifier_ = nullptr;
    for (int& fd : quitPipe) {
        ::close(fd);
        fd = -1;
    }
}

void QuitSignals::restore() {
    for (int i = 0; i < 2; ++i)
        if (handled[i]) {
            ::sigaction(kSignals[i], &earlier[i], nullptr);
            handled[i] = false;
        }
}

void QuitSignals::readPipe() {
    unsigned char b = 0;
    if (::read(quitPipe[0], &b, 1) != 1) return;
    restore();
    notifier_->setEnabled(false);
    if (onSignal) onSignal(int(b));
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT:
            return "SIGINT";
        case SIGTERM:
            return "SIGTERM";
        default:
            return "sinal";
    }
}

#else

// Elsewhere the console's Ctrl-C ends the program as before.
QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {}
QuitSignals::~QuitSignals() = default;
void QuitSignals::restore() {}
void QuitSignals::readPipe() {}
const char* SignalName(int) {
    return "sinal";
}

#endif

}  // namespace montira

#include "sim/PtyMeter.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace montira::sim {

PtyMeter::PtyMeter(QObject* parent) : QObject(parent) {}

PtyMeter::~PtyMeter() {
    if (master_ >= 0) ::close(master_);
    if (slaveKeep_ >= 0) ::close(slaveKeep_);
}

bool PtyMeter::start(QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    // Raw line: no echo, no CR/LF translation, every byte passes as it is.
    slaveKeep_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    if (slaveKeep_ >= 0) {
        termios t{};
        if (::tcgetattr(slaveKeep_, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(slaveKeep_, TCSANOW, &t);
        }
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { onReadable(); });
    clock_.start();
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { onTick(); });
    timer_.start(5);
    return true;
}

void PtyMeter::onReadable() {
    char buf[512];
    for (;;) {
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) break;
        meter_.advanceTo(clock_.elapsed());
        meter_.receive(QByteArray(buf, int(n)));
    }
    onTick();
}

void PtyMeter::onTick() {
    meter_.advanceTo(clock_.elapsed());
    const QByteArray out = meter_.take();
    int done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(master_, out.constData() + done, size_t(out.size() - done));
        if (n <= 0) break;  // nobody reading and the buffer is full: the bytes are lost
        done += int(n);
    }
}

}  // namespace montira::sim

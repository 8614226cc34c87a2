#include "sim/PtyMeter.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace montira::sim {

namespace {
// Keep at most this much waiting for the terminal (more than a full logger dump).
constexpr int kMaxUnsent = 1 << 20;
// A terminal that has taken nothing, while the PC wrote nothing, for this long has nobody
// reading it. A slow reader still takes bytes, so a long reply is never cut for it.
constexpr qint64 kNobodyReadingMs = 2000;
}  // namespace

PtyMeter::PtyMeter(QObject* parent) : QObject(parent) {}

PtyMeter::~PtyMeter() {
    closeTerminal();
    if (!linkPath_.isEmpty()) ::unlink(linkPath_.toLocal8Bit().constData());
}

bool PtyMeter::start(QString* error) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { onTick(); });
    comeBack_.setSingleShot(true);
    QObject::connect(&comeBack_, &QTimer::timeout, this, [this] {
        // Terminals get the lowest free number: hold the old one (when free) while the new
        // terminal opens.
        QVector<int> spares;
        while (!oldPath_.isEmpty() && spares.size() < 8) {
            const int fd = ::posix_openpt(O_RDWR | O_NOCTTY);
            if (fd < 0) break;
            spares << fd;
            if (QString::fromLocal8Bit(::ptsname(fd)) == oldPath_) break;
        }
        const bool opened = openTerminal(nullptr);
        for (int fd : spares) ::close(fd);
        oldPath_.clear();
        if (opened && newPath) newPath(slavePath_);
    });
    if (!openTerminal(error)) return false;
    onTick();
    return true;
}

bool PtyMeter::openTerminal(QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        if (master_ >= 0) ::close(master_);
        master_ = -1;
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
    writable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Write);
    writable_->setEnabled(false);
    QObject::connect(writable_.get(), &QSocketNotifier::activated, this, [this] { flush(); });
    if (!linkPath_.isEmpty()) setLinkPath(linkPath_);
    return true;
}

void PtyMeter::closeTerminal() {
    notifier_.reset();
    writable_.reset();
    if (master_ >= 0) ::close(master_);
    if (slaveKeep_ >= 0) ::close(slaveKeep_);
    master_ = slaveKeep_ = -1;
    unsent_.clear();
}

bool PtyMeter::setLinkPath(const QString& path) {
    linkPath_ = path;
    if (slavePath_.isEmpty()) return true;  // made when the terminal opens
    const QByteArray link = path.toLocal8Bit();
    const QByteArray tmp = link + ".new";
    ::unlink(tmp.constData());
    if (::symlink(slavePath_.toLocal8Bit().constData(), tmp.constData()) != 0) return false;
    return ::rename(tmp.constData(), link.constData()) == 0;  // replaced in one step
}

void PtyMeter::silenceFor(int ms, int afterBytes, char onLetter) {
    silenceMs_ = std::max(0, ms);
    silenceAfter_ = std::max(0, afterBytes);
    silenceLetter_ = onLetter;
    flush();
}

void PtyMeter::sendRaw(const QByteArray& bytes) {
    if (master_ < 0 || silentNow()) return;
    unsent_ += bytes;
    if (unsent_.size() > kMaxUnsent) unsent_.remove(0, unsent_.size() - kMaxUnsent);
    lastTakenMs_ = clock_.elapsed();
    flush();
}

void PtyMeter::hangUp(int downMs, bool elsewhere) {
    oldPath_ = elsewhere ? slavePath_ : QString();
    closeTerminal();
    comeBack_.start(std::max(0, downMs));
}

void PtyMeter::onReadable() {
    char buf[512];
    for (;;) {
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) break;
        if (silentNow()) continue;  // lost on a dead line
        if (silenceLetter_ && std::memchr(buf, silenceLetter_, size_t(n))) silenceLetter_ = 0;
        meter_.advanceTo(clock_.elapsed());
        meter_.receive(QByteArray(buf, int(n)));
        lastInputMs_ = clock_.elapsed();
    }
    onTick();
}

void PtyMeter::onTick() {
    meter_.advanceTo(clock_.elapsed());
    if (unsent_.isEmpty()) lastTakenMs_ = clock_.elapsed();  // the terminal had taken it all
    const QByteArray fresh = meter_.take();
    if (master_ >= 0 && !silentNow()) unsent_ += fresh;
    if (unsent_.size() > kMaxUnsent) unsent_.remove(0, unsent_.size() - kMaxUnsent);
    flush();
    schedule();
}

void PtyMeter::flush() {
    if (master_ < 0) return;
    const bool armed = silenceAfter_ >= 0 && silenceLetter_ == 0;
    const int limit = armed ? std::min<int>(silenceAfter_, unsent_.size()) : unsent_.size();
    int done = 0;
    while (done < limit) {
        const ssize_t n = ::write(master_, unsent_.constData() + done, size_t(limit - done));
        if (n <= 0) break;  // the terminal's buffer is full: the rest waits
        done += int(n);
    }
    unsent_.remove(0, done);
    if (armed) {
        silenceAfter_ -= done;
        if (silenceAfter_ == 0) {  // the line dies here, in the middle of whatever went out
            silenceAfter_ = -1;
            silentUntilMs_ = clock_.elapsed() + silenceMs_;
            unsent_.clear();
        }
    }
    const qint64 now = clock_.elapsed();
    if (done > 0) lastTakenMs_ = now;
    if (!unsent_.isEmpty() && now - std::max(lastInputMs_, lastTakenMs_) > kNobodyReadingMs) {
        // Frames pile up with nobody listening: a real line loses them at the receiver. Drop
        // them, and what the terminal holds, so the next client starts with fresh frames.
        unsent_.clear();
        if (slaveKeep_ >= 0) ::tcflush(slaveKeep_, TCIFLUSH);
    }
    writable_->setEnabled(!unsent_.isEmpty());
}

void PtyMeter::schedule() {
    const qint64 wait = std::clamp<qint64>(meter_.nextEventMs() - clock_.elapsed(), 1, 1000);
    timer_.start(int(wait));
}

}  // namespace montira::sim

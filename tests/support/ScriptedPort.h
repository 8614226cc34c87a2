#pragma once
// A serial port whose far end follows a script: every "Q" written takes the next scripted
// reply (an empty one means silence); any other write can be answered by a handler. Bytes
// written are kept in order, so a test can check an exchange byte for byte.
#include <QByteArray>
#include <QList>
#include <functional>

#include "core/link/SerialPort.h"

namespace montira::test {

class ScriptedPort : public SerialPort {
public:
    OpenOutcome open(QString* = nullptr) override {
        open_ = true;
        return OpenOutcome::Opened;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    int bytesWaiting() override { return int(inbox_.size()); }
    QByteArray readAll() override {
        QByteArray b;
        b.swap(inbox_);
        return b;
    }
    void write(const QByteArray& bytes) override {
        written += bytes;
        if (bytes == "Q") {
            ++attentions;
            if (!qReplies.isEmpty())
                inbox_ += qReplies.takeFirst();
            else
                inbox_ += qDefault;
        } else if (onWrite) {
            inbox_ += onWrite(bytes);
        }
    }
    void clear() override { inbox_.clear(); }
    bool failed() const override { return failedFlag; }

    void arrive(const QByteArray& b) { inbox_ += b; }  // bytes the meter sent by itself

    QList<QByteArray> qReplies;  // replies to the next "Q"s, in order
    QByteArray qDefault;         // reply once the list is used up ("" = silence)
    std::function<QByteArray(const QByteArray&)> onWrite;
    QByteArray written;
    int attentions = 0;
    bool failedFlag = false;

private:
    bool open_ = true;
    QByteArray inbox_;
};

}  // namespace montira::test

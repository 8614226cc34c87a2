#pragma once
#include <QByteArray>
#include <QList>

#include "core/link/SerialPort.h"

namespace montira::testing {

// A meter on a memory buffer for the logger exchanges: answers "Q" with "J", "c" with the
// next of the scripted status replies (the last one repeats), "C" with the dump handed out
// `chunk` bytes per read (then nothing once `silentAfter` bytes are out), "D" with nothing.
// Everything the PC writes is kept.
class ScriptedLogger : public SerialPort {
public:
    QList<QByteArray> statusReplies;
    QByteArray dump;
    int chunk = 512;
    int silentAfter = -1;  // -1: the whole dump
    bool answersQ = true;
    QByteArray trailer;  // sent after the dump (the live frames that follow it)

    OpenOutcome open(QString* = nullptr) override { return OpenOutcome::Opened; }
    void close() override {}
    bool isOpen() const override { return true; }
    int bytesWaiting() override { return int(inbox_.size()); }
    QByteArray readAll() override {
        QByteArray out = inbox_;
        inbox_.clear();
        if (dumpAt_ >= 0) {
            const QByteArray all = dump + trailer;
            const int limit = silentAfter >= 0 ? silentAfter : int(all.size());
            const int n = std::max(0, std::min<int>(chunk, limit - dumpAt_));
            out += all.mid(dumpAt_, n);
            dumpAt_ += n;
        }
        return out;
    }
    void write(const QByteArray& bytes) override {
        written += bytes;
        for (char c : bytes) {
            if (c == 'Q' && answersQ) inbox_ += 'J';
            if (c == 'c') {
                ++statusQueries;
                const int i = std::min<int>(statusQueries, int(statusReplies.size())) - 1;
                if (i >= 0) inbox_ += statusReplies[i];
            }
            if (c == 'C') dumpAt_ = 0;
        }
    }
    void clear() override { inbox_.clear(); }

    QByteArray written;
    int statusQueries = 0;
    int dumpBytesOut() const { return std::max(0, dumpAt_); }

private:
    QByteArray inbox_;
    int dumpAt_ = -1;
};

}  // namespace montira::testing

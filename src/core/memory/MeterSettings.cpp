#include "core/memory/MeterSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/meter/Commands.h"
#include "core/meter/Protocol.h"

namespace montira {

namespace {

QString TwoDigits(int v) {
    return (QStringLiteral("0") + QString::number(v)).right(2);
}

int Byte(const QByteArray& b, int i) {
    return i < b.size() ? int(uint8_t(b[i])) : 0;
}

}  // namespace

QString MeterClockText(const QByteArray& reply) {
    if (reply.size() < reply::kClockBytes) return {};
    QString f[6];
    for (int i = 0; i < 6; ++i) f[i] = TwoDigits(Byte(reply, i));
    return f[0] + '/' + f[1] + '/' + f[2] + ' ' + f[3] + ':' + f[4] + ':' + f[5];
}

QString ComputerClockText(const QDateTime& t) {
    return t.toString(QStringLiteral("yy/MM/dd HH:mm:ss"));
}

QByteArray ClockBytes(const QDateTime& t) {
    // The six two-digit fields of the 17-character text, each as its number.
    const QString s = ComputerClockText(t);
    QByteArray b;
    for (int at : {0, 3, 6, 9, 12, 15}) b += char(s.mid(at, 2).toInt());
    return b;
}

ReadMeterClock::ReadMeterClock(LinkState& link)
    : QueryCommand(link, cmd::ReadClock, reply::kClockBytes) {}

SetMeterClock::SetMeterClock(LinkState& link, const QDateTime& now)
    : Exchange(link), bytes_(ClockBytes(now)) {}

void SetMeterClock::step(qint64 now) {
    switch (state()) {
        case Begin:
            if (!link().MeterOnline) return finish();
            boundSilence(now, kExchangeSilenceMs);
            drop();
            handshake(now, Answered);
            return;
        case Answered:
            if (!answered()) return finish();
            wait(now, kByteGapMs, Letter);
            return;
        case Letter:
            ask(now, cmd::SetClock, Bytes);
            return;
        default:
            write(bytes_);
            sent_ = delivered();
            finish();
    }
}

RangedAnswer ParseRangedAnswer(const QString& text, int max) {
    if (text.isEmpty()) return {RangedAnswer::Abandon, 0};
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return {RangedAnswer::AskAgain, 0};
    // Halves go to the even number (the default rounding mode), then the range is enforced.
    const double r = std::nearbyint(std::clamp(v, -1.0, double(max) + 1));
    return {RangedAnswer::Value, int(std::clamp(r, 1.0, double(max)))};
}

// Asked again only while the reply is empty: one byte is a reply.
ReadSampling::ReadSampling(LinkState& link) : QueryCommand(link, cmd::ReadSampling, 1) {}

std::optional<SamplingSetting> ReadSampling::setting() const {
    const QByteArray& r = reply();
    if (r.isEmpty()) return std::nullopt;
    // A reply cut after the minutes leaves the seconds unknown, never read as 0.
    SamplingSetting s{Byte(r, reply::kSamplingMinutes), std::nullopt};
    if (r.size() > reply::kSamplingSeconds) s.seconds = Byte(r, reply::kSamplingSeconds);
    return s;
}

SetSampling::SetSampling(LinkState& link, bool byMinutes, int value)
    : Exchange(link),
      byMinutes_(byMinutes),
      value_(std::clamp(value, 1, byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds)) {}

void SetSampling::step(qint64 now) {
    switch (state()) {
        case Begin:
            boundSilence(now, kExchangeSilenceMs);
            handshake(now, Answered);
            return;
        case Answered:
            if (!byMinutes_) return wait(now, kByteGapMs, Letter);
            write(cmd::SetMinutes);
            wait(now, kByteGapMs, Value);
            return;
        case Letter:
            write(cmd::SetSeconds);
            wait(now, kByteGapMs, Value);
            return;
        default:
            write(char(value_));
            if (delivered()) sent_ = value_;
            finish();
    }
}

namespace {

// The prompts' line breaks are CR LF, as the meter program always wrote them.
QString Prompt(const char* text) {
    QString s = QCoreApplication::translate("MeterSettings", text);
    s.replace(u'\n', QStringLiteral("\r\n"));
    return s;
}

}  // namespace

QString SamplingPrompt(bool byMinutes) {
    return byMinutes ? Prompt(QT_TRANSLATE_NOOP(
                           "MeterSettings", "Digite o valor desejado em minutos\n(1 <= t <= 60) "))
                     : Prompt(QT_TRANSLATE_NOOP(
                           "MeterSettings",
                           "Digite o valor desejado em segundos \n(o valor deve estar entre "
                           "1 e 59)."));
}

QString SamplingTitle() {
    return QCoreApplication::translate("MeterSettings", "Definir taxa de amostragem");
}

// Read once, never asked again, so that the closing "E" or "A" always follows.
ReadPowerOff::ReadPowerOff(LinkState& link)
    : QueryCommand(link, cmd::ReadPowerOff, reply::kPowerOffBytes, false) {}

std::optional<int> ReadPowerOff::seconds() const {
    if (!online()) return std::nullopt;
    const QByteArray& r = reply();
    if (r.size() < reply::kPowerOffBytes) return kPowerOffUnknown;
    return Byte(r, reply::kPowerOffHigh) * 256 + Byte(r, reply::kPowerOffLow);
}

SetPowerOff::SetPowerOff(LinkState& link, int seconds)
    : Exchange(link), value_(std::clamp(seconds, 1, kMaxPowerOffSeconds)) {}

void SetPowerOff::step(qint64 now) {
    switch (state()) {
        case Begin:
            boundSilence(now, kExchangeSilenceMs);
            handshake(now, Letter);
            return;
        case Letter:
            write(cmd::SetPowerOff);
            wait(now, kByteGapMs, High);
            return;
        case High:
            write(char(value_ / 256));
            wait(now, kByteGapMs, Low);
            return;
        default:
            write(char(value_ % 256));
            sent_ = delivered();
            finish();
    }
}

KeepPowerOff::KeepPowerOff(LinkState& link)
    : SendCommand(link, cmd::KeepPowerOff, kExchangeSilenceMs) {}

QString PowerOffPrompt() {
    return Prompt(QT_TRANSLATE_NOOP(
        "MeterSettings",
        "Digite o valor desejado em segundos \n(o valor deve estar entre 1 e 65535)."));
}

QString PowerOffTitle() {
    return QCoreApplication::translate("MeterSettings",
                                       "Definir o tempo de desligamento automático");
}

}  // namespace montira

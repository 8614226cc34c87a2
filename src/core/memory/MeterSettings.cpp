#include "core/memory/MeterSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "core/link/Handshake.h"
#include "core/memory/Exchange.h"
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

// Drop, handshake, drop, letter, wait, read; repeated until the reply holds at least
// `minBytes` bytes. Empty when the meter is offline or stays silent for the limit.
QByteArray QueryUntil(SerialPort& port, Clock& clock, LinkState& link, char letter, int minBytes) {
    if (!link.MeterOnline) return {};
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    for (;;) {
        port.readAll();
        const QByteArray reply = AskMeter(port, quiet, link, letter);
        if (reply.size() >= minBytes) return reply;
        if (quiet.stopping() || !link.MeterOnline) return {};
    }
}

// After a setting's last write: the meter answered the handshake and every byte left through
// a port that is still there. A port that failed or closed mid-exchange lost the parameters.
bool Delivered(const SerialPort& port, const LinkState& link) {
    return link.MeterOnline && port.isOpen() && !port.failed();
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

QByteArray ReadMeterClock(SerialPort& port, Clock& clock, LinkState& link) {
    const QByteArray r = QueryUntil(port, clock, link, cmd::ReadClock, reply::kClockBytes);
    return r.left(reply::kClockBytes);
}

bool SetMeterClock(SerialPort& port, Clock& clock, LinkState& link, const QDateTime& now) {
    if (!link.MeterOnline) return false;
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    port.readAll();
    if (!AttentionHandshake(port, quiet, link)) return false;
    quiet.delay(0.05);
    port.readAll();
    port.write(QByteArray(1, cmd::SetClock));
    quiet.delay(0.05);
    port.write(ClockBytes(now));
    return Delivered(port, link);
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

std::optional<SamplingSetting> ReadSampling(SerialPort& port, Clock& clock, LinkState& link) {
    // Asked again only while the reply is empty: one byte is a reply. A reply cut after the
    // minutes leaves the seconds unknown, never read as 0.
    const QByteArray r = QueryUntil(port, clock, link, cmd::ReadSampling, 1);
    if (r.isEmpty()) return std::nullopt;
    SamplingSetting s{Byte(r, reply::kSamplingMinutes), std::nullopt};
    if (r.size() > reply::kSamplingSeconds) s.seconds = Byte(r, reply::kSamplingSeconds);
    return s;
}

std::optional<int> SetSampling(SerialPort& port, Clock& clock, LinkState& link, bool byMinutes,
                               int value) {
    const int v = std::clamp(value, 1, byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds);
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    AttentionHandshake(port, quiet, link);
    if (byMinutes) {
        port.write(QByteArray(1, cmd::SetMinutes));
    } else {
        quiet.delay(0.05);
        port.write(QByteArray(1, cmd::SetSeconds));
    }
    quiet.delay(0.05);
    port.write(QByteArray(1, char(v)));
    if (!Delivered(port, link)) return std::nullopt;
    return v;
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

std::optional<int> ReadPowerOff(SerialPort& port, Clock& clock, LinkState& link) {
    if (!link.MeterOnline) return std::nullopt;
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    port.readAll();
    const QByteArray r = AskMeter(port, quiet, link, cmd::ReadPowerOff);  // read once
    if (!link.MeterOnline) return std::nullopt;
    if (r.size() < reply::kPowerOffBytes) return kPowerOffUnknown;
    return Byte(r, reply::kPowerOffHigh) * 256 + Byte(r, reply::kPowerOffLow);
}

bool SetPowerOff(SerialPort& port, Clock& clock, LinkState& link, int seconds) {
    const int v = std::clamp(seconds, 1, kMaxPowerOffSeconds);
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    AttentionHandshake(port, quiet, link);
    port.write(QByteArray(1, cmd::SetPowerOff));
    quiet.delay(0.05);
    port.write(QByteArray(1, char(v / 256)));
    quiet.delay(0.05);
    port.write(QByteArray(1, char(v % 256)));
    return Delivered(port, link);
}

void KeepPowerOff(SerialPort& port, Clock& clock, LinkState& link) {
    DeadlineClock quiet(clock, kExchangeSilenceMs);
    SendCommand(port, quiet, link, cmd::KeepPowerOff);
}

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

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/Commands.h"
#include "cli/Usage.h"
#include "core/meter/LiveFrame.h"

namespace montira::cli {

namespace {

QJsonObject ToJson(const LiveState& st) {
    const Reading& r = st.reading;
    const StatusFlags& f = st.flags;
    QJsonObject o;
// clang-format off
#define NUM(x) o.insert(QStringLiteral(#x), r.x);
#define TXT(x) o.insert(QStringLiteral(#x), r.x);
#define FLAG(x) o.insert(QStringLiteral(#x), f.x);
    NUM(GlobeC)
    NUM(GlobeF) NUM(DryC) NUM(DryF) NUM(WetC) NUM(WetF) NUM(RH) NUM(DewC) NUM(DewF) NUM(
        HeatIndexC) NUM(HeatIndexF) NUM(HumidexC) NUM(HumidexF) NUM(WbgtIndoorC) NUM(WbgtIndoorF)
        NUM(WbgtOutdoorC) NUM(WbgtOutdoorF) NUM(AirSpeed) NUM(AirSpeedFtMin) NUM(SpeedZero) NUM(
            SpeedOffset) TXT(GlobeText) TXT(GlobeTextF) TXT(DryText) TXT(DryTextF) TXT(WetText)
            TXT(WetTextF) TXT(RHText) TXT(DewText) TXT(DewTextF) TXT(HeatIndexText)
                TXT(HeatIndexTextF) TXT(HumidexText) TXT(HumidexTextF) TXT(WbgtIndoorText) TXT(
                    WbgtIndoorTextF) TXT(WbgtOutdoorText) TXT(WbgtOutdoorTextF) TXT(AirSpeedText)
                    TXT(AirSpeedTextFtMin) TXT(WindChillText) TXT(WindChillTextF) FLAG(FlagHold)
                        FLAG(FlagBattery) FLAG(FlagAuto) FLAG(FlagMemoryFull) FLAG(FlagM) FLAG(
                            FlagR) FLAG(FlagImperial) FLAG(FlagFull) FLAG(FlagWind) FLAG(FlagDry)
                            FLAG(FlagGlobe) FLAG(FlagWbgt) FLAG(FlagLower) FLAG(FlagUpper)
                                FLAG(FlagRun) FLAG(FlagUpperBlank) FLAG(FlagLowerBlank)
                                    FLAG(FlagDate) FLAG(FlagC2) FLAG(FlagPowerOff) FLAG(FlagMax)
                                        FLAG(FlagMin) FLAG(FlagUpperNeg) FLAG(FlagLowerNeg)
                                            FLAG(FlagGlobeMax) FLAG(FlagGlobeMin) FLAG(FlagDryMax)
                                                FLAG(FlagDryMin) FLAG(FlagWetMax) FLAG(FlagWetMin)
#undef NUM
#undef TXT
#undef FLAG
        // clang-format on
        o.insert(QStringLiteral("MaxMinSelection"), f.MaxMinSelection);
    return o;
}

}  // namespace

// montira-cli decode HEX [HEX...]: decodes each 47-byte frame in order on one fresh state and
// prints one JSON object per frame.
int RunDecode(const QStringList& args) {
    if (args.isEmpty()) return Refuse("decode", {});
    QList<QByteArray> frames;
    for (int i = 0; i < args.size(); ++i) {
        const QString& h = args[i];
        if (h.size() != 2 * kLiveFrameLength) {
            std::fprintf(stderr,
                         "montira-cli decode: quadro %d: comprimento errado, %lld dígitos "
                         "(esperados 94)\n",
                         i + 1, static_cast<long long>(h.size()));
            return kUsage;
        }
        for (QChar c : h) {
            const char16_t u = c.unicode();
            const bool hex =
                (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
            if (!hex) {
                std::fprintf(stderr, "montira-cli decode: quadro %d: não é hexadecimal\n", i + 1);
                return kUsage;
            }
        }
        const QByteArray bytes = QByteArray::fromHex(h.toLatin1());
        if (!IsLiveFrameValid(bytes)) {
            const bool startOk = uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xAA;
            if (!startOk)
                std::fprintf(stderr,
                             "montira-cli decode: quadro %d: início %02X %02X, esperado FF AA\n",
                             i + 1, uint8_t(bytes[0]), uint8_t(bytes[1]));
            else
                std::fprintf(stderr, "montira-cli decode: quadro %d: fim %02X, esperado 03\n",
                             i + 1, uint8_t(bytes[kLiveFrameLength - 1]));
            return kUsage;
        }
        frames.push_back(bytes);
    }
    LiveState state;  // numbers 0, texts empty
    for (const QByteArray& b : frames) {
        DecodeLiveFrame(ToLiveFrame(b), state);
        const QByteArray line = QJsonDocument(ToJson(state)).toJson(QJsonDocument::Compact);
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
    }
    return kDone;
}

}  // namespace montira::cli

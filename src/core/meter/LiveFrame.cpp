#include "core/meter/LiveFrame.h"

#include "core/meter/Formulas.h"
#include "core/meter/Numbers.h"
#include "core/meter/Protocol.h"

namespace montira {

namespace {

int Word(const LiveFrame& f, int at) {
    return f[at] * 256 + f[at + 1];
}

// A temperature text with its range, and the °F twin.
void TemperatureTexts(double c, double lo, double hi, double* f, QString* text, QString* textF) {
    *text = (c < lo || c > hi) ? InvalidText() : FormatOneDecimal(c);
    *f = c * 1.8 + 32;
    *textF = (*text == InvalidText()) ? InvalidText() : FormatOneDecimal(*f);
}

void Temperatures(Reading& r) {
    TemperatureTexts(r.GlobeC, -5, 129.9, &r.GlobeF, &r.GlobeText, &r.GlobeTextF);
    TemperatureTexts(r.DryC, -5, 99.9, &r.DryF, &r.DryText, &r.DryTextF);
    TemperatureTexts(r.WetC, -5, 99.9, &r.WetF, &r.WetText, &r.WetTextF);
}

void HumidityText(Reading& r) {
    if (r.DryText == InvalidText() || r.WetText == InvalidText()) {
        r.RHText = InvalidText();
        return;
    }
    RelativeHumidity(r, r.DryC, r.WetC);
    r.RHText = r.RH > 99.9 ? QStringLiteral("99.9") : FormatOneDecimal(r.RH);
}

void HeatIndexTexts(Reading& r) {
    const double dry = LeadingNumber(r.DryText);
    if (dry <= 21 || dry >= 49 || r.DryTextF == InvalidText() || r.RHText == InvalidText() ||
        r.RH <= 30 || r.RH >= 99) {
        r.HeatIndexText = InvalidText();
        r.HeatIndexTextF = InvalidText();
        return;
    }
    HeatIndex(r, r.DryF, r.RH);
    r.HeatIndexText = FormatOneDecimal(r.HeatIndexC);
    r.HeatIndexTextF = FormatOneDecimal(r.HeatIndexF);
}

void HumidexTexts(Reading& r) {
    if (r.DryText == InvalidText() || r.DewText == InvalidText() || r.RH >= 99 ||
        r.RHText == InvalidText()) {
        r.HumidexText = InvalidText();
        r.HumidexTextF = InvalidText();
        return;
    }
    Humidex(r, r.DryC, r.DewC);
    r.HumidexText = FormatOneDecimal(r.HumidexC);
    r.HumidexTextF = FormatOneDecimal(r.HumidexF);
}

void WbgtTexts(Reading& r) {
    if (r.GlobeText == InvalidText() || r.WetText == InvalidText()) {
        r.WbgtIndoorText = r.WbgtIndoorTextF = InvalidText();
        r.WbgtOutdoorText = r.WbgtOutdoorTextF = InvalidText();
        return;
    }
    r.WbgtIndoorC = 0.7 * r.WetC + 0.3 * r.GlobeC;
    r.WbgtIndoorF = r.WbgtIndoorC * 1.8 + 32;
    r.WbgtIndoorText = FormatOneDecimal(r.WbgtIndoorC);
    r.WbgtIndoorTextF = FormatOneDecimal(r.WbgtIndoorF);
    if (r.DryText == InvalidText()) {
        r.WbgtOutdoorText = r.WbgtOutdoorTextF = InvalidText();
        return;
    }
    r.WbgtOutdoorC = 0.7 * r.WetC + 0.2 * r.GlobeC + 0.1 * r.DryC;
    r.WbgtOutdoorF = r.WbgtOutdoorC * 1.8 + 32;
    r.WbgtOutdoorText = FormatOneDecimal(r.WbgtOutdoorC);
    r.WbgtOutdoorTextF = FormatOneDecimal(r.WbgtOutdoorF);
}

void DewTexts(Reading& r) {
    DewPoint(r, r.DryC, r.RH);
    r.DewText = FormatOneDecimal(r.DewC);
    r.DewTextF = FormatOneDecimal(r.DewF);
}

}  // namespace

bool IsLiveFrameValid(const QByteArray& s) {
    return s.size() >= kLiveFrameLength && uint8_t(s[frame::kStart1]) == frame::kStart1Byte &&
           uint8_t(s[frame::kStart2]) == frame::kStart2Byte &&
           uint8_t(s[frame::kEnd]) == frame::kEndByte;
}

LiveFrame ToLiveFrame(const QByteArray& bytes) {
    LiveFrame f{};
    for (int i = 0; i < kLiveFrameLength && i < bytes.size(); ++i) f[i] = uint8_t(bytes[i]);
    return f;
}

void DecodeLiveFrame(const LiveFrame& f, LiveState& st) {
    Reading& r = st.reading;
    DecodeStatusA(st.flags, f[frame::kStatusA]);
    DecodeStatusB(st.flags, f[frame::kStatusB]);
    DecodeStatusC(st.flags, f[frame::kStatusC]);
    DecodeGlobe(r, f[frame::kGlobe], f[frame::kGlobe + 1]);
    DecodeDry(r, f[frame::kDry], f[frame::kDry + 1]);
    DecodeWet(r, f[frame::kWet], f[frame::kWet + 1]);
    Temperatures(r);
    HumidityText(r);
    HeatIndexTexts(r);
    // The dew point has no range rule on the live path: its texts always hold a number.
    RelativeHumidity(r, r.DryC, r.WetC);
    DewTexts(r);
    HumidexTexts(r);
    WbgtTexts(r);
    DecodeMaxMinSelection(st.flags, f[frame::kMaxMinSelection]);

    // Calibration kept for stored records until the next frame replaces it.
    ProbeCalibration& c = st.calibration;
    c.R0 = Word(f, frame::kProbeZero);
    c.G = Word(f, frame::kProbeGain) / 100.0;
    c.P0 = Word(f, frame::kP0);
    c.P5 = Word(f, frame::kP5);
    c.P10 = Word(f, frame::kP10);
    c.P15 = Word(f, frame::kP15);
    c.P2 = Word(f, frame::kP2);
    c.P20 = Word(f, frame::kP20);
    c.P25 = Word(f, frame::kP25);
    r.SpeedZero = Word(f, frame::kSpeedZero) / 100.0;
    r.SpeedOffset = (Word(f, frame::kOffsetA) - Word(f, frame::kOffsetB)) / 100.0;
    ComputeAirSpeed(r, c, Word(f, frame::kProbeCount), &st.diagnostics);

    st.display.Upper = DecodeLcdValue(f[frame::kUpperDisplay], f[frame::kUpperDisplay + 1]);
    st.display.Lower = DecodeLcdValue(f[frame::kLowerDisplay], f[frame::kLowerDisplay + 1]);
    st.display.Number = f[frame::kDisplayNumber];
    st.display.Seconds = f[frame::kDisplaySeconds];
    st.display.Minutes = f[frame::kDisplayMinutes];
    st.display.Hours = f[frame::kDisplayHours];
}

void DecodeStoredRecord(Reading& r, const ProbeCalibration& cal, int globeRaw, int dryRaw,
                        int wetRaw, int speedCount, double speedZero, double speedOffset) {
    DecodeGlobe(r, globeRaw >> 8, globeRaw & 0xFF);
    DecodeDry(r, dryRaw >> 8, dryRaw & 0xFF);
    DecodeWet(r, wetRaw >> 8, wetRaw & 0xFF);
    Temperatures(r);
    r.SpeedZero = speedZero;
    r.SpeedOffset = speedOffset;
    ComputeAirSpeed(r, cal, speedCount);
    HumidityText(r);
    HeatIndexTexts(r);
    // Dew point before humidex, which reads it; "- - -" when its inputs are not valid.
    if (r.DryText == InvalidText() || r.RHText == InvalidText()) {
        r.DewText = r.DewTextF = InvalidText();
    } else {
        DewTexts(r);
    }
    HumidexTexts(r);
    WbgtTexts(r);
}

}  // namespace montira

#include "core/meter/DisplayReplica.h"

#include "core/meter/Numbers.h"
#include "core/meter/Reading.h"

namespace montira {

namespace {

QString TwoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString ReplicaUpperText(const StatusFlags& f, double v) {
    if (f.FlagUpperBlank) return InvalidText();
    const QString t =
        (f.FlagWind && f.FlagImperial) ? QString::number(SafeWhole(v * 10)) : FormatOneDecimal(v);
    return f.FlagUpperNeg ? QStringLiteral("-") + t : t;
}

QString ReplicaLowerText(const StatusFlags& f, double w) {
    if (f.FlagLowerBlank) return InvalidText();
    QString t = FormatOneDecimal(w);
    if (f.FlagLowerNeg) t.prepend(QLatin1Char('-'));
    return LeadingNumber(t) >= 200 ? t.left(3) : t;
}

ReplicaView ComputeReplica(const StatusFlags& f, const DisplayFields& d,
                           const ReplicaView& previous) {
    ReplicaView v;
    v.LblDry = (f.FlagDryMax || f.FlagDryMin) ? !previous.LblDry : f.FlagDry;
    // The frame has no wet-bulb channel bit: the wet-bulb marker follows the dry bulb.
    v.lblWet = (f.FlagWetMax || f.FlagWetMin) ? !previous.lblWet : f.FlagDry;
    v.LblGlobe = (f.FlagGlobeMax || f.FlagGlobeMin) ? !previous.LblGlobe : f.FlagGlobe;
    v.LblDew = f.FlagGlobe;
    v.LblWBGTi = v.LblWBGTo = f.FlagWbgt;
    v.LcdU = f.FlagUpper || f.FlagLower;
    v.LcdD = f.FlagLower;
    v.LblHi = f.FlagUpper;
    v.LblAuto = f.FlagAuto;
    v.LblFull = f.FlagFull || f.FlagMemoryFull;
    v.LblH = f.FlagHold;
    v.LblBt1 = f.FlagBattery;
    v.LblPowerOff = f.FlagPowerOff;
    v.LblAVG = v.LblTwc = f.FlagWind;
    v.Lblfm = f.FlagImperial && f.FlagWind;
    v.Lblms = !f.FlagImperial && f.FlagWind;
    v.LblRun = f.FlagRun;
    v.LblM = f.FlagM;
    v.LblR = f.FlagR;
    const bool upperUnit = !f.FlagUpper && !f.FlagLower && !f.FlagWind;
    v.UpF = f.FlagImperial && upperUnit;
    v.UpC = !f.FlagImperial && upperUnit;
    const bool lowerUnit = !f.FlagLowerBlank && !f.FlagLower && !f.FlagWind;
    v.DownF = f.FlagImperial && lowerUnit;
    v.DownC = !f.FlagImperial && lowerUnit;
    v.LblMax = f.FlagGlobeMax || f.FlagDryMax || f.FlagWetMax || f.FlagMax;
    v.LblMin = f.FlagGlobeMin || f.FlagDryMin || f.FlagWetMin || f.FlagMin;

    v.LcdUText = ReplicaUpperText(f, d.Upper);
    v.LcdDText = ReplicaLowerText(f, d.Lower);
    v.LblNo = f.FlagMemoryFull ? QStringLiteral("99") : TwoDigits(d.Number % 128);
    v.LblSign1 = v.LblSign2 = f.FlagDate ? QStringLiteral("/") : QStringLiteral(":");
    v.LblHr = TwoDigits(d.Hours);
    v.LblMn = TwoDigits(d.Minutes);
    v.LblSc = TwoDigits(d.Seconds);
    return v;
}

}  // namespace montira

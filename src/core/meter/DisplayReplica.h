#pragma once
#include <QString>

#include "core/meter/LiveFrame.h"
#include "core/meter/StatusFlags.h"

namespace montira {

// What the keypad window's replica of the meter's display shows: which indicators are
// visible and the texts of the two values, the number field and the clock. Members are
// named after the replica's controls.
struct ReplicaView {
    // Indicators
    bool LblDry = false, lblWet = false, LblGlobe = false, LblDew = false;
    bool LblWBGTi = false, LblWBGTo = false;
    bool LblRH = false, LblHumidx = false, LblBt = false;  // never shown
    bool LcdU = false, LcdD = false, LblHi = false;
    bool LblAuto = false, LblFull = false, LblH = false, LblBt1 = false, LblPowerOff = false;
    bool LblAVG = false, LblTwc = false, Lblfm = false, Lblms = false;
    bool LblRun = false, LblM = false, LblR = false;
    bool UpF = false, UpC = false, DownF = false, DownC = false;
    bool LblMax = false, LblMin = false;
    // Texts
    QString LcdUText, LcdDText;  // upper and lower values
    QString LblNo;               // number field, "00"
    QString LblSign1, LblSign2;  // ":" or "/" for a date
    QString LblHr, LblMn, LblSc;
};

// The replica after one frame. `previous` is what the replica showed before: the channel
// whose maximum or minimum the meter shows blinks, its visibility inverted at each tick.
ReplicaView ComputeReplica(const StatusFlags& f, const DisplayFields& d,
                           const ReplicaView& previous);

// The upper value's text: "- - -" when blank; a speed in ft/min as the whole part of v × 10;
// else one decimal; "-" in front when negative.
QString ReplicaUpperText(const StatusFlags& f, double v);
// The lower value's text: "- - -" when blank, else one decimal with "-" when negative; a
// value of 200 or more keeps only its first three characters (the lower display has three
// digits).
QString ReplicaLowerText(const StatusFlags& f, double w);

}  // namespace montira

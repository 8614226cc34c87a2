#pragma once
#include <array>

#include "core/meter/Reading.h"

namespace montira {

// The air-speed probe calibration of the last live frame: zero reference R0 (bytes 20-21),
// gain G (bytes 22-23, /100) and the seven calibration points, kept for stored records.
struct ProbeCalibration {
    double R0 = 0;
    double G = 0;
    double P0 = 0, P2 = 0, P5 = 0, P10 = 0, P15 = 0, P20 = 0, P25 = 0;
};

// What the hidden diagnostic labels of the panel show.
struct ProbeDiagnostics {
    std::array<QString, 7> LblBug;  // "  0- P0" ... " 25- P25"
    QString LblAD, LblX, LblDer, LblZero, LblOffset;
};

// Air speed from the probe count with the given calibration, and r.SpeedZero/r.SpeedOffset
// already set. Fills AirSpeed, AirSpeedText, AirSpeedFtMin, AirSpeedTextFtMin and the wind
// chill texts. A calibration that gives no defined speed (equal points, zero gain) makes the
// speed and wind-chill texts "- - -" instead of failing the frame.
void ComputeAirSpeed(Reading& r, const ProbeCalibration& cal, int count,
                     ProbeDiagnostics* diag = nullptr);

// Wind chill (North-American index) from the dry bulb and the speed texts.
void WindChill(Reading& r);

}  // namespace montira

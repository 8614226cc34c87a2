#include "core/meter/AirSpeed.h"

#include <cmath>

#include "core/meter/Numbers.h"

namespace montira {

namespace {

void SpeedUndefined(Reading& r) {
    r.AirSpeedText = InvalidText();
    r.AirSpeedTextFtMin = InvalidText();
    r.WindChillText = InvalidText();
    r.WindChillTextF = InvalidText();
}

// Linear segment: base + whole part of span × (m − lo) / (hi − lo), divided by 100.
bool Segment(double base, double span, double m, double lo, double hi, double* out) {
    const double den = hi - lo;
    if (den == 0) return false;
    const double v = std::trunc(span * (m - lo) / den);  // whole part, toward zero
    if (!std::isfinite(v)) return false;
    *out = base + v / 100.0;
    return true;
}

}  // namespace

void ComputeAirSpeed(Reading& r, const ProbeCalibration& c, int count, ProbeDiagnostics* diag) {
    if (diag) {
        diag->LblBug = {QStringLiteral("  0- ") + FormatGeneral(c.P0),
                        QStringLiteral("  2- ") + FormatGeneral(c.P2),
                        QStringLiteral("  5- ") + FormatGeneral(c.P5),
                        QStringLiteral(" 10- ") + FormatGeneral(c.P10),
                        QStringLiteral(" 15- ") + FormatGeneral(c.P15),
                        QStringLiteral(" 20- ") + FormatGeneral(c.P20),
                        QStringLiteral(" 25- ") + FormatGeneral(c.P25)};
        diag->LblAD = QStringLiteral("  AD- ") + QString::number(count);
        diag->LblZero = FormatGeneral(r.SpeedZero);
        diag->LblOffset = FormatGeneral(r.SpeedOffset);
    }
    if (c.G == 0) {  // no gain: the probe voltage is not defined
        SpeedUndefined(r);
        return;
    }
    // Probe voltage, then the raw speed polynomial, each term cut to two decimals.
    const double X = 2 * TruncTo((count - c.R0) / c.G / 100.0, 2) + 2.5 - 1.25;
    double S = TruncTo(37.458 * X * X * X, 2) - TruncTo(133.73 * X * X, 2) +
               TruncTo(186.47 * X, 2) - 97.319;
    S = TruncTo(TruncTo(S, 2) / 10, 2);
    const double M = S * 100;
    if (diag) diag->LblX = QStringLiteral(" X- ") + FormatGeneral(S);

    // Piecewise-linear correction over the calibration points; the first row that holds.
    double speed = 0;
    bool ok = true;
    if (M <= c.P0)
        speed = 0;
    else if (M <= c.P2)
        ok = Segment(0, 200, M, c.P0, c.P2, &speed);
    else if (M <= c.P5)
        ok = Segment(2, 300, M, c.P2, c.P5, &speed);
    else if (M <= c.P10)
        ok = Segment(5, 500, M, c.P5, c.P10, &speed);
    else if (M <= c.P15)
        ok = Segment(10, 500, M, c.P10, c.P15, &speed);
    else if (M <= c.P20)
        ok = Segment(15, 500, M, c.P15, c.P20, &speed);
    else
        ok = Segment(20, 500, M, c.P20, c.P25, &speed);  // up to P25 and beyond it
    if (!ok) {
        if (diag) diag->LblDer = InvalidText();
        SpeedUndefined(r);
        return;
    }
    if (diag) diag->LblDer = M <= c.P0 ? QStringLiteral("0.0") : FormatGeneral(speed);

    speed = speed - r.SpeedZero + r.SpeedOffset;
    if (speed < 0) speed = 0;
    r.AirSpeed = speed;
    if (speed > 30) {
        SpeedUndefined(r);
        return;
    }
    r.AirSpeedText = FormatOneDecimal(speed);
    r.AirSpeedFtMin = double(SafeWhole(LeadingNumber(r.AirSpeedText) * 60 * 1250 / 381));
    r.AirSpeedTextFtMin = QString::number(SafeWhole(r.AirSpeedFtMin));
    WindChill(r);
}

void WindChill(Reading& r) {
    const double ms = LeadingNumber(r.AirSpeedText);
    const double ftmin = LeadingNumber(r.AirSpeedTextFtMin);
    if (r.DryC > 5 || r.DryC < -5 || ms < 0.894 || ftmin < 176) {
        r.WindChillText = InvalidText();
        r.WindChillTextF = InvalidText();
        return;
    }
    {
        const double T = TruncTo(r.DryF, 2);
        const double V = TruncTo(ftmin / 88, 2);  // mph
        const double P = TruncTo(std::pow(V, 0.16), 4);
        const double twc = 35.74 + TruncTo(0.6215 * T, 2) - TruncTo(35.75 * P, 2) +
                           TruncTo(TruncTo(0.4275 * T, 2) * P, 2);
        r.WindChillTextF = FormatOneDecimal(TruncTo(twc, 1));
    }
    {
        const double T = TruncTo(r.DryC, 2);
        const double V = TruncTo(ms * 3.6, 2);  // km/h
        const double P = TruncTo(std::pow(V, 0.16), 4);
        const double twc = 13.12 + TruncTo(0.6215 * T, 2) - TruncTo(11.37 * P, 2) +
                           TruncTo(TruncTo(0.3965 * T, 2) * P, 2);
        r.WindChillText = FormatOneDecimal(TruncTo(twc, 1));
    }
}

}  // namespace montira

#include "core/meter/Formulas.h"

#include <cmath>

namespace montira {

double RawTemperatureC(int hi, int lo) {
    return (hi * 256 + lo - 5100) * 0.01;
}

void DecodeGlobe(Reading& r, int hi, int lo) {
    r.GlobeC = RawTemperatureC(hi, lo);
}
void DecodeDry(Reading& r, int hi, int lo) {
    r.DryC = RawTemperatureC(hi, lo);
}
void DecodeWet(Reading& r, int hi, int lo) {
    r.WetC = RawTemperatureC(hi, lo);
}

double DecodeLcdValue(int hi, int lo) {
    return (hi * 256 + lo) * 0.01;
}

double SaturationVapourPressure(double T) {
    const double g0 = -2991.2729, g1 = -6017.0128, g2 = 18.87643854, g3 = -0.028354721,
                 g4 = 1.7838301e-5, g5 = -8.4150417e-10, g6 = 4.4412543e-13, g7 = 2.858487;
    return std::exp(g0 / (T * T) + g1 / T + g2 + g3 * T + g4 * T * T + g5 * T * T * T +
                    g6 * T * T * T * T + g7 * std::log(T));
}

void RelativeHumidity(Reading& r, double dry, double wet) {
    if (dry <= wet) {
        r.RH = 99.9;
        return;
    }
    const double ew = SaturationVapourPressure(wet + 273.15);
    const double ed = SaturationVapourPressure(dry + 273.15);
    double rh = 100.0 * (ew - 67.07715 * (dry - wet)) / ed;
    if (!std::isfinite(rh)) rh = 99.9;
    if (rh < 0) rh = -rh;
    if (rh >= 100) rh = 99.9;
    r.RH = rh;
}

void DewPoint(Reading& r, double dry, double rh) {
    const double e = 0.01 * rh * SaturationVapourPressure(dry + 273.15);
    if (!(e > 0)) return;  // the logarithm of 0: nothing changes
    const double y = std::log(e / 611.2);
    const double dew = 243.12 * y / (17.62 - y);
    if (!std::isfinite(dew)) return;
    r.DewC = dew;
    r.DewF = 1.8 * dew + 32;
}

void HeatIndex(Reading& r, double T, double R) {
    if (r.RH >= 99) return;
    const double hi = -42.379 + 2.04901523 * T + 10.14333127 * R - 0.22475541 * T * R -
                      0.00683783 * T * T - 0.05481717 * R * R + 0.00122874 * T * T * R +
                      0.00085282 * T * R * R - 0.00000199 * T * T * R * R;
    r.HeatIndexF = hi;
    r.HeatIndexC = (hi - 32) * 5 / 9;
}

void Humidex(Reading& r, double dry, double dew) {
    if (r.DewText == InvalidText() || r.RH >= 99 || r.RHText == InvalidText()) return;
    const double e = 6.11 * std::exp(5417.753 * (0.003660858 - 1 / (273.15 + dew)));
    if (!std::isfinite(e)) return;
    r.HumidexC = dry + 0.5555 * (e - 10);
    r.HumidexF = 1.8 * r.HumidexC + 32;
}

}  // namespace montira

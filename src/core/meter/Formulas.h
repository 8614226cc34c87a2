#pragma once
#include "core/meter/Reading.h"

namespace montira {

// Raw temperature pair to °C: hundredths of a degree plus 5100 (0 is -51.00 °C).
double RawTemperatureC(int hi, int lo);
void DecodeGlobe(Reading& r, int hi, int lo);
void DecodeDry(Reading& r, int hi, int lo);
void DecodeWet(Reading& r, int hi, int lo);
// Value on the meter's display, hundredths.
double DecodeLcdValue(int hi, int lo);

// Saturation vapour pressure (Wexler), T in kelvin, result in Pa.
double SaturationVapourPressure(double kelvin);

// Psychrometric relative humidity; 99.9 when dry <= wet.
void RelativeHumidity(Reading& r, double dry, double wet);
// Magnus dew point; leaves DewC/DewF unchanged on an arithmetic failure (rh = 0).
void DewPoint(Reading& r, double dry, double rh);
// Rothfusz heat index from °F; unchanged when RH >= 99.
void HeatIndex(Reading& r, double dryF, double rh);
// Humidex from dry bulb and dew point (°C); unchanged when the inputs are not valid.
void Humidex(Reading& r, double dry, double dew);

}  // namespace montira

#pragma once
#include <optional>
#include <vector>

namespace montira::heatstrain {

// Predicted heat strain (ISO 7933:2004): the one-minute model of sweat rate, skin, core and
// rectal temperatures and water loss of a worker, and the exposure it allows.

constexpr double kWattsPerMet = 58.15;  // W/m² in one met

enum class Posture { Sitting, Standing, Crouching };

struct PhsInput {
    double ta = 0;    // air temperature, °C
    double tr = 0;    // mean radiant temperature, °C
    double pa = 0;    // partial water-vapour pressure, kPa
    double va = 0;    // air speed, m/s
    double met = 0;   // metabolic rate, W/m²
    double work = 0;  // effective mechanical power, W/m²
    double clo = 0;   // static clothing insulation, clo
    Posture posture = Posture::Standing;
    bool acclimatised = true;
    bool drinkFreely = true;
    int duration = 480;   // minutes
    double weight = 75;   // kg
    double height = 1.8;  // m
    // Walking speed (m/s) and the angle (degrees) between the walking direction and the wind;
    // without a speed the model derives one from the metabolic rate and takes the air speed
    // as it is; a speed without a direction is walking in every direction.
    std::optional<double> walkSpeed, walkDirection;
    // Clothing: static moisture permeability index, the fraction of the body covered by
    // reflective clothing and that clothing's emissivity.
    double imst = 0.38, ap = 0.54, fr = 0.97;
};

// The state at the end of one minute (minute 0 is the start).
struct PhsMinute {
    double rectal = 0;     // °C
    double waterLoss = 0;  // g since the start
};

struct PhsResult {
    double rectalTemperature = 0;  // °C at the end
    double waterLoss = 0;          // g over the duration
    // Allowable exposure (min) before the water loss reaches its limit for the mean worker
    // and for 95 % of workers, and before the rectal temperature reaches 38 °C; the
    // duration when the limit is not reached within it.
    int dlimLoss50 = 0, dlimLoss95 = 0, dlimTre = 0;
    bool inRange = false;            // the case lies within the model's validity range
    std::vector<PhsMinute> minutes;  // duration + 1 entries, from minute 0
};

// Runs the model for input.duration minutes. Inputs outside the validity range are computed
// all the same (inRange says so); the caller keeps them within PhsLimits.
PhsResult PredictHeatStrain(const PhsInput& input);

// The water-loss limits (g) for the mean worker and for 95 % of workers: 7.5 % and 5 % of
// the body mass, 3 % for both when the worker cannot drink freely.
double WaterLimit50(const PhsInput& input);
double WaterLimit95(const PhsInput& input);

// Saturation pressure of water vapour (kPa) at t °C: 0.6105·exp(17.27·t/(t + 237.3)).
double SaturationPressure(double t);
// Partial vapour pressure (kPa) of air at t °C and relative humidity rh %.
double VapourPressure(double t, double rh);

// The model's validity range: air 15-50 °C, radiant minus air 0-60 °C, air speed 0-3 m/s,
// metabolic rate 100-450 W/m², clothing 0.1-1.0 clo, vapour pressure 0-4.5 kPa.
bool InValidityRange(const PhsInput& input);

// What the program accepts at all (the model runs, though far outside its range).
struct Bounds {
    double low, high;
    bool Holds(double v) const { return v >= low && v <= high; }  // false for NaN
};
namespace PhsLimits {
constexpr Bounds kAir{-40, 100};          // °C
constexpr Bounds kRadiant{-40, 200};      // °C
constexpr Bounds kSpeed{0, 20};           // m/s
constexpr Bounds kHumidity{0, 100};       // %
constexpr Bounds kVapour{0, 20};          // kPa
constexpr Bounds kMetabolic{40, 1000};    // W/m²
constexpr Bounds kWork{0, 1000};          // W/m², and below the metabolic rate
constexpr Bounds kClothing{0, 3};         // clo
constexpr Bounds kDuration{1, 1440};      // minutes
constexpr Bounds kWeight{20, 300};        // kg
constexpr Bounds kHeight{1.0, 2.5};       // m
constexpr Bounds kWalkSpeed{0, 5};        // m/s
constexpr Bounds kWalkDirection{0, 360};  // degrees
constexpr Bounds kGlobeSize{0.01, 1};     // m
}  // namespace PhsLimits

}  // namespace montira::heatstrain

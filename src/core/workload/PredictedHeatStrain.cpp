#include "core/workload/PredictedHeatStrain.h"

#include <algorithm>
#include <cmath>

namespace montira::heatstrain {

namespace {

// The two fixed-point searches of each minute settle within a few dozen rounds; the cap only
// keeps a non-finite input from spinning for ever.
constexpr int kMaxRounds = 1000;
constexpr double kSettled = 0.001;  // °C

// Clothing constants of the model that follow from the inputs alone.
struct Clothing {
    double fcl = 0;     // clothing area factor
    double icldyn = 0;  // dynamic clothing insulation, m²·K/W
    double rtdyn = 0;   // dynamic evaporative resistance, m²·kPa/W
};

// Relative air speed (m/s) and walking speed (m/s) the clothing corrections use.
void Speeds(const PhsInput& in, double& var, double& walk) {
    if (in.walkSpeed) {
        walk = *in.walkSpeed;
        if (in.walkDirection)  // walking one way: the wind against or behind the walker
            var = std::fabs(in.va - walk * std::cos(3.14159 * *in.walkDirection / 180));
        else  // walking every way
            var = std::max(in.va, walk);
    } else {  // standing still or speed unknown: the one the metabolic rate suggests
        walk = std::min(0.0052 * (in.met - 58), 0.7);
        var = in.va;
    }
}

Clothing ClothingOf(const PhsInput& in, double var, double walk) {
    Clothing c;
    const double iclst = in.clo * 0.155;
    c.fcl = 1 + 0.3 * in.clo;
    const double iast = 0.111;  // boundary layer in still air
    const double itotst = iclst + iast / c.fcl;
    const double vaux = std::min(var, 3.0);
    const double waux = std::min(walk, 1.5);
    const double corcl = std::min(
        1.0, 1.044 * std::exp((0.066 * vaux - 0.398) * vaux + (0.094 * waux - 0.378) * waux));
    const double coria =
        std::min(1.0, std::exp((0.047 * var - 0.472) * var + (0.117 * waux - 0.342) * waux));
    double cortot = corcl;
    if (in.clo <= 0.6) cortot = ((0.6 - in.clo) * coria + in.clo * corcl) / 0.6;
    const double itotdyn = itotst * cortot;
    const double iadyn = coria * iast;
    // A nude body has no insulation between skin and surface; the floor keeps the clothing
    // balance below from dividing by zero (the surface then sits at the skin temperature).
    c.icldyn = std::max(itotdyn - iadyn / c.fcl, 1e-6);
    const double core = (2.6 * cortot - 6.5) * cortot + 4.9;
    const double imdyn = std::min(in.imst * core, 0.9);
    c.rtdyn = itotdyn / imdyn / 16.7;
    return c;
}

// Radiative exchange coefficient between a surface at tcl and surroundings at tr.
double RadiativeCoefficient(double fclr, double auxr, double tcl, double tr) {
    if (std::fabs(tcl - tr) < 1e-9) return fclr * auxr * 4 * std::pow(tr + 273, 3);
    return fclr * auxr * (std::pow(tcl + 273, 4) - std::pow(tr + 273, 4)) / (tcl - tr);
}

}  // namespace

double WaterLimit50(const PhsInput& in) {
    return (in.drinkFreely ? 0.075 : 0.03) * in.weight * 1000;
}

double WaterLimit95(const PhsInput& in) {
    return (in.drinkFreely ? 0.05 : 0.03) * in.weight * 1000;
}

double SaturationPressure(double t) {
    return 0.6105 * std::exp(17.27 * t / (t + 237.3));
}

double VapourPressure(double t, double rh) {
    return SaturationPressure(t) * rh / 100;
}

bool InValidityRange(const PhsInput& in) {
    const double dr = in.tr - in.ta;
    return in.ta >= 15 && in.ta <= 50 && dr >= 0 && dr <= 60 && in.va >= 0 && in.va <= 3 &&
           in.met >= 100 && in.met <= 450 && in.clo >= 0.1 && in.clo <= 1.0 && in.pa >= 0 &&
           in.pa <= 4.5;
}

PhsResult PredictHeatStrain(const PhsInput& in) {
    PhsResult out;
    out.inRange = InValidityRange(in);
    const int duration = std::max(in.duration, 0);

    const double adu = 0.202 * std::pow(in.weight, 0.425) * std::pow(in.height, 0.725);
    const double spHeat = 57.83 * in.weight / adu;  // body heat capacity per area

    // The standard's program reaches the limits of a worker who cannot drink freely by
    // scaling the time to 5 % by 0.6, but does so inside its minute loop, where the time
    // shrinks again every minute after; the 3 % it stands for is taken here directly.
    const double dmax50 = WaterLimit50(in), dmax95 = WaterLimit95(in);

    // Exponential averaging: core temperature 10 min, skin 3 min, sweat rate 10 min.
    const double constTeq = std::exp(-1.0 / 10);
    const double constTsk = std::exp(-1.0 / 3);
    const double constSw = std::exp(-1.0 / 10);

    // Effective radiating area of the body, as a fraction of its surface.
    const double ardu = in.posture == Posture::Sitting    ? 0.7
                        : in.posture == Posture::Standing ? 0.77
                                                          : 0.67;
    // Maximum sweat rate, W/m², greater by 25 % and with full wettedness when acclimatised.
    double swmax = std::clamp((in.met - 32) * adu, 250.0, 400.0);
    if (in.acclimatised) swmax *= 1.25;
    const double wmax = in.acclimatised ? 1.0 : 0.85;

    double var = 0, walk = 0;
    Speeds(in, var, walk);
    const Clothing cl = ClothingOf(in, var, walk);

    // Respiratory exchanges.
    const double texp = 28.56 + 0.115 * in.ta + 0.641 * in.pa;
    const double cres = 0.001516 * in.met * (texp - in.ta);
    const double eres = 0.00127 * in.met * (59.34 + 0.53 * in.ta - 11.63 * in.pa);

    const double z = var > 1 ? 8.7 * std::pow(var, 0.6) : 3.5 + 5.2 * var;
    const double auxr = 5.67e-8 * ardu;
    const double fclr = (1 - in.ap) * 0.97 + in.ap * in.fr;
    const double tcreqm = 0.0036 * in.met + 36.6;  // core temperature the work settles at

    double tre = 36.8, tcr = 36.8, tsk = 34.1, tcreq = 36.8, wg = 0.3;  // wg: skin-core weight
    double swp = 0, swtot = 0, swtotg = 0;
    int dlimTre = 0, dlimLoss50 = 0, dlimLoss95 = 0;
    out.minutes.reserve(static_cast<size_t>(duration) + 1);
    out.minutes.push_back({tre, 0});

    for (int time = 1; time <= duration; ++time) {
        const double tsk0 = tsk, tre0 = tre, tcr0 = tcr, tcreq0 = tcreq, wg0 = wg;

        tcreq = tcreq0 * constTeq + tcreqm * (1 - constTeq);
        const double dStoreq = spHeat * (tcreq - tcreq0) * (1 - wg0);

        // Skin temperature in equilibrium: clothed, nude, and between 0.2 and 0.6 clo.
        const double tskeqCl = 12.165 + 0.02017 * in.ta + 0.04361 * in.tr + 0.19354 * in.pa -
                               0.25315 * in.va + 0.005346 * in.met + 0.51274 * tre;
        const double tskeqNu =
            7.191 + 0.064 * in.ta + 0.061 * in.tr + 0.198 * in.pa - 0.348 * in.va + 0.616 * tre;
        double tskeq = tskeqNu + 2.5 * (tskeqCl - tskeqNu) * (in.clo - 0.2);
        if (in.clo >= 0.6) tskeq = tskeqCl;
        if (in.clo <= 0.2) tskeq = tskeqNu;
        tsk = tsk0 * constTsk + tskeq * (1 - constTsk);
        const double psk = SaturationPressure(tsk);

        // Clothing surface temperature, by halving the step until it settles.
        const double hc = std::max(2.38 * std::pow(std::fabs(tsk - in.ta), 0.25), z);
        double tcl = in.tr + 0.1, hr = 0;
        for (int round = 0; round < kMaxRounds; ++round) {
            hr = RadiativeCoefficient(fclr, auxr, tcl, in.tr);
            const double tcl1 = (cl.fcl * (hc * in.ta + hr * in.tr) + tsk / cl.icldyn) /
                                (cl.fcl * (hc + hr) + 1 / cl.icldyn);
            if (std::fabs(tcl - tcl1) <= kSettled) break;
            tcl = (tcl + tcl1) / 2;
        }
        const double conv = cl.fcl * hc * (tcl - in.ta);
        const double rad = cl.fcl * hr * (tcl - in.tr);
        double emax = (psk - in.pa) / cl.rtdyn;
        double ereq = in.met - dStoreq - in.work - cres - eres - conv - rad;

        // Required sweat rate.
        double swreq = 0;
        if (ereq <= 0) {
            ereq = 0;
        } else if (emax <= 0) {
            emax = 0;
            swreq = swmax;
        } else {
            const double wreq = ereq / emax;
            if (wreq >= 1.7) {
                swreq = swmax;
            } else {
                const double eveff = wreq > 1 ? (2 - wreq) * (2 - wreq) / 2 : 1 - wreq * wreq / 2;
                swreq = std::min(ereq / eveff, swmax);
            }
        }

        // Predicted sweat rate and evaporation.
        swp = swp * constSw + swreq * (1 - constSw);
        double ep = 0;
        if (swp <= 0) {
            swp = 0;
        } else {
            const double k = emax / swp;
            double wp = 1;
            if (k >= 0.5) wp = -k + std::sqrt(k * k + 2);
            ep = std::min(wp, wmax) * emax;
        }
        const double dStorage = ereq - ep + dStoreq;

        // Core temperature, with the skin-core weighting that depends on it.
        double tcr1 = tcr0;
        for (int round = 0; round < kMaxRounds; ++round) {
            wg = std::clamp(0.3 - 0.09 * (tcr1 - 36.8), 0.1, 0.3);
            tcr = dStorage / spHeat + tsk0 * wg0 / 2 - tsk * wg / 2;
            tcr = (tcr + tcr0 * (1 - wg0 / 2)) / (1 - wg / 2);
            if (std::fabs(tcr - tcr1) <= kSettled) break;
            tcr1 = (tcr1 + tcr) / 2;
        }

        tre = tre0 + (2 * tcr - 1.962 * tre0 - 1.31) / 9;
        if (dlimTre == 0 && tre >= 38) dlimTre = time;

        // Water lost as sweat and by breathing, W/m² summed over the minutes, then grams.
        swtot += swp + eres;
        swtotg = swtot * 2.67 * adu / 1.8 / 60;
        if (dlimLoss50 == 0 && swtotg >= dmax50) dlimLoss50 = time;
        if (dlimLoss95 == 0 && swtotg >= dmax95) dlimLoss95 = time;
        out.minutes.push_back({tre, swtotg});
    }

    out.rectalTemperature = tre;
    out.waterLoss = swtotg;
    out.dlimLoss50 = dlimLoss50 ? dlimLoss50 : duration;
    out.dlimLoss95 = dlimLoss95 ? dlimLoss95 : duration;
    out.dlimTre = dlimTre ? dlimTre : duration;
    return out;
}

}  // namespace montira::heatstrain

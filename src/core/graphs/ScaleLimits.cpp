#include "core/graphs/ScaleLimits.h"

#include <QCoreApplication>

namespace montira {

bool ScaleWithinLimits(bool celsius, double tMax, double tMin, double wMax, double wMin,
                       bool windOrdered, QString& message) {
    const bool tempOk = celsius ? tMax <= 130 && tMin >= -20 && tMax > tMin
                                : tMax <= 266 && tMin >= -4 && tMax > tMin;
    if (!tempOk) {
        message = celsius
                      ? QCoreApplication::translate("Graphs", "-20 <= ºC <= 130, tente novamente!")
                      : QCoreApplication::translate("Graphs", "-4 <= ºF <= 266, tente novamente!");
        return false;
    }
    const bool windOk =
        (celsius ? wMax <= 30 : wMax <= 6000) && wMin >= 0 && (!windOrdered || wMax > wMin);
    if (!windOk) {
        message =
            celsius ? QCoreApplication::translate("Graphs", "0 <= m/s <= 30, tente novamente!")
                    : QCoreApplication::translate("Graphs", "0 <= ft/m <= 6000, tente novamente!");
        return false;
    }
    return true;
}

bool HumidityWithinLimits(double rMax, double rMin, QString& message) {
    if (rMax <= 100 && rMin >= 0 && rMax > rMin) return true;
    message = QCoreApplication::translate("Graphs", "0 <= %UR <= 100, tente novamente!");
    return false;
}

}  // namespace montira

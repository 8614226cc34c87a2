#pragma once
#include <QString>

namespace montira {

// The marker of a value that is out of range or not defined. Consumers test the texts: a
// number may keep a stale value while its text is the marker.
inline const QString& InvalidText() {
    static const QString t = QStringLiteral("- - -");
    return t;
}

// The one record of current values, filled by each decoded live frame or stored record.
// Numbers are °C (or m/s) with their °F (ft/min) twins; texts are the display forms.
struct Reading {
    double GlobeC = 0, GlobeF = 0;
    double DryC = 0, DryF = 0;
    double WetC = 0, WetF = 0;
    double RH = 0;
    double DewC = 0, DewF = 0;
    double HeatIndexC = 0, HeatIndexF = 0;
    double HumidexC = 0, HumidexF = 0;
    double WbgtIndoorC = 0, WbgtIndoorF = 0;
    double WbgtOutdoorC = 0, WbgtOutdoorF = 0;
    double AirSpeed = 0;       // m/s
    double AirSpeedFtMin = 0;  // ft/min, whole
    double SpeedZero = 0, SpeedOffset = 0;

    QString GlobeText, GlobeTextF;
    QString DryText, DryTextF;
    QString WetText, WetTextF;
    QString RHText;
    QString DewText, DewTextF;
    QString HeatIndexText, HeatIndexTextF;
    QString HumidexText, HumidexTextF;
    QString WbgtIndoorText, WbgtIndoorTextF;
    QString WbgtOutdoorText, WbgtOutdoorTextF;
    QString AirSpeedText, AirSpeedTextFtMin;
    QString WindChillText, WindChillTextF;
};

}  // namespace montira

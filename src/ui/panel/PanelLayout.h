#pragma once
#include <QString>
#include <array>

class QLabel;
class QMainWindow;
class QToolBar;
class QWidget;

namespace montira {

class StoppedNotice;

// The controls of the main window, by their names.
struct PanelWidgets {
    QToolBar* Toolbar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LblCOM = nullptr;
    QLabel* LblCOM2 = nullptr;
    // Dry bulb in large digits, with the unit markers
    QLabel* LblTemperature = nullptr;
    QLabel* UnitDry = nullptr;
    QLabel* ImaC = nullptr;
    QLabel* ImaF = nullptr;
    // The other values: caption (Unit…), value (Lbl…), and a unit beside each
    QLabel *lblWet = nullptr, *UnitWet = nullptr, *DegWet = nullptr;
    QLabel *LblGlobe = nullptr, *UnitGlobe = nullptr, *DegGlobe = nullptr;
    QLabel *LblRH = nullptr, *UnitRH = nullptr, *DegRH = nullptr;
    QLabel *LblDew = nullptr, *UnitDew = nullptr, *DegDew = nullptr;
    QLabel *LblHi = nullptr, *UnitHI = nullptr, *DegHI = nullptr;
    QLabel *LblHumidex = nullptr, *UnitHumidex = nullptr, *DegHumidex = nullptr;
    QLabel *LblWBGTi = nullptr, *UnitWBGTi = nullptr, *DegWBGTi = nullptr;
    QLabel *LblWBGTo = nullptr, *UnitWBGTo = nullptr, *DegWBGTo = nullptr;
    QLabel *LblWind = nullptr, *UnitWind = nullptr, *LblUnitWind = nullptr;
    QLabel *LblTwc = nullptr, *LblUnitTwc = nullptr, *DegTwc = nullptr;
    // Recording and meter state
    QLabel *LblHold = nullptr, *LblRecord = nullptr, *LblFull = nullptr, *LblBt = nullptr;
    QLabel *LblRec = nullptr, *LblCount = nullptr, *LblFileName = nullptr;
    // A recording the silent meter stopped, until acknowledged
    StoppedNotice* FrmRecordingStopped = nullptr;
    // Hidden diagnostics of the air-speed probe
    std::array<QLabel*, 7> LblBug{};
    QLabel *LblDer = nullptr, *LblX = nullptr, *LblAD = nullptr, *LblZero = nullptr;
    QLabel* LblOffset = nullptr;
};

// Font size of the dry bulb once frames arrive, and before.
constexpr int kLargeDigitsPt = 60;
constexpr int kWaitingDigitsPt = 28;

// Builds the controls on `window` (toolbar on top, values in the central widget).
PanelWidgets BuildPanelWidgets(QMainWindow* window);

}  // namespace montira

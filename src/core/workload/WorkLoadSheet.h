#pragma once
#include <QString>
#include <array>

#include "core/workload/WbgtAverage.h"
#include "core/workload/WorkLoadEval.h"
#include "core/workload/WorkLoadTables.h"

namespace montira::workload {

// The work-load window's inputs, results and event logic without widgets. The window copies
// a control's new state in (a tick, a chosen list entry, a typed text), calls the matching
// handler, and shows the members again. montira-cli drives the same object.
class WorkLoadSheet {
public:
    // Reads AvgWbgtIndoor and AvgWbgtOutdoor from `averages`, which must outlive the sheet.
    explicit WorkLoadSheet(const WbgtAverages& averages);

    // Controls
    std::array<bool, kTypeCount> CkType{};
    std::array<bool, kBodyCount> CkBody{};
    std::array<bool, kWorkCount> CkHL{};
    std::array<bool, kWorkCount> CkHLEnabled{};
    std::array<QString, kActivityCount> ComboText;  // minutes per hour, "0" when not chosen
    std::array<bool, kActivityCount> ComboVisible{};
    bool LblMinHr1Visible = false, LblMinHr2Visible = false;
    QString ComboAgeText = QStringLiteral("20");
    QString ComboClothText;
    QString TxtkgText = QStringLiteral("70");
    QString LbllbsText = QStringLiteral("154");

    // Window state and results
    std::array<double, kActivityCount> ActivityEnergy{};
    std::array<double, kRegimeCount> EffectiveLimits{};
    QString LblLoad = QStringLiteral("Leve");
    std::array<QString, kRegimeCount> LblC;
    QString LblWRRi, LblWRRo;
    double M = 0;
    bool Evaluated = false;  // an input event has run the evaluation

    QChar DecimalPoint = QLatin1Char('.');  // of the limit and pound texts

    // Event handlers; each is called after the control's new state was stored above.
    void CkBodyClick(int i);
    void CkTypeClick(int i);
    void CkHLClick(int i);
    void ComboClick(int i);  // ComboText[i] holds the chosen entry
    void ComboAgeClick();
    void ComboClothClick();
    void TxtkgChange();
    // True when it repaired something (the window then shows the sheet again).
    bool Timer1Tick();

    // Evaluates from the controls; may write "20" into ComboAgeText and "0" into empty
    // minute texts.
    void WorkToLoad(double& age, double& weight);
    // Re-takes the regimes from the current limits after the averages changed. Does nothing
    // before the first evaluation or while an average is 0.
    void RefreshRegimes();

private:
    void EmptyWeightToZero();
    void Evaluate();

    const WbgtAverages& state_;
};

}  // namespace montira::workload

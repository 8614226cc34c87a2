#include "core/workload/WorkLoadSheet.h"

#include "core/meter/Numbers.h"
#include "core/workload/InputRepair.h"

namespace montira::workload {

namespace {
const QString kZero = QStringLiteral("0");
}

WorkLoadSheet::WorkLoadSheet(const WbgtAverages& averages) : state_(averages) {
    ComboText.fill(kZero);
    ComboClothText = ClothingNames()[0];
    LblC = {QStringLiteral("30.0 ºC (86 ºF)"), QStringLiteral("30.6 ºC (87 ºF)"),
            QStringLiteral("31.4 ºC (89 ºF)"), QStringLiteral("32.2 ºC (90 ºF)")};
    EffectiveLimits = LightLimits();
}

void WorkLoadSheet::EmptyWeightToZero() {
    if (!TxtkgText.isEmpty()) return;
    TxtkgText = kZero;
    TxtkgChange();  // the box's change event runs for the new text
}

void WorkLoadSheet::Evaluate() {
    double age = LeadingNumber(ComboAgeText);
    double weight = LeadingNumber(TxtkgText);
    WorkToLoad(age, weight);
}

void WorkLoadSheet::CkBodyClick(int i) {
    const int c = kPostureFirst + i;
    ComboVisible[c] = CkBody[i];
    ComboText[c] = kZero;
    ActivityEnergy[c] = 0;
    EmptyWeightToZero();
    Evaluate();
}

void WorkLoadSheet::CkTypeClick(int i) {
    for (int k = TypeFirstLevel(i); k <= TypeLastLevel(i); ++k) {
        CkHLEnabled[k] = CkType[i];
        if (CkType[i]) CkHL[k] = false;  // disabled boxes keep their ticks
        ComboVisible[k] = false;
        ComboText[k] = kZero;
        ActivityEnergy[k] = 0;
    }
    LblMinHr1Visible = false;
    EmptyWeightToZero();
    Evaluate();
}

void WorkLoadSheet::CkHLClick(int i) {
    ComboVisible[i] = CkHL[i];
    ComboText[i] = kZero;
    for (int k = 0; k < kWorkCount; ++k)
        if (ComboText[k].isEmpty()) ComboText[k] = kZero;
    ActivityEnergy[i] = 0;
    EmptyWeightToZero();
    Evaluate();
}

void WorkLoadSheet::ComboClick(int i) {
    ActivityEnergy[i] = LeadingNumber(ComboText[i]) * ActivityRates()[i];
    EmptyWeightToZero();
    Evaluate();
}

void WorkLoadSheet::ComboAgeClick() {
    Evaluate();
}

void WorkLoadSheet::ComboClothClick() {
    EmptyWeightToZero();
    Evaluate();
}

void WorkLoadSheet::TxtkgChange() {
    LbllbsText = PoundsText(TxtkgText, DecimalPoint);
    Evaluate();
}

bool WorkLoadSheet::Timer1Tick() {
    const bool hr1 = LblMinHr1Visible, hr2 = LblMinHr2Visible;
    const QString age = ComboAgeText;
    const auto minutes = ComboText;
    for (bool t : CkType)
        if (t) LblMinHr1Visible = true;
    for (bool b : CkBody)
        if (b) LblMinHr2Visible = true;
    ComboAgeText = RepairAgeText(ComboAgeText);
    for (int i = 0; i < kWorkCount; ++i) ComboText[i] = RepairWorkMinutesText(ComboText[i]);
    return hr1 != LblMinHr1Visible || hr2 != LblMinHr2Visible || age != ComboAgeText ||
           minutes != ComboText;
}

void WorkLoadSheet::WorkToLoad(double& age, double& weight) {
    WorkLoadInput in;
    in.age = age;
    in.weight = weight;
    in.ActivityEnergy = ActivityEnergy;
    for (int i = 0; i < kActivityCount; ++i) {
        if (ComboText[i].isEmpty()) ComboText[i] = kZero;
        in.minutes[i] = LeadingNumber(ComboText[i]);
    }
    in.cloth = ComboClothText;
    in.AvgWbgtIndoor = state_.AvgWbgtIndoor;
    in.AvgWbgtOutdoor = state_.AvgWbgtOutdoor;
    in.decimalPoint = DecimalPoint;

    const WorkLoadResult r = EvaluateWorkLoad(in);
    if (r.ageForced) ComboAgeText = QStringLiteral("20");
    age = r.age;
    M = r.M;
    LblLoad = r.LblLoad;
    EffectiveLimits = r.EffectiveLimits;
    LblC = r.LblC;
    if (r.regimesSet) {
        LblWRRi = r.LblWRRi;
        LblWRRo = r.LblWRRo;
    }
    Evaluated = true;
}

void WorkLoadSheet::RefreshRegimes() {
    if (!Evaluated || state_.AvgWbgtIndoor == 0 || state_.AvgWbgtOutdoor == 0) return;
    LblWRRi = RegimeFor(state_.AvgWbgtIndoor, EffectiveLimits);
    LblWRRo = RegimeFor(state_.AvgWbgtOutdoor, EffectiveLimits);
}

}  // namespace montira::workload

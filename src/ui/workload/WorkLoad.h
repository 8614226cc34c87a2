#pragma once
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "core/AppState.h"
#include "core/record/SampleTick.h"
#include "core/workload/WbgtAverage.h"
#include "core/workload/WorkLoadSheet.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTimer;

namespace montira::ui {

class Reference;

// "Ambiente e trabalho": the work-load assessment window. It deletes itself when closed; keep
// it in a QPointer. While open it follows the samples of `ticker` (when given) into its own
// running WBGT averages, starting from none. state must outlive the window.
class WorkLoad : public QWidget {
    Q_OBJECT
public:
    WorkLoad(AppState& state, SampleTicker* ticker, QWidget* parent = nullptr);

    // After each averaging step: shows the two averages and takes the regimes again from the
    // current limits.
    void ShowAverages();
    const workload::WbgtAverages& averages() const { return averages_; }

    const workload::WorkLoadSheet& sheet() const { return sheet_; }

    // The print dialog step; replaced in tests.
    std::function<bool(QPrinter&)> askPrinter;
    // Prints the window's image (CmdPrint); true when a page went out.
    bool PrintWindow(QPrinter& printer);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QGroupBox* BuildEmployee();
    QGroupBox* BuildPosture();
    QGroupBox* BuildWorkTypes();
    QGroupBox* BuildLimits();
    QWidget* BuildResults();
    QWidget* BuildHeader();
    void Connect();
    void Render();  // shows the sheet in the controls
    void Timer1Tick();
    void CmdHelpClick();
    void CmdReferenceClick();
    void CmdPrintClick();

    AppState& state_;
    workload::WbgtAverages averages_;
    SampleTicker::Subscription samples_;
    workload::WorkLoadSheet sheet_;

    std::array<QCheckBox*, workload::kTypeCount> CkType{};
    std::array<QCheckBox*, workload::kBodyCount> CkBody{};
    std::array<QCheckBox*, workload::kWorkCount> CkHL{};
    std::array<QComboBox*, workload::kActivityCount> Combo{};
    std::array<QLabel*, workload::kRegimeCount> LblC{};
    QComboBox* ComboAge = nullptr;
    QComboBox* ComboCloth = nullptr;
    QLineEdit* Txtkg = nullptr;
    QLabel *Lbllbs = nullptr, *LblMinHr1 = nullptr, *LblMinHr2 = nullptr;
    QLabel *LblLoad = nullptr, *LblWbgti = nullptr, *LblWbgto = nullptr;
    QLabel *LblWRRi = nullptr, *LblWRRo = nullptr;
    QLineEdit *TxtName = nullptr, *TxtSector = nullptr, *TxtCompany = nullptr;
    QWidget* HeaderArea = nullptr;
    QPushButton *CmdPrint = nullptr, *CmdHelp = nullptr, *CmdReference = nullptr;
    QTimer* Timer1 = nullptr;
    QPointer<Reference> reference_;
};

}  // namespace montira::ui

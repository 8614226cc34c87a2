#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/workload/HeatStrainReport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace montira::ui {

// "Tensão térmica prevista (ISO 7933)": how long a worker may stay in a climate, by the
// predicted-heat-strain model. The climate is typed, or given by the caller from an hour of
// readings (setClimate); the work and the worker are asked for. Shows the three allowable
// times, the final rectal temperature and water loss, the plot of both over the duration,
// and prints the page (preview and PDF).
class HeatStrain : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HeatStrain)

public:
    static constexpr const char* kCaption = QT_TR_NOOP("Tensão térmica prevista (ISO 7933)");

    explicit HeatStrain(QWidget* parent = nullptr);

    // Mean air temperature, globe temperature (°C), air speed (m/s) and the relative
    // humidity (%) the meter derived, and where they came from ("Hora de ... a ...").
    void setClimate(double ta, double tg, double va, double rh, const QString& source);
    void setHeader(const HeaderTexts& header);

    // The page as it would print now; nothing while an input is missing or wrong.
    const std::optional<heatstrain::HeatStrainReport>& report() const { return report_; }

    // Where "Salvar PDF" writes; the default asks with a file dialog ("" cancels).
    std::function<QString()> choosePdfFile;

    QLineEdit* TxtTa = nullptr;
    QLineEdit* TxtTg = nullptr;
    QLineEdit* TxtGlobeDiameter = nullptr;
    QLineEdit* TxtGlobeEmissivity = nullptr;
    QLineEdit* TxtVa = nullptr;
    QLineEdit* TxtRh = nullptr;
    QLabel* LblTr = nullptr;
    QLabel* LblClimateSource = nullptr;
    QLabel* LblHumidityNote = nullptr;
    QLineEdit* TxtMet = nullptr;
    QComboBox* ComboMetUnit = nullptr;
    QLineEdit* TxtWork = nullptr;
    QLineEdit* TxtClo = nullptr;
    QComboBox* ComboPosture = nullptr;
    QCheckBox* CkAcclimatised = nullptr;
    QCheckBox* CkDrink = nullptr;
    QLineEdit* TxtDuration = nullptr;
    QLineEdit* TxtWeight = nullptr;
    QLineEdit* TxtHeight = nullptr;
    QLineEdit* TxtWalkSpeed = nullptr;
    QLineEdit* TxtWalkDirection = nullptr;
    QLabel* LblDlimLoss50 = nullptr;
    QLabel* LblDlimLoss95 = nullptr;
    QLabel* LblDlimTre = nullptr;
    QLabel* LblRectal = nullptr;
    QLabel* LblWaterLoss = nullptr;
    QLabel* LblRange = nullptr;
    QLabel* LblProblem = nullptr;

private:
    QWidget* BuildClimate();
    QWidget* BuildWorker();
    QWidget* BuildResult();
    QLineEdit* Field(const char* name, const QString& text, QWidget* parent);
    // The inputs read from the fields, or the complaint naming the first wrong one.
    std::optional<heatstrain::HeatStrainReport> Read(QString& why) const;
    void Recompute();
    void PrintReport();
    void SavePdf();

    HeaderTexts header_;
    QString source_;
    bool meterHumidity_ = false;
    std::optional<heatstrain::HeatStrainReport> report_;
    QWidget* plot_ = nullptr;
    bool filling_ = false;
};

}  // namespace montira::ui

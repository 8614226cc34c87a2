#pragma once
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "core/graphs/ChartSettings.h"

namespace montira {

class RealTime24;

// The chart's scale dialog, caption "Escala - Tempo real": temperature (Celsius/Fahrenheit),
// relative humidity, results per sweep and air speed. OK checks and stores the groups and
// opens the chart again with the new step.
class RealTimeRange : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(RealTimeRange)

public:
    RealTimeRange(ChartSettings& settings, RealTime24* chart, QWidget* parent = nullptr);

    // Shows a refused group's message; a critical message box unless replaced.
    std::function<void(const QString&)> onRefused;

    QRadioButton* COpt;
    QRadioButton* FOpt;
    QLineEdit* TxtMax;
    QLineEdit* TxtMin;
    QLineEdit* TxtMaxR;
    QLineEdit* TxtMinR;
    QLineEdit* TxtCounts;
    QComboBox* ComboWind;
    QLineEdit* TxtWMax;
    QLineEdit* TxtWMin;
    QPushButton* CmdOK;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void celsiusClicked();
    void fahrenheitClicked();
    void accept() override;

    ChartSettings& s_;
    RealTime24* chart_;
};

}  // namespace montira

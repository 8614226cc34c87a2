#pragma once
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace montira {

class ListPlot1;

// The plot's scale dialog, caption "Escala do Gráfico": the temperature and air-speed pairs of
// the list's unit, relative humidity and the records drawn. OK checks and stores the groups
// and shows the plot again.
class PlotRange : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(PlotRange)

public:
    PlotRange(ListPlot1* plot, QWidget* parent = nullptr);

    std::function<void(const QString&)> onRefused;  // a critical message box unless replaced

    QGroupBox* FrmTemp;
    QGroupBox* FrmStandard;
    QLineEdit* TxtMax;
    QLineEdit* TxtMin;
    QLineEdit* TxtMaxR;
    QLineEdit* TxtMinR;
    QLineEdit* TxtWindMax;
    QLineEdit* TxtWindMin;
    QLineEdit* TxtFrom;
    QLineEdit* TxtTo;
    QPushButton* CmdOK;

    // The fields from the settings (on every show and resize).
    void fill();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void accept() override;
    ListPlot1* plot_;
};

}  // namespace montira

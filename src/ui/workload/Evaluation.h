#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "core/workload/ExposureReport.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace montira::ui {

class ExposurePlotView;

// "Avaliação da exposição ao calor": the heat exposure of a table's worst hour (or of an
// hour chosen by hand) against the limit and action level for the work done in it, with the
// plot and the printed measurement report. The table is copied; the window stands alone.
class Evaluation : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(Evaluation)

public:
    static constexpr const char* kCaption = QT_TR_NOOP("Avaliação da exposição ao calor");

    Evaluation(const QStringList& heading, const TextTable& rows, const HeaderTexts& header,
               QWidget* parent = nullptr);

    const exposure::ExposureReport& report() const { return report_; }
    // Moves the hour to reading `first` (index into the report's readings); false when no
    // full hour starts there.
    bool setHourStart(int first);
    // Replaces the periods in the editor.
    void setPeriods(const std::vector<exposure::WorkPeriod>& periods);

    // Where "Salvar PDF" writes; the default asks with a file dialog ("" cancels).
    std::function<QString()> choosePdfFile;

    QComboBox* ComboIndex = nullptr;
    QLabel* LblStart = nullptr;
    QLabel* LblEnd = nullptr;
    QLabel* LblMean = nullptr;
    QLineEdit* TxtStart = nullptr;
    QLabel* LblStartWhy = nullptr;  // why a typed start gives no hour
    QTableWidget* GridPeriods = nullptr;
    QComboBox* ComboClass = nullptr;
    QLabel* LblMinutes = nullptr;
    QComboBox* ComboCloth = nullptr;
    QLabel* LblM = nullptr;
    QLabel* LblLimits = nullptr;
    QLabel* LblVerdict = nullptr;
    QLabel* LblMargin = nullptr;

private:
    QWidget* BuildHour();
    QWidget* BuildWork();
    QWidget* BuildResult();
    void IndexChanged();
    void ShowHour();
    void Reevaluate();
    void StartTyped();
    void RateEdited(QTableWidgetItem* item);
    void AddPeriod();
    std::vector<exposure::WorkPeriod> Periods(QString* why) const;
    void PrintReport();
    void SavePdf();

    QStringList heading_;
    TextTable rows_;
    HeaderTexts header_;
    exposure::ExposureReport report_;
    ExposurePlotView* plot_ = nullptr;
    bool filling_ = false;
};

}  // namespace montira::ui

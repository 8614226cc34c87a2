#pragma once
#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "core/record/DataFile.h"
#include "core/workload/ExposureReport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace montira::ui {

class ExposurePlotView;

// "Avaliação da exposição ao calor": a survey of the thermal situations a worker moves
// between in the evaluated hour (each from a data file at one or three heights, or typed)
// and the activities done in it, judged against the regulation's tables, with the plot of
// the chosen situation, the evaluation file and the signed report. Opened over a table, that
// table is its first situation (copied; the window stands alone).
class Evaluation : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(Evaluation)

public:
    static constexpr const char* kCaption = QT_TR_NOOP("Avaliação da exposição ao calor");

    Evaluation(const QStringList& heading, const TextTable& rows, const HeaderTexts& header,
               QWidget* parent = nullptr, const QString& file = QString());

    const exposure::ExposureReport& report() const { return report_; }
    const exposure::Survey& survey() const { return survey_; }
    // The result of the chosen situation's measured height (abdomen), if it has one.
    const exposure::HeightResult* shownHeight() const;
    // Replaces the whole survey (its files loaded), as opening an evaluation file does.
    void setSurvey(exposure::Survey survey);
    // Moves the chosen situation's hour to reading `first` of its file; false when no full
    // hour starts there.
    bool setHourStart(int first);
    // Replaces the activities in the editor.
    void setPeriods(const std::vector<exposure::WorkPeriod>& periods);
    void selectSituation(int row);
    // Adds a situation measured by `files` (one: abdomen; three: head, abdomen, ankle);
    // false with a message when one cannot be read.
    bool addSituationFromFiles(const QStringList& files);
    bool openSurvey(const QString& path);
    bool saveSurvey(const QString& path);

    // Dialogs, replaceable in tests ("" or empty cancels).
    std::function<QString()> choosePdfFile, chooseSurveyToOpen, chooseSurveyToSave;
    std::function<QStringList(int count)> chooseDataFiles;
    // Shows a failure (a message box by default).
    std::function<void(const QString&)> complain;

    QComboBox* ComboIndex = nullptr;
    QTableWidget* GridSituations = nullptr;
    QLabel* LblSituationMinutes = nullptr;
    QLabel* LblStart = nullptr;
    QLabel* LblEnd = nullptr;
    QLabel* LblMean = nullptr;
    QLineEdit* TxtStart = nullptr;
    QLabel* LblStartWhy = nullptr;  // why a typed start gives no hour
    QTableWidget* GridPeriods = nullptr;
    QLineEdit* TxtFindActivity = nullptr;
    QComboBox* ComboClass = nullptr;
    QLabel* LblMinutes = nullptr;
    QComboBox* ComboCloth = nullptr;
    QCheckBox* ChkHood = nullptr;
    QCheckBox* ChkAcclimatised = nullptr;
    QCheckBox* ChkOpenAir = nullptr;
    QLabel* LblM = nullptr;
    QLabel* LblLimits = nullptr;
    QLabel* LblVerdict = nullptr;
    QLabel* LblMargin = nullptr;

private:
    QWidget* BuildSituations();
    QWidget* BuildHour();
    QWidget* BuildWork();
    QWidget* BuildResult();
    void FillSituations();
    void SituationEdited(QTableWidgetItem* item);
    void ShowHour();
    void StartTyped();
    void SetChosenInterval(const QString& from, const QString& to);
    void RateEdited(QTableWidgetItem* item);
    void FilterActivities();
    void AddPeriod();
    void FillActivities();
    void ReadWork();
    void Reevaluate();
    void EditReportData();
    void PrintReport();
    void SavePdf();
    void OpenStrain();

    exposure::Survey survey_;
    exposure::ExposureReport report_;
    int chosen_ = 0;  // the situation whose hour and plot are shown
    ExposurePlotView* plot_ = nullptr;
    bool filling_ = false;
};

}  // namespace montira::ui

#pragma once
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "core/tables/TextTable.h"
#include "core/workload/Exposure.h"
#include "core/workload/WbgtSeries.h"
#include "core/workload/WorstHour.h"

namespace montira::exposure {

// A heat-exposure survey: the thermal situations a worker moves between in the evaluated
// hour and the activities done in it, each with its own minutes (each list adds up to 60),
// with clothing and the circumstances. IBUTG̅ = Σ IBUTGᵢ·tᵢ / 60, M̅ = Σ Mᵢ·t'ᵢ / 60.

// A data table already in memory (the table a window was opened over, or a file read).
struct SeriesSource {
    QString file;  // its path, or empty for a table never saved
    QStringList heading;
    TextTable rows;
};

// One measuring height: a typed WBGT (°C), or a data file over an interval.
struct Height {
    std::optional<double> wbgt;
    QString file;                                // relative to the survey's folder, or absolute
    QString from, to;                            // "YY/MM/DD hh:mm:ss", or empty
    std::shared_ptr<const SeriesSource> loaded;  // the table, once read (or given)
    QJsonObject extra;                           // as read from a file, unknown keys kept
};

// A situation at one height (abdomen) or three (head, abdomen, ankle), or a typed WBGT.
struct Situation {
    QString description;
    double minutes = 0;
    std::optional<double> wbgt;  // typed for the whole situation
    std::vector<Height> heights;
    QJsonObject extra;
};

struct Activity {
    QString description;
    double watts = 0;
    double minutes = 0;
    QJsonObject extra;
};

struct Instrument {
    QString model, serial, certificate, calibrated;  // calibrated: DD/MM/YYYY
};

struct Survey {
    WbgtIndex index = WbgtIndex::Indoor;
    std::vector<Situation> situations;
    std::vector<Activity> activities;
    double clothing = 0;  // °C, NR-9's adjustment (0 or more)
    QString clothingKey;  // the table row chosen, or empty for a typed figure
    bool hood = false;
    bool acclimatised = true;
    bool openAir = false;  // open-air work with no artificial heat source
    QString company, cnpj, sector, worker, place, evaluator, registration;
    Instrument instrument;
    QString notes;
    QString folder;     // where relative file names are looked for
    QJsonObject extra;  // the file's whole object, unknown keys kept
};

// What a height gave.
struct HeightResult {
    double wbgtC = 0;
    bool typed = false;
    QString path;  // the file read
    const SeriesSource* source = nullptr;
    WbgtSeries series;
    SeriesRuns runs;
    ExposureHour hour;  // the interval evaluated (its `partial` as WorstHour sets it)
    double coveredMinutes = 0;
};

struct SituationResult {
    double wbgtC = 0;
    std::vector<HeightResult> heights;
    bool hasSpan = false;  // Start/End known (a height read from a file)
    qint64 start = 0, end = 0;
    bool partial = false;  // its readings cover less than its minutes
};

struct SurveyResult {
    std::vector<SituationResult> situations;
    double meanWbgt = 0, m = 0, clothing = 0;  // clothing with the hood
    Evaluation evaluation;
    bool partial = false;
    QString partialWhy;  // "menos de 60 minutos de dados"
};

// Reads every height's file that is not read yet (relative names from `survey.folder`).
// False with `why` naming the situation and height when one cannot be read.
bool LoadSurveyFiles(Survey& survey, QString* why);

// The interval a height evaluates: from/to when given (the time-weighted mean over the
// readings between them), else the file's worst hour when it holds 60 minutes of readings,
// else its hottest run whole.
bool EvaluateHeight(const Height& h, WbgtIndex index, HeightResult& out, QString* why);

// The whole evaluation, or nothing with `why` naming the item at fault (minutes not adding
// up to 60, a height list of other than 1 or 3 entries, no readings in an interval, a rate
// or clothing out of range). The files must be loaded.
std::optional<SurveyResult> EvaluateSurvey(const Survey& survey, QString* why);

// The circumstances in words: what NR-9 asks above the action level and NR-15 above the
// limit, with open air and acclimatisation.
QStringList Measures(const Survey& survey, const SurveyResult& result);

// "indicativo: " before the verdict when the data are short; "fora da faixa da tabela"
// when there is none.
QString VerdictLine(const SurveyResult& result);
// What the verdict must say besides: open-air work above the limit is no insalubrity under
// NR-15 (empty otherwise).
QString VerdictNote(const Survey& survey, const SurveyResult& result);

}  // namespace montira::exposure

#pragma once
#include <QByteArray>
#include <QString>

#include "core/workload/Survey.h"

namespace montira::exposure {

// The evaluation file: JSON in UTF-8, {"format": "montira-evaluation", "version": 1, ...},
// that a person can read and a script can write. A situation gives "wbgt" or "heights" (one
// entry: abdomen; three: head, abdomen, ankle); a height gives "wbgt" or "file" (relative to
// the evaluation file's folder, or absolute) with optional "from" and "to" as
// "YY/MM/DD hh:mm:ss". Keys this program does not know are kept and written back.
constexpr const char* kSurveyFormat = "montira-evaluation";
constexpr int kSurveyVersion = 1;

// True when `bytes` look like an evaluation file (a JSON object naming its format), so a
// caller can tell it from a data file.
bool LooksLikeSurveyFile(const QByteArray& bytes);

// The survey in `bytes`, or false with `why` naming the item at fault. `folder` is where
// relative file names are looked for; the files are not read here.
bool ParseSurvey(const QByteArray& bytes, const QString& folder, Survey& out, QString* why);
QByteArray SurveyJson(const Survey& survey);

// Reads and parses `path` (files named in it not read yet).
bool ReadSurveyFile(const QString& path, Survey& out, QString* why);
// Writes `survey` to `path`; the file appears only when complete.
bool WriteSurveyFile(const QString& path, const Survey& survey, QString* why);

}  // namespace montira::exposure

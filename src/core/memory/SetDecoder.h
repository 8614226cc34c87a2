#pragma once
#include <QDateTime>
#include <QStringList>
#include <functional>

#include "core/meter/AirSpeed.h"
#include "core/meter/LoggerSets.h"
#include "core/meter/Reading.h"
#include "core/tables/ProgressPace.h"
#include "core/tables/TextTable.h"

namespace montira {

// Start of a set from header bytes 1-6: each field is cut to its last two decimal digits,
// the year is 2000 + YY, a month or day of 0 is read as 1. Invalid (a null QDateTime) when
// the fields make no real date and time. The result is in UTC, so stamps never meet a
// daylight-saving gap.
QDateTime SetStart(const QByteArray& block);

// Decodes the records of one set into rows of the downloaded-data list: record number,
// "YY/MM/DD", "hh:nn:ss" and the nine value texts, in °C/m/s and in °F/ft/min. Record j is
// stamped start + (j - 1) × interval seconds on the real calendar (midnight, month and year
// ends, leap days). Only complete records inside the block are decoded.
class SetDecoder {
public:
    SetDecoder(const LoggerSet& set, const ProbeCalibration& calibration);

    int count() const { return count_; }
    double speedOffset() const { return offset_; }
    double speedZero() const { return zero_; }
    // Time stamp text "YY/MM/DD hh:nn:ss" of record j, or "" when the start is not valid.
    QString stampText(int j) const;
    // Decodes record j (1..count()) into `r` and writes the two rows.
    void decode(int j, Reading& r, QStringList& celsius, QStringList& fahrenheit) const;

private:
    LoggerSet set_;  // implicitly shared bytes: a cheap copy
    ProbeCalibration cal_;
    QDateTime start_;
    int count_ = 0;
    double offset_ = 0, zero_ = 0;
};

// Decodes every record of `set` into the two tables, in order. `progress(j)` is called
// whenever `pace` says it is due (about every 100 ms) and after the last record; returning
// false stops the decoding. Returns the number of records decoded.
int DecodeSetRows(const LoggerSet& set, const ProbeCalibration& calibration, Reading& r,
                  TextTable& celsius, TextTable& fahrenheit,
                  const std::function<bool(int)>& progress = {},
                  ProgressPace pace = ProgressPace());

}  // namespace montira

#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "core/tables/TextTable.h"

namespace montira::exposure {

// Which WBGT column of a data table is evaluated.
enum class WbgtIndex { Indoor, Outdoor };  // "IBUTGi", "IBUTGo"
// "IBUTGi" / "IBUTGo"; false for any other text.
bool ParseWbgtIndex(const QString& text, WbgtIndex& out);
QString WbgtIndexName(WbgtIndex index);
int WbgtColumn(WbgtIndex index);  // field of the index in a data line (7 or 8)

// A table's unit from its heading's first field: "(°F)" or "( °F )" is Fahrenheit.
bool HeadingIsFahrenheit(const QStringList& heading);
constexpr double FahrenheitToCelsius(double f) {
    return (f - 32) * 5 / 9;
}

// Times are counted in half seconds, so that the mean of two middle spacings (the typical
// interval of an even count) is still a whole number; values in thousandths of a degree of
// the table's own unit, so that every integral is exact and equal hours tie exactly.
constexpr qint64 kTicksPerSecond = 2;
constexpr qint64 kHourTicks = 3600 * kTicksPerSecond;
constexpr double kValueScale = 1000;

// The readings of one WBGT column: rows whose date, time or value is not readable ("- - -")
// are left out. Times count from 2000-01-01 00:00:00 (a "YY" year is 20YY).
struct WbgtSeries {
    std::vector<qint64> ticks;  // time of each reading
    std::vector<qint64> milli;  // value, thousandths of a degree in the table's unit
    std::vector<int> rows;      // the table row each reading came from
    bool fahrenheit = false;

    int size() const { return int(ticks.size()); }
    double celsius(qint64 milliValue) const;  // a value (or mean) in °C
};

WbgtSeries ReadWbgtSeries(const QStringList& heading, const TextTable& rows, WbgtIndex index);

// "YY/MM/DD" and "hh:nn:ss" as ticks; false when either is not a real date or time.
bool ParseStamp(const QString& date, const QString& time, qint64& ticks);
// "YY/MM/DD hh:nn:ss" of a tick count (half seconds cut).
QString StampText(qint64 ticks);
bool ParseStampText(const QString& stamp, qint64& ticks);  // the same text back

}  // namespace montira::exposure

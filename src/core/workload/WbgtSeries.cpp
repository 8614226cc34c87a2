#include "core/workload/WbgtSeries.h"

#include <QCoreApplication>
#include <QDate>
#include <cmath>

#include "core/meter/Numbers.h"
#include "core/workload/WbgtAverage.h"

namespace montira::exposure {

namespace {

const qint64 kEpochDay = QDate(2000, 1, 1).toJulianDay();
constexpr double kLargestValue = 1e4;  // degrees; beyond this a field is not a reading

// Two digits at `at`, or -1.
int TwoDigits(const QString& t, int at) {
    const QChar a = t[at], b = t[at + 1];
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
    return (a.unicode() - '0') * 10 + (b.unicode() - '0');
}

// "aa?bb?cc" as three numbers; the separators must be `sep`.
bool Triple(const QString& text, QChar sep, int& a, int& b, int& c) {
    const QString t = text.trimmed();
    if (t.size() != 8 || t[2] != sep || t[5] != sep) return false;
    a = TwoDigits(t, 0);
    b = TwoDigits(t, 3);
    c = TwoDigits(t, 6);
    return a >= 0 && b >= 0 && c >= 0;
}

}  // namespace

bool ParseWbgtIndex(const QString& text, WbgtIndex& out) {
    if (text == QLatin1String("IBUTGi")) {
        out = WbgtIndex::Indoor;
        return true;
    }
    if (text == QLatin1String("IBUTGo")) {
        out = WbgtIndex::Outdoor;
        return true;
    }
    return false;
}

QString WbgtIndexName(WbgtIndex index) {
    return index == WbgtIndex::Indoor ? QCoreApplication::translate("Exposure", "IBUTGi")
                                      : QCoreApplication::translate("Exposure", "IBUTGo");
}

int WbgtColumn(WbgtIndex index) {
    return index == WbgtIndex::Indoor ? 7 : 8;
}

bool HeadingIsFahrenheit(const QStringList& heading) {
    return !heading.isEmpty() && heading.first().contains(u'F');
}

double WbgtSeries::celsius(qint64 milliValue) const {
    const double v = double(milliValue) / kValueScale;
    return fahrenheit ? FahrenheitToCelsius(v) : v;
}

bool ParseStamp(const QString& date, const QString& time, qint64& ticks) {
    int yy, mo, dd, hh, mi, ss;
    if (!Triple(date, u'/', yy, mo, dd) || !Triple(time, u':', hh, mi, ss)) return false;
    if (hh > 23 || mi > 59 || ss > 59) return false;
    const QDate d(2000 + yy, mo, dd);
    if (!d.isValid()) return false;
    const qint64 seconds = (d.toJulianDay() - kEpochDay) * 86400 + hh * 3600 + mi * 60 + ss;
    ticks = seconds * kTicksPerSecond;
    return true;
}

bool ParseStampText(const QString& stamp, qint64& ticks) {
    const QString t = stamp.trimmed();
    if (t.size() != 17 || t[8] != u' ') return false;
    return ParseStamp(t.left(8), t.mid(9), ticks);
}

QString StampText(qint64 ticks) {
    qint64 s = ticks / kTicksPerSecond;
    qint64 day = s / 86400;
    s -= day * 86400;
    if (s < 0) {
        s += 86400;
        --day;
    }
    const QDate d = QDate::fromJulianDay(kEpochDay + day);
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(d.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

WbgtSeries ReadWbgtSeries(const QStringList& heading, const TextTable& rows, WbgtIndex index) {
    WbgtSeries s;
    s.fahrenheit = HeadingIsFahrenheit(heading);
    const int col = WbgtColumn(index);
    s.ticks.reserve(size_t(rows.rowCount()));
    s.milli.reserve(size_t(rows.rowCount()));
    s.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString value = rows.field(r, col);
        if (!workload::IsNumberText(value)) continue;
        const double v = LeadingNumber(value);
        if (!std::isfinite(v) || std::fabs(v) > kLargestValue) continue;
        qint64 t = 0;
        if (!ParseStamp(rows.field(r, 1), rows.field(r, 2), t)) continue;
        s.ticks.push_back(t);
        s.milli.push_back(qint64(std::llround(v * kValueScale)));
        s.rows.push_back(r);
    }
    return s;
}

}  // namespace montira::exposure

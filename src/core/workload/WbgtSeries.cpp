#include "core/workload/WbgtSeries.h"

#include <QCoreApplication>
#include <QDate>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

// Fields 1 (date), 2 (time) and `col` of a stored line as bytes, trimmed of blanks, in
// one pass over the line.
void LineFields(QByteArrayView line, int col, QByteArrayView& date, QByteArrayView& time,
                QByteArrayView& value) {
    date = time = value = {};
    qsizetype start = 0;
    for (int c = 0; c <= col && start <= line.size(); ++c) {
        qsizetype end = line.indexOf('\t', start);
        if (end < 0) end = line.size();
        if (c == 1 || c == 2 || c == col) {
            qsizetype a = start, b = end;
            while (a < b && (line[a] == ' ' || line[a] == '\r')) ++a;
            while (b > a && (line[b - 1] == ' ' || line[b - 1] == '\r')) --b;
            (c == 1 ? date : c == 2 ? time : value) = line.sliced(a, b - a);
        }
        start = end + 1;
    }
}

// A plain decimal number ("-25.3", "31"): what nearly every data line holds. False for
// anything else, which the general reader then takes.
bool PlainNumber(QByteArrayView t, double& out) {
    if (t.isEmpty() || t.size() > 30) return false;
    qsizetype i = t[0] == '-' || t[0] == '+' ? 1 : 0;
    bool point = false;
    int digits = 0, decimals = 0;
    qint64 mantissa = 0;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            mantissa = mantissa * 10 + (t[i] - '0');
            ++digits;
            if (point) ++decimals;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    if (digits <= 15) {
        // Both exact in a double, so the quotient is the correctly rounded value, as strtod
        // gives it.
        static const double kTens[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        out = double(mantissa) / kTens[decimals];
    } else {
        char buffer[32];
        std::memcpy(buffer, t.data(), size_t(t.size()));
        buffer[t.size()] = 0;
        out = std::strtod(buffer, nullptr);  // with its sign
        return true;
    }
    if (t[0] == '-') out = -out;
    return true;
}

// "aa?bb?cc" of bytes as three numbers.
bool TripleBytes(QByteArrayView t, char sep, int& a, int& b, int& c) {
    if (t.size() != 8 || t[2] != sep || t[5] != sep) return false;
    auto two = [&](int at) {
        const char x = t[at], y = t[at + 1];
        return x >= '0' && x <= '9' && y >= '0' && y <= '9' ? (x - '0') * 10 + (y - '0') : -1;
    };
    a = two(0);
    b = two(3);
    c = two(6);
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
    // Consecutive lines mostly share their date: its day number is kept.
    QByteArray lastDate;
    qint64 lastDay = 0;
    bool lastDateOk = false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QByteArrayView line = rows.line(r);
        double v = 0;
        qint64 t = 0;
        int yy, mo, dd, hh, mi, ss;
        QByteArrayView date, time, value;
        LineFields(line, col, date, time, value);
        if (PlainNumber(value, v) && TripleBytes(time, ':', hh, mi, ss)) {
            // The usual line, read from its bytes.
            if (date != lastDate) {
                lastDate = date.toByteArray();
                lastDateOk =
                    TripleBytes(date, '/', yy, mo, dd) && QDate(2000 + yy, mo, dd).isValid();
                if (lastDateOk) lastDay = QDate(2000 + yy, mo, dd).toJulianDay() - kEpochDay;
            }
            if (!lastDateOk || hh > 23 || mi > 59 || ss > 59) continue;
            t = (lastDay * 86400 + hh * 3600 + mi * 60 + ss) * kTicksPerSecond;
        } else {
            const QString value = rows.field(r, col);
            if (!workload::IsNumberText(value)) continue;
            v = LeadingNumber(value);
            if (!ParseStamp(rows.field(r, 1), rows.field(r, 2), t)) continue;
        }
        if (!std::isfinite(v) || std::fabs(v) > kLargestValue) continue;
        s.ticks.push_back(t);
        s.milli.push_back(qint64(std::llround(v * kValueScale)));
        s.rows.push_back(r);
    }
    return s;
}

}  // namespace montira::exposure

#include "core/live/Numbers.h"

#include "core/live/Reading.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace montira {

namespace {

// 15 significant digits, in fixed notation whatever the magnitude.
QString Fixed15(double x) {
    if (x == 0) x = 0.0;  // a negative zero reads "0", as the classic conversion writes it
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    if (!std::strchr(buf, 'e') && !std::strchr(buf, 'E')) return QString::fromLatin1(buf);
    // Exponent form: write it in fixed notation with the same significant digits.
    const int exp10 = int(std::floor(std::log10(std::fabs(x))));
    const int decimals = exp10 >= 14 ? 0 : 14 - exp10;
    // Far below the one decimal that is kept; the sign stays, as it does for -1E-16.
    if (decimals > 60) return x < 0 ? QStringLiteral("-0") : QStringLiteral("0");
    char big[400];
    std::snprintf(big, sizeof big, "%.*f", decimals, x);
    QString s = QString::fromLatin1(big);
    if (s.contains('.')) {
        while (s.endsWith('0')) s.chop(1);
        if (s.endsWith('.')) s.chop(1);
    }
    return s;
}

}  // namespace

QString FormatOneDecimal(double x) {
    if (!std::isfinite(x)) return InvalidText();
    const QString t = Fixed15(x);
    int sep = t.indexOf(',');
    if (sep < 0) sep = t.indexOf('.');
    if (sep < 0) return t + QStringLiteral(".0");
    if (sep == 0) return QStringLiteral("0.") + t.mid(1, 1);
    return t.left(sep) + QLatin1Char('.') + t.mid(sep + 1, 1);
}

QString FormatGeneral(double x) {
    if (!std::isfinite(x)) return QStringLiteral("0");
    return Fixed15(x);
}

double LeadingNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    QByteArray num;
    if (i < n && (text[i] == '-' || text[i] == '+')) num += char(text[i++].unicode());
    bool digits = false, point = false;
    while (i < n) {
        const QChar c = text[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            num += char(c.unicode());
            digits = true;
        } else if (c == '.' && !point) {
            num += '.';
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!digits) return 0.0;
    // An exponent part ("1E5") is read as well, as the classic parser does.
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        int j = i + 1;
        QByteArray ex = "e";
        if (j < n && (text[j] == '-' || text[j] == '+')) ex += char(text[j++].unicode());
        bool expDigits = false;
        while (j < n && text[j].unicode() >= '0' && text[j].unicode() <= '9') {
            ex += char(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits) num += ex;
    }
    const double v = std::strtod(num.constData(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

double TruncTo(double x, int decimals) {
    const double p = std::pow(10.0, decimals);
    return std::trunc(x * p) / p;
}

long long SafeWhole(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 9.0e18) return 0;
    return static_cast<long long>(std::trunc(x));
}

}  // namespace montira

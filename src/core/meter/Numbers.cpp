#include "core/meter/Numbers.h"

#include <cmath>

#include "core/meter/Reading.h"

namespace montira {

namespace {

// 15 significant digits, in fixed notation whatever the magnitude. Qt's conversions use the
// C locale whatever the user's locale, so the separator is always a point.
QString Fixed15(double x) {
    if (x == 0) x = 0.0;  // a negative zero reads "0", as the classic conversion writes it
    const QByteArray g = QByteArray::number(x, 'g', 15);
    if (!g.contains('e') && !g.contains('E')) return QString::fromLatin1(g);
    // Exponent form: write the same 15 significant digits in fixed notation.
    const QByteArray e = QByteArray::number(x, 'e', 14);  // "-d.ddddddddddddddde+XX"
    const int at = e.indexOf('e');
    const bool negative = e.startsWith('-');
    QByteArray digits = e.left(at).replace('-', "").replace('.', "");
    const int exp10 = e.mid(at + 1).toInt();
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);
    QByteArray fixed;
    if (exp10 >= 0) {
        if (digits.size() <= exp10 + 1) {
            fixed = digits + QByteArray(exp10 + 1 - digits.size(), '0');
        } else {
            fixed = digits.left(exp10 + 1) + '.' + digits.mid(exp10 + 1);
        }
    } else {
        fixed = "0." + QByteArray(-exp10 - 1, '0') + digits;
    }
    return QString::fromLatin1(negative ? "-" + fixed : fixed);
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
    if (num.endsWith('.')) num += '0';
    bool ok = false;
    const double v = num.toDouble(&ok);  // C locale: the point is the separator
    return ok && std::isfinite(v) ? v : 0.0;
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

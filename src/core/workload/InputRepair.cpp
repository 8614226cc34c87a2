#include "core/workload/InputRepair.h"

#include <QLocale>
#include <cmath>

#include "core/meter/Numbers.h"
#include "core/workload/WorkLoadTables.h"

namespace montira::workload {

namespace {

bool IsWholeNumber(const QString& t, double* value) {
    bool ok = false;
    const double v = QLocale::c().toDouble(t.trimmed(), &ok);
    if (ok && value) *value = v;
    return ok && !t.trimmed().isEmpty();
}

}  // namespace

QString RepairAgeText(const QString& text) {
    const QString twenty = QStringLiteral("20");
    QString t = text;
    if (t.isEmpty()) t = twenty;
    if (t.size() == 2 && !IsListedAge(LeadingNumber(t))) t = twenty;
    if (t.size() > 2) t = twenty;
    double v = 0;
    const ushort first = t[0].unicode();
    if (first > '9' || first < '0' || !IsWholeNumber(t, &v)) t = twenty;
    if (LeadingNumber(t) > 65) t = QStringLiteral("65");
    return t;
}

QString RepairWorkMinutesText(const QString& text) {
    return LeadingNumber(text) > 60 ? QStringLiteral("60") : text;
}

bool WeightKeyAccepted(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
           c == QLatin1Char('\b');
}

QString PoundsText(const QString& kgText, QChar decimalPoint) {
    const double lbs = LeadingNumber(kgText) * 2.20462;
    if (!std::isfinite(lbs)) return QStringLiteral("0") + decimalPoint + QLatin1Char('0');
    QString s = QString::number(lbs, 'f', 1);
    s.replace(QLatin1Char('.'), decimalPoint);
    return s;
}

}  // namespace montira::workload

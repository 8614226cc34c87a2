#include "core/workload/WbgtAverage.h"

#include "core/meter/Numbers.h"
#include "core/workload/WholeNumbers.h"

namespace montira::workload {

bool IsNumberText(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) ++i;
    if (i < t.size() && t[i] == QLatin1Char('.')) ++i;
    return i < t.size() && t[i].isDigit() && t[i].unicode() < 128;
}

void ResetWbgtAverages(WbgtAverages& s) {
    s.AvgWbgtIndoor = s.AvgWbgtOutdoor = 0;
    s.AvgSampleCount = s.AvgSumIndoor = s.AvgSumOutdoor = 0;
    s.AvgValidIndoor = s.AvgValidOutdoor = 0;
}

void AddWbgtSample(WbgtAverages& s, const Reading& r) {
    if (s.AvgSampleCount <= 0) s.AvgValidIndoor = s.AvgValidOutdoor = 0;
    s.AvgSampleCount += 1;
    if (IsNumberText(r.WbgtIndoorText)) {
        s.AvgSumIndoor += LeadingNumber(r.WbgtIndoorText);
        s.AvgValidIndoor += 1;
    }
    if (IsNumberText(r.WbgtOutdoorText)) {
        s.AvgSumOutdoor += LeadingNumber(r.WbgtOutdoorText);
        s.AvgValidOutdoor += 1;
    }
    s.AvgWbgtIndoor = s.AvgValidIndoor > 0 ? s.AvgSumIndoor / s.AvgValidIndoor : 0;
    s.AvgWbgtOutdoor = s.AvgValidOutdoor > 0 ? s.AvgSumOutdoor / s.AvgValidOutdoor : 0;
}

QString AverageLabelText(double avg) {
    const QString t = QString::number(FixWhole(avg * 10));
    const QString shown = t.left(t.size() - 1) + QLatin1Char('.') + t.right(1);
    return shown + QStringLiteral("ºC / ") + QString::number(FixWhole(avg * 9 / 5 + 32)) +
           QStringLiteral(" ºF");
}

}  // namespace montira::workload

#include "core/graphs/GraphGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/meter/Numbers.h"

namespace montira {

GraphLayout LayoutFor(QSize window) {
    GraphLayout g;
    const int usable = std::max(0, window.width() - 80);
    g.width = usable - usable % 30;
    g.bottom = window.height() - 135;
    g.height = std::max(0, window.height() - 220);
    return g;
}

QSize EnlargedPlotSize(QSize requested) {
    return QSize(std::max(requested.width(), kPlotMinWidth),
                 std::max(requested.height(), kPlotMinHeight));
}

QString LabelText(double value) {
    const QString t = FormatGeneral(value);
    const qsizetype sep = std::max(t.indexOf(u'.'), t.indexOf(u','));
    if (sep < 0) return t + QStringLiteral(".0");
    if (sep == t.size() - 1) return t.left(sep) + QStringLiteral(".0");
    if (sep == 0) return QStringLiteral("0.") + t.mid(1, 1);
    return t.left(sep) + u'.' + t.mid(sep + 1, 1);
}

double HeightAbove(bool hasValue, double value, double min, double max, double height) {
    if (!hasValue || value > max) return height + 5;
    if (value < min) return -3;
    if (max <= min) return 0;
    return (value - min) / (max - min) * height;
}

double CelsiusToFahrenheit(double c) {
    return c * 9 / 5 + 32;
}
double FahrenheitToCelsiusTenths(double f) {
    return std::trunc((f - 32) * 5 / 9 * 10) / 10;
}
double MsToFtmTenths(double ms) {
    return std::trunc(ms / 0.3048 * 60 * 10) / 10;
}
double FtmToMsTenths(double ftm) {
    return std::trunc(ftm * 0.3048 / 60 * 10) / 10;
}

std::vector<long long> PlotLabelRecords(long long n) {
    std::vector<long long> out;
    if (n <= 0) return out;
    out = {1, n / 5, 2 * n / 5, 3 * n / 5, 4 * n / 5, n};
    out.erase(std::remove(out.begin(), out.end(), 0LL), out.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<long long> PlotTickRecords(long long n) {
    const std::vector<long long> labels = PlotLabelRecords(n);
    std::vector<long long> out;
    for (long long k = 1; k <= 10 && n > 0; ++k) {
        const long long r = k * n / 10;
        if (r >= 1 && !std::binary_search(labels.begin(), labels.end(), r) &&
            (out.empty() || out.back() != r))
            out.push_back(r);
    }
    return out;
}

}  // namespace montira

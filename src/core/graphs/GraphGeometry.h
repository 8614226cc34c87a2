#pragma once
#include <QSize>
#include <QString>
#include <vector>

namespace montira {

// Where the chart and the plot draw, in the window's pixels (y grows downwards): the plot area
// starts 80 right of the window's left edge, its bottom is 135 above the window's bottom and
// its top 85 below the window's top; its width is a multiple of 30.
struct GraphLayout {
    double left = 80;
    double width = 0;
    double bottom = 0;
    double height = 0;
    double top() const { return bottom - height; }
    double right() const { return left + width; }
};
GraphLayout LayoutFor(QSize window);

// The plot window is never smaller than 6000 × 5865 twips (15 twips a pixel): a smaller size
// grows to that minimum in the dimension that falls short.
constexpr int kTwipsPerPixel = 15;
constexpr int kPlotMinWidth = 6000 / kTwipsPerPixel;   // 400
constexpr int kPlotMinHeight = 5865 / kTwipsPerPixel;  // 391
QSize EnlargedPlotSize(QSize requested);

// An axis label's text: one decimal with a point, the further digits cut (25 -> "25.0",
// 12.75 -> "12.7", -2.5 -> "-2.5").
QString LabelText(double value);

// Offset of a value above the plot's bottom: 5 above the top for no value or a value above the
// maximum, 3 below the bottom for a value below the minimum, else in proportion.
double HeightAbove(bool hasValue, double value, double min, double max, double height);

// Scale conversions of the scale dialogs (Fix cuts toward zero).
double CelsiusToFahrenheit(double c);        // c × 9 / 5 + 32
double FahrenheitToCelsiusTenths(double f);  // Fix((f − 32) × 5 / 9 × 10) / 10
double MsToFtmTenths(double ms);             // Fix(ms / 0.3048 × 60 × 10) / 10
double FtmToMsTenths(double ftm);            // Fix(ftm × 0.3048 / 60 × 10) / 10

// The records n (1-based within the N drawn) that carry a time label: 1, N\5, 2N\5, 3N\5,
// 4N\5 and N; and those with a short tick: the other (k × N)\10 for k = 1 to 10. Ascending,
// without repeats.
std::vector<long long> PlotLabelRecords(long long count);
std::vector<long long> PlotTickRecords(long long count);

}  // namespace montira

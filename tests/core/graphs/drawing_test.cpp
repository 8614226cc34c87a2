#include <gtest/gtest.h>

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTime>

#include "GraphProbe.h"
#include "core/graphs/GraphFrame.h"
#include "core/graphs/PlotCursor.h"
#include "core/graphs/PlotList.h"
#include "core/graphs/RealTimeChart.h"
#include "core/meter/Reading.h"

using namespace montira;
using namespace montira::test;

namespace {

const QColor kDry(255, 128, 0);

// Rows numbered from 1, a clock of one second a record, dry bulb from `dry`, others fixed.
TextTable Table(const std::vector<QString>& dry, const QString& time = QString()) {
    TextTable t;
    for (size_t i = 0; i < dry.size(); ++i)
        t.appendRow({QString::number(i + 1), "24/03/07",
                     time.isNull() ? QTime(0, 0).addSecs(int(i)).toString("hh:mm:ss") : time,
                     dry[i], "18.0", "22.1", "29.6", "25.1", "24.8", "31.2", "1.6", "- - -"});
    return t;
}

ChannelFlags DryOnly() {
    ChannelFlags f{};
    f[size_t(Channel::Dry)] = true;
    return f;
}

// A 640 × 480 plot (area 80..620 × 85..345) of the whole table.
QImage Draw(const TextTable& t, const ChannelFlags& flags, PlotDetail detail = PlotDetail::Summary,
            PlotView* view = nullptr) {
    QImage img = Canvas(640, 480);
    QPainter p(&img);
    const PlotSettings s = PlotSettingsFor(QStringLiteral("(°C)"), t.rowCount());
    const PlotView v = view ? *view : FullView(s);
    DrawPlotWindow(p, img.size(), v, flags, t, ReadPlotColumns(t), detail);
    return img;
}

Reading DryAt(double c, const QString& text) {
    Reading r;
    r.DryC = c, r.DryText = text;
    return r;
}

// A 640 × 480 chart (area 80..620 × 85..345) drawing only the dry bulb.
struct Chart {
    QImage img = Canvas(640, 480);
    QPainter p{&img};
    ChartSettings s;
    RealTimeChart chart;
    explicit Chart(double step) {
        s.flags = DryOnly();
        s.ChartStep = step;
        chart.layout(p, img.size(), s);
    }
    void tick(const Reading& r) { chart.tick(p, s, r, true, QTime(12, 34, 56)); }
};

}  // namespace

TEST(PlotData, cellNumbersByLeadingNumberParsing) {
    const std::pair<const char*, float> rows[] = {{"25.3", 25.3f}, {" -2.5", -2.5f}, {"+4", 4},
                                                  {"12abc", 12},   {"", 0},          {".5", 0.5f},
                                                  {"-", 0},        {"1e2", 100}};
    for (const auto& [cell, value] : rows)
        EXPECT_EQ(CellNumber(cell, cell + strlen(cell)), value) << cell;
    const char* dashes = "- - -";
    EXPECT_TRUE(std::isnan(CellNumber(dashes, dashes + 5)));
}

TEST(PlotList, whatIsNotThereIsNotDrawn) {
    PlotView stale;  // a view beyond the table (a stale range): nothing read past it
    stale.from = 5, stale.to = 50;
    const struct {
        const char* name;
        TextTable table;
        PlotView* view;
        bool line, labels;
    } cases[] = {
        {"one record: its label only", Table({"25.0"}), nullptr, false, true},
        {"unreadable times: no labels", Table({"25.0", "26.0", "27.0"}, "- - -"), nullptr, true,
         false},
        {"empty times: no labels", Table({"25.0", "26.0"}, ""), nullptr, true, false},
        {"empty table", TextTable(), nullptr, false, false},
        {"view beyond the table", Table({"25.0", "26.0"}), &stale, false, false},
    };
    for (const auto& c : cases) {
        const QImage img = Draw(c.table, DryOnly(), PlotDetail::Summary, c.view);
        EXPECT_EQ(CountColour(img, img.rect(), kDry) > 0, c.line) << c.name;
        EXPECT_EQ(CountDark(img, QRect(0, 353, 640, 16)) > 0, c.labels)
            << c.name;  // the time labels
    }
}

TEST(PlotList, summaryDiffersFromEverySegmentInAtMostOnePercentOfTheArea) {
    QRandomGenerator rng(7);
    std::vector<QString> dry;
    double v = 30;
    for (int i = 0; i < 60000; ++i) {
        v = std::clamp(v + (rng.generateDouble() - 0.5) * 2, -25.0, 135.0);
        dry.push_back(i % 997 == 0 ? InvalidText() : QString::number(v, 'f', 1));
    }
    const TextTable t = Table(dry);
    PlotView part = FullView(PlotSettingsFor(QStringLiteral("(°C)"), t.rowCount()));
    part.from = 1001, part.to = 50000;  // not on a block boundary
    for (PlotView* view : {static_cast<PlotView*>(nullptr), &part}) {
        const QImage a = Draw(t, DefaultChannelFlags(), PlotDetail::EverySegment, view);
        const QImage b = Draw(t, DefaultChannelFlags(), PlotDetail::Summary, view);
        const QRect area(70, 70, 560, 290);
        const int differ =
            CountPixels(a, area, [&](int x, int y) { return a.pixel(x, y) != b.pixel(x, y); });
        EXPECT_LE(differ, area.width() * area.height() / 100) << (view ? "part" : "whole");
        EXPECT_GT(CountColour(b, area, kDry), 500);  // the walk was drawn at all
    }
}

TEST(PlotZoom, rectangleSelectsItsRecordsAndValues) {
    const GraphLayout g = LayoutFor(QSize(640, 480));
    PlotView v = FullView(PlotSettingsFor(QStringLiteral("(°C)"), 100));
    // Records 21..40 lie at 80 + 20 × 5.4 = 188 and 80 + 39 × 5.4 = 290.6; 100 °C and 40 °C at
    // 345 − 120/150 × 260 = 137 and 345 − 60/150 × 260 = 241.
    const PlotView z = ZoomToRect(g, v, QRectF(QPointF(188, 137), QPointF(290.6, 241)), 100);
    EXPECT_EQ(std::pair(z.from, z.to), std::pair(21LL, 40LL));
    EXPECT_NEAR(z.scale.tempMax, 100, 1e-9);
    EXPECT_NEAR(z.scale.tempMin, 40, 1e-9);
    EXPECT_TRUE(z.zoomed);
    // The wheel keeps the record under the pointer and never leaves the table.
    const PlotView w = ZoomAround(g, v, QPointF(RecordX(g, v, 50), 200), 0.5, 100);
    EXPECT_EQ(RecordAtX(g, w, RecordX(g, v, 50)), 50);
    EXPECT_NEAR(double(w.count()), 50, 1);
    const PlotView out = ZoomAround(g, v, QPointF(300, 200), 4, 100);
    EXPECT_EQ(std::pair(out.from, out.to), std::pair(1LL, 100LL));
    // A click without a drag changes nothing.
    EXPECT_EQ(ZoomToRect(g, v, QRectF(300, 200, 1, 1), 100).count(), 100);
}

// The nine labels of each scale, as the axis writes them.
QStringList ScaleLabels(double min, double max) {
    QStringList out;
    for (int j = 0; j <= 8; ++j) out << LabelText(min + (max - min) * j / 8);
    return out;
}

TEST(PlotZoom, wheelStopsWhereTheLabelsWouldRepeatAndAtTwoRecords) {
    const GraphLayout g = LayoutFor(QSize(640, 480));
    PlotView v = FullView(PlotSettingsFor(QStringLiteral("(°C)"), 100));
    const QPointF at(300, 200);
    for (int notch = 1; notch <= 60; ++notch) {
        v = ZoomAround(g, v, at, 0.8, 100);
        for (const QStringList& l : {ScaleLabels(v.scale.tempMin, v.scale.tempMax),
                                     ScaleLabels(v.scale.windMin, v.scale.windMax)})
            EXPECT_EQ(QSet<QString>(l.begin(), l.end()).size(), 9)
                << notch << l.join(' ').toStdString();
    }
    EXPECT_EQ(v.count(), 2);
    // At the limit: 0.1 between labels, around the value that was under the pointer.
    EXPECT_NEAR(v.scale.tempMax - v.scale.tempMin, 0.8, 0.01);
    EXPECT_NEAR(v.scale.windMax - v.scale.windMin, 0.8, 0.01);
    // A rectangle only a few pixels high stops at the same limit.
    const PlotView z = ZoomToRect(g, v, QRectF(100, 200, 200, 3), 100);
    EXPECT_GE(z.scale.tempMax - z.scale.tempMin, 0.8 - 1e-9);
}

TEST(PlotZoom, zoomedPlotDrawsMissingAndOutOfRangeValuesAtTheEdgesAsTheWholePlotDoes) {
    std::vector<QString> dry;
    for (int i = 0; i < 100; ++i)
        dry.push_back(i < 30 ? "30.0" : i < 60 ? "120.0" : i < 80 ? "- - -" : "-15.0");
    const TextTable t = Table(dry);
    const GraphLayout g = LayoutFor(QSize(640, 480));
    PlotView v = ZoomToRect(g, FullView(PlotSettingsFor("(°C)", 100)),
                            QRectF(QPointF(80, 150), QPointF(620, 200)), 100);
    ASSERT_LT(v.scale.tempMax, 120);  // about 63.6 to 92.5 °C
    ASSERT_GT(v.scale.tempMin, 30);
    const QImage img = Draw(t, DryOnly(), PlotDetail::Summary, &v);
    // Above the scale and "- - -": 5 above the top (y 80); below it: 3 under the bottom (348).
    EXPECT_GT(CountColour(img, QRect(240, 80, 200, 1), kDry), 150);
    EXPECT_GT(CountColour(img, QRect(520, 348, 90, 1), kDry), 60);
    EXPECT_GT(CountColour(img, QRect(90, 348, 130, 1), kDry), 100);  // 30 °C is below it too
    EXPECT_EQ(CountColour(img, QRect(0, 0, 640, 80), kDry), 0);      // nothing further out
    EXPECT_EQ(CountColour(img, QRect(0, 349, 640, 131), kDry), 0);
}

TEST(PlotCursor, readoutShowsTheRecordsOwnTextsWithTheirUnits) {
    const TextTable t = Table({"25.0", "- - -", "27.5"});
    ChannelFlags f = DryOnly();
    f[size_t(Channel::Wind)] = true;
    f[size_t(Channel::Humidex)] = true;  // no column: not in the readout
    const std::vector<ReadoutLine> lines = CursorReadout(t, 2, f, true);
    QStringList texts;
    for (const ReadoutLine& l : lines) texts << l.text;
    EXPECT_EQ(texts, (QStringList{"Registro: 2", "24/03/07 00:00:01", "Seco: - - -",
                                  "Velocidade: 1.6 m/s"}));
    EXPECT_EQ(lines[2].colour, kDry);
    EXPECT_TRUE(CursorReadout(t, 4, f, true).empty());
    texts.clear();
    for (const ReadoutLine& l : CursorReadout(t, 1, f, false)) texts << l.text;
    EXPECT_EQ(texts.mid(2), (QStringList{"Seco: 25.0 °F", "Velocidade: 1.6 ft/m"}));

    QImage img = Draw(t, DryOnly());
    QPainter p(&img);
    const QRectF box = DrawCursor(p, img.size(), LayoutFor(img.size()), 600, lines);
    EXPECT_LE(box.right(), 600);  // no room on the right: the box goes left of the line
    EXPECT_GT(CountDark(img, box.toRect()), 20);
}

TEST(GraphFrame, feetPerMinuteLabelsStayInsideTheWindow) {
    // The frame drawn 60 pixels right of the canvas's left edge: nothing of it may fall left
    // of the window's edge at x 60.
    for (const bool celsius : {true, false}) {
        QImage img = Canvas(700, 480);
        QPainter p(&img);
        p.translate(60, 0);
        AxisScale s;
        s.celsius = celsius;
        s.windMax = celsius ? 30 : 6000;
        s.tempMin = celsius ? -20 : -4;
        s.tempMax = celsius ? 130 : 266;
        DrawGraphFrame(p, QSize(640, 480), LayoutFor(QSize(640, 480)), s);
        p.end();
        // The air-speed labels' purple, smoothed edges included.
        auto purple = [&](int x, int y) {
            const QColor c = img.pixelColor(x, y);
            return c.red() > c.green() + 60 && c.blue() > c.green() + 60 && c != Qt::magenta;
        };
        EXPECT_EQ(CountPixels(img, QRect(0, 0, 60, 480), purple), 0) << celsius;
        EXPECT_GT(CountPixels(img, QRect(60, 0, 80, 480), purple), 50) << celsius;
    }
}

TEST(RealTimeChart, aStepOfZeroStillMovesThePen) {
    Chart c(0);
    for (int i = 0; i < 3; ++i) c.tick(DryAt(55, "55.0"));
    EXPECT_GT(c.chart.ChartX(), 0);
    EXPECT_GT(CountColour(c.img, QRect(80, 85, 540, 261), kDry), 0);
}

TEST(RealTimeChart, firstTickDrawsNothingAndTheSecondStartsAtTheLeftEdge) {
    Chart c(54);
    c.tick(DryAt(130, "130.0"));
    EXPECT_EQ(c.chart.ChartX(), 0);
    EXPECT_EQ(CountColour(c.img, c.img.rect(), kDry), 0);
    c.tick(DryAt(130, "130.0"));
    // A value at the maximum lies on the top edge.
    EXPECT_EQ(c.img.pixelColor(100, 85), kDry);
    EXPECT_EQ(CountColour(c.img, QRect(80, 0, 54, 84), kDry), 0);
}

TEST(RealTimeChart, wrapWipesTheSweepOutOfRangeLinesIncluded) {
    Chart c(54);
    for (int i = 0; i < 10; ++i) c.tick(i < 5 ? DryAt(55, "55.0") : DryAt(0, InvalidText()));
    EXPECT_GT(CountColour(c.img, QRect(80, 85, 540, 261), kDry), 200);
    EXPECT_GT(CountColour(c.img, QRect(80, 75, 540, 10), kDry), 100);  // drawn 5 above the top
    c.tick(DryAt(55, "55.0"));  // back at 0: wiped, nothing drawn
    EXPECT_EQ(CountColour(c.img, c.img.rect(), kDry), 0);
}

TEST(RealTimeChart, airSpeedFollowsTheDisplayUnit) {
    Reading r;
    r.AirSpeed = 2, r.AirSpeedText = "2.0", r.AirSpeedFtMin = 393;
    r.AirSpeedTextFtMin = InvalidText();
    EXPECT_EQ(ChartValue(r, Channel::Wind, true), 2.0);
    EXPECT_FALSE(ChartValue(r, Channel::Wind, false).has_value());
    r.WindChillText = "-3.5";
    EXPECT_EQ(ChartValue(r, Channel::WindChill, true), -3.5);
    r.RHText = InvalidText(), r.RH = 40;  // %UR has no missing-value test
    EXPECT_EQ(ChartValue(r, Channel::RH, true), 40.0);
}

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "support/Processes.h"
#include "ui/graphs/ChannelChooser.h"
#include "ui/graphs/GraphPrint.h"
#include "ui/graphs/ListPlot1.h"
#include "ui/graphs/PlotRange.h"
#include "ui/graphs/RealTime24.h"
#include "ui/graphs/RealTimeRange.h"

using namespace montira;

namespace {

const QColor kDry(255, 128, 0);

int CountColour(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y).rgb() == c.rgb()) ++n;
    return n;
}

TextTable Rows(int n) {
    TextTable t;
    for (int i = 1; i <= n; ++i)
        t.appendRow({QString::number(i), "24/03/07",
                     QStringLiteral("10:%1:00").arg(i % 60, 2, 10, QChar('0')),
                     QString::number(20 + i % 30, 'f', 1), "18.0", "22.1", "29.6", "25.1", "24.8",
                     "31.2", "1.6", "- - -"});
    return t;
}

struct Plot {
    ListPlot1 w;
    explicit Plot(int records) {
        w.resize(640, 480);
        w.plotTable(Rows(records), QStringLiteral("( °C )"), {"Ana", "", ""});
        QTest::qWait(20);
    }
};

}  // namespace

TEST(ListPlot1Window, plotsTheTableAndKeepsItsMinimumSize) {
    Plot p(100);
    EXPECT_EQ(p.w.settings().PlotCount, 100);
    EXPECT_GT(CountColour(p.w.image(), kDry), 300);
    p.w.resize(5000 / 15, 5000 / 15);
    QTest::qWait(20);
    EXPECT_EQ(p.w.size(), QSize(400, 391));
    EXPECT_EQ(p.w.image().size(), QSize(400, 391));
}

// What a zoom rectangle selects and how the cursor reads out are checked on the plot (PlotZoom,
// PlotCursor); here that a drag reaches the view and the reset action undoes it.
TEST(ListPlot1Window, dragZoomsAndResetReturnsToTheWholePlot) {
    Plot p(100);
    const GraphLayout g = p.w.geometry();
    const PlotView full = p.w.view();
    const int x0 = int(RecordX(g, full, 21)), x1 = int(RecordX(g, full, 40)) + 1;
    QTest::mousePress(&p.w, Qt::LeftButton, {}, QPoint(x0, 150));
    QTest::mouseMove(&p.w, QPoint(x1, 250));
    QTest::mouseRelease(&p.w, Qt::LeftButton, {}, QPoint(x1, 250));
    EXPECT_EQ(p.w.view().from, 21);
    EXPECT_EQ(p.w.view().to, 40);
    ASSERT_GT(p.w.cursorRecord(), 0);

    p.w.findChild<QAction*>("ZoomReset")->trigger();
    EXPECT_EQ(p.w.view().count(), 100);
}

TEST(ListPlot1Window, scaleDialogRefusesBadRecordsAndReplotsGoodOnes) {
    Plot p(20);
    PlotRange* range = p.w.findChild<PlotRange*>("PlotRange");
    ASSERT_TRUE(range);
    QString refused;
    range->onRefused = [&](const QString& m) { refused = m; };
    range->show();
    range->TxtFrom->setText("5");
    range->TxtTo->setText("5");
    range->CmdOK->click();
    EXPECT_EQ(refused, QStringLiteral("Comando inválido, tente novamente!"));
    EXPECT_TRUE(range->isVisible());
    range->TxtTo->setText("15");
    range->CmdOK->click();
    EXPECT_FALSE(range->isVisible());
    EXPECT_EQ(p.w.view().from, 5);
    EXPECT_EQ(p.w.view().to, 15);
}

TEST(RealTime24Window, sweepsTheLatestSampleAndClosingStopsIt) {
    ChartSettings s;
    s.flags.fill(false);
    s.flags[size_t(Channel::Dry)] = true;
    RealTime24 chart(s);
    chart.resize(640, 480);
    chart.openChart();
    Reading r;
    r.DryC = 55;
    r.DryText = "55.0";
    chart.addSample(r);
    for (int i = 0; i < 20; ++i) chart.drawTick(QTime(10, 0, i));
    EXPECT_GT(CountColour(chart.image(), kDry), 15);
    chart.close();
    EXPECT_FALSE(s.ChartOpen);
    EXPECT_FALSE(chart.Timer1->isActive());
}

TEST(RealTime24Window, neverShrinksBelowThePlotsMinimumNorFreezesAfterwards) {
    ChartSettings s;
    RealTime24 chart(s);
    chart.openChart();
    chart.resize(100, 100);
    QTest::qWait(20);
    EXPECT_EQ(chart.size(), QSize(400, 391));
    RealTimeRange* range = chart.findChild<RealTimeRange*>("RealTimeRange");
    ASSERT_TRUE(range);
    range->show();
    range->TxtCounts->setText("10");
    range->CmdOK->click();
    EXPECT_EQ(s.ChartStep, 30);  // 300 pixels wide
    chart.resize(640, 480);
    QTest::qWait(20);
    chart.drawTick(QTime(10, 0, 0));
    chart.drawTick(QTime(10, 0, 1));
    EXPECT_EQ(chart.chart().ChartX(), 30);
}

TEST(RealTime24Window, chooserStoresTheFlagsAndRunsAtThePollInterval) {
    ChartSettings s;
    RealTime24 chart(s);
    chart.setPollInterval(150);
    chart.openChart();
    chart.findChild<QAction*>("Units")->trigger();
    EXPECT_FALSE(chart.isVisible());
    ChannelChooser* chooser = chart.findChild<ChannelChooser*>("RealAll");
    ASSERT_TRUE(chooser && chooser->isVisible());
    EXPECT_FALSE(chooser->box(Channel::RH)->isChecked());
    chooser->box(Channel::RH)->setChecked(true);
    chooser->CmdOK->click();
    EXPECT_TRUE(s.flags[size_t(Channel::RH)]);
    EXPECT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.Timer1->interval(), 150);
}

TEST(GraphPrint, printsOnePage) {
    Plot p(50);
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("plot.pdf"));
    PrintGraph(printer, p.w.printImage());
    EXPECT_EQ(test::ReadBytes(dir.filePath("plot.pdf")).count("/Type /Page\n"), 1);
}

#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include "core/graphs/ChartSettings.h"
#include "core/graphs/RealTimeChart.h"
#include "core/meter/Reading.h"
#include "ui/graphs/GraphParts.h"

namespace montira {

class RealTimeRange;
class ChannelChooser;

// The real-time chart, caption "Gráfico - Tempo real": a pen sweeps right one step per tick of
// Timer1 and draws the latest reading's chosen channels on a backing image. The settings are
// shared with the main toolbar and the two dialogs; the window is kept and shown again. It is
// never smaller than the data plot's 400 × 391 pixels.
class RealTime24 : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(RealTime24)

public:
    static constexpr const char* kCaption = QT_TR_NOOP("Gráfico - Tempo real");

    // `mainWindow`, when given, places the chart just right of it.
    explicit RealTime24(ChartSettings& settings, QWidget* mainWindow = nullptr,
                        QWidget* parent = nullptr);

    // Each live sample: the values the next tick draws (the chart draws the latest ones).
    void addSample(const Reading& r) { reading_ = r; }
    // The display unit (True: °C and m/s): the air-speed channel follows it.
    void setCelsiusMode(bool celsius) { celsiusMode_ = celsius; }
    // The main window's poll interval: the chart's timer runs at it after the chooser's OK.
    void setPollInterval(int ms) { pollInterval_ = ms; }

    // The main toolbar's "Graph": default scales and step, labels in the display unit,
    // ChartOpen set, the window shown and Timer1 running at 1000 ms.
    void openChart();
    // Shown again with the settings kept (the chooser's and the scale dialog's OK); the
    // interval stays as it is when `intervalMs` is negative.
    void showChart(int intervalMs = -1);
    // Closed: by the user, by "Units", or by the main window when the meter stops answering.
    void closeChart();

    // One tick of Timer1, with the time its label shows.
    void drawTick(const QTime& now);

    const QImage& image() const { return image_; }
    // The window's image as printed: the drawing and, unless all are empty, the header texts.
    QImage printImage() const;
    const RealTimeChart& chart() const { return chart_; }
    ChartSettings& settings() { return settings_; }

    QToolBar* Toolbar1;
    QTimer* Timer1;
    GraphHeaderFields header;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void relayout();

    ChartSettings& settings_;
    RealTimeChart chart_;
    QImage image_;
    Reading reading_;
    bool celsiusMode_ = true;
    int pollInterval_ = 150;
    RealTimeRange* range_ = nullptr;
    ChannelChooser* chooser_ = nullptr;
};

}  // namespace montira

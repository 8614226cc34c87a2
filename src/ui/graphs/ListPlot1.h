#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QRubberBand>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include "core/graphs/PlotCursor.h"
#include "core/graphs/PlotList.h"
#include "core/record/DataFile.h"
#include "ui/graphs/GraphParts.h"

namespace montira {

class PlotRange;
class ChannelChooser;

// The data plot, caption "Gráfico - Plotar": the records of a list window's table drawn on a
// backing image, at least 400 × 391 pixels (6000 × 5865 twips). Beyond the drawing at full
// extent: drag a rectangle to zoom into records and values, the wheel zooms around the
// pointer, "ZoomReset" returns to the whole plot; a cursor line follows the pointer with a
// readout of the record under it.
class ListPlot1 : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(ListPlot1)

public:
    static constexpr const char* kCaption = QT_TR_NOOP("Gráfico - Plotar");

    explicit ListPlot1(QWidget* mainWindow = nullptr, QWidget* parent = nullptr);

    // A list window's "Plot": the unit from the first column's heading, default scales and
    // channels, all records; the window shown and drawn. The rows' text is shared, not copied.
    void plotTable(const TextTable& rows, const QString& firstHeading,
                   const HeaderTexts& header = {});
    // The scale dialog's and the chooser's OK: shown again at full extent with the settings.
    void replot();

    PlotSettings& settings() { return settings_; }
    const PlotView& view() const { return view_; }
    void setView(const PlotView& v);
    void resetZoom() { setView(FullView(settings_)); }
    const GraphLayout& geometry() const { return layout_; }

    // The drawing (without the cursor), and the window's image as printed.
    const QImage& image() const { return image_; }
    QImage printImage() const;
    // The record under the cursor line, 0 when the pointer is off the plot area.
    long long cursorRecord() const { return cursor_; }
    void setCursorAt(double x);

    QToolBar* Toolbar1;
    QTimer* Timer1;
    GraphHeaderFields header;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void redraw();
    bool onArea(QPointF p) const;

    PlotSettings settings_;
    PlotView view_;
    TextTable rows_;
    PlotColumns columns_;
    GraphLayout layout_;
    QImage image_;
    long long cursor_ = 0;
    double pointerX_ = 0;
    QRubberBand* band_;
    QPoint dragFrom_;
    bool dragging_ = false;
    PlotRange* range_ = nullptr;
    ChannelChooser* chooser_ = nullptr;
};

}  // namespace montira

#include "ui/graphs/ListPlot1.h"

#include <QAction>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "core/graphs/HeaderTexts.h"
#include "ui/common/Icons.h"
#include "ui/graphs/ChannelChooser.h"
#include "ui/graphs/GraphPrint.h"
#include "ui/graphs/PlotRange.h"

namespace montira {

ListPlot1::ListPlot1(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), header(this) {
    SetUpGraphWindow(this, "ListPlot1", tr(kCaption), QSize(800, 600), mainWindow);
    setMouseTracking(true);

    Toolbar1 = MakeGraphToolbar(this);
    auto add = [&](const QIcon& icon, const char* key, const char* tip) {
        return AddGraphAction(Toolbar1, icon, key, tr(tip));
    };
    QAction* limit = add(ScaleIcon(), "Limit", QT_TR_NOOP("Limit"));
    QAction* print = add(PrintIcon(), "Print", QT_TR_NOOP("Print"));
    QAction* graphs = add(ChannelsIcon(), "Graphs", QT_TR_NOOP("Graph Unit"));
    QAction* reset = add(ZoomResetIcon(), "ZoomReset", QT_TR_NOOP("Gráfico inteiro"));
    Toolbar1->adjustSize();

    // Resizes come in bursts: the drawing waits for the event loop to be free.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &ListPlot1::redraw);

    band_ = new QRubberBand(QRubberBand::Rectangle, this);
    range_ = new PlotRange(this, this);
    chooser_ = new ChannelChooser("PlotAll", settings_.flags, this);
    chooser_->onAccepted = [this] { replot(); };
    connect(limit, &QAction::triggered, range_, &QWidget::show);
    connect(print, &QAction::triggered, this,
            [this] { PrintGraphWithPreview(this, printImage(), windowTitle()); });
    connect(graphs, &QAction::triggered, this, [this] {
        chooser_->show();
        close();
    });
    connect(reset, &QAction::triggered, this, &ListPlot1::resetZoom);
}

void ListPlot1::plotTable(const TextTable& rows, const QString& firstHeading,
                          const HeaderTexts& h) {
    close();
    rows_ = rows;
    columns_ = ReadPlotColumns(rows_);
    const ChannelFlags keep = DefaultChannelFlags();
    settings_ = PlotSettingsFor(firstHeading, rows_.rowCount());
    settings_.flags = keep;
    header.TxtName->setText(h.name);
    header.TxtSector->setText(h.sector);
    header.TxtCompany->setText(h.company);
    replot();
}

void ListPlot1::replot() {
    view_ = FullView(settings_);
    cursor_ = 0;
    show();
    redraw();
}

void ListPlot1::setView(const PlotView& v) {
    view_ = v;
    redraw();
    // The cursor stays under the pointer: the record there is another one now.
    if (cursor_ > 0) {
        cursor_ = 0;
        setCursorAt(pointerX_);
    }
}

void ListPlot1::resizeEvent(QResizeEvent* e) {
    const QSize min = EnlargedPlotSize(size());
    if (min != size()) {
        resize(min);  // the resize this causes draws
        return;
    }
    QWidget::resizeEvent(e);
    layout_ = LayoutFor(size());
    header.place(size());
    Timer1->start();
}

void ListPlot1::redraw() {
    Timer1->stop();
    layout_ = LayoutFor(size());
    if (image_.size() != size()) image_ = QImage(size(), QImage::Format_RGB32);
    QPainter p(&image_);
    DrawPlotWindow(p, size(), view_, settings_.flags, rows_, columns_);
    update();
}

bool ListPlot1::onArea(QPointF p) const {
    return p.x() >= layout_.left && p.x() <= layout_.right() && p.y() >= layout_.top() &&
           p.y() <= layout_.bottom;
}

void ListPlot1::setCursorAt(double x) {
    pointerX_ = x;
    const long long r = view_.count() > 0 ? RecordAtX(layout_, view_, x) : 0;
    if (r != cursor_) {
        cursor_ = r;
        update();
    }
}

void ListPlot1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (image_.size() != size()) {
        p.fillRect(rect(), WindowBackground());
        return;
    }
    p.drawImage(0, 0, image_);
    if (cursor_ > 0)
        DrawCursor(p, size(), layout_, RecordX(layout_, view_, cursor_),
                   CursorReadout(rows_, cursor_, settings_.flags, settings_.celsius()));
}

void ListPlot1::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onArea(e->position())) {
        dragging_ = true;
        dragFrom_ = e->position().toPoint();
        band_->setGeometry(QRect(dragFrom_, QSize()));
        band_->show();
    }
}

void ListPlot1::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_) band_->setGeometry(QRect(dragFrom_, e->position().toPoint()).normalized());
    if (onArea(e->position()))
        setCursorAt(e->position().x());
    else if (cursor_ != 0) {
        cursor_ = 0;
        update();
    }
}

void ListPlot1::mouseReleaseEvent(QMouseEvent* e) {
    if (!dragging_ || e->button() != Qt::LeftButton) return;
    dragging_ = false;
    band_->hide();
    const QRectF r = QRectF(dragFrom_, e->position()).normalized();
    if (r.width() >= 3 || r.height() >= 3)
        setView(ZoomToRect(layout_, view_, r, settings_.PlotRecordCount));
}

void ListPlot1::wheelEvent(QWheelEvent* e) {
    const int notches = e->angleDelta().y() / 120;
    if (notches == 0 || !onArea(e->position())) return;
    setView(ZoomAround(layout_, view_, e->position(), std::pow(0.8, notches),
                       settings_.PlotRecordCount));
    setCursorAt(e->position().x());
}

void ListPlot1::leaveEvent(QEvent*) {
    cursor_ = 0;
    update();
}

QImage ListPlot1::printImage() const {
    QImage out = image_;
    QPainter p(&out);
    p.fillRect(QRect(0, height() - 105, width(), 105), WindowBackground());
    DrawHeaderTexts(p, size(), header.TxtName->text(), header.TxtSector->text(),
                    header.TxtCompany->text());
    return out;
}

}  // namespace montira

#include "ui/graphs/RealTime24.h"

#include <QAction>
#include <QCloseEvent>
#include <QPainter>

#include "core/graphs/HeaderTexts.h"
#include "ui/common/Icons.h"
#include "ui/graphs/ChannelChooser.h"
#include "ui/graphs/GraphPrint.h"
#include "ui/graphs/RealTimeRange.h"

namespace montira {

RealTime24::RealTime24(ChartSettings& settings, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), header(this), settings_(settings) {
    SetUpGraphWindow(this, "RealTime24", tr(kCaption), QSize(640, 480), mainWindow);
    // As small as the data plot may go and no smaller: below that the chart has no area to
    // sweep, and the scale dialog would count no results on it.
    setMinimumSize(kPlotMinWidth, kPlotMinHeight);

    Toolbar1 = MakeGraphToolbar(this);
    auto add = [&](const QIcon& icon, const char* key, const char* tip) {
        return AddGraphAction(Toolbar1, icon, key, tr(tip));
    };
    QAction* limit = add(ScaleIcon(), "Limit", QT_TR_NOOP("Limites"));
    QAction* print = add(PrintIcon(), "Print", QT_TR_NOOP("Imprimir"));
    QAction* units = add(ChannelsIcon(), "Units", QT_TR_NOOP("Função"));
    Toolbar1->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { drawTick(QTime::currentTime()); });

    range_ = new RealTimeRange(settings_, this, this);
    chooser_ = new ChannelChooser("RealAll", settings_.flags, this);
    chooser_->onAccepted = [this] { showChart(pollInterval_); };
    connect(limit, &QAction::triggered, range_, &QWidget::show);
    connect(print, &QAction::triggered, this,
            [this] { PrintGraphWithPreview(this, printImage(), windowTitle()); });
    connect(units, &QAction::triggered, this, [this] {
        chooser_->show();
        closeChart();
    });
}

void RealTime24::openChart() {
    settings_.openDefaults(celsiusMode_);
    Timer1->setInterval(1000);
    showChart();
}

void RealTime24::showChart(int intervalMs) {
    if (intervalMs >= 0) Timer1->setInterval(intervalMs);
    settings_.ChartOpen = true;
    show();
    relayout();  // a fresh drawing with the settings as they are now
    Timer1->start();
}

void RealTime24::closeChart() {
    close();
}

void RealTime24::closeEvent(QCloseEvent* e) {
    Timer1->stop();
    if (isVisible()) settings_.ChartOpen = false;
    QWidget::closeEvent(e);
}

void RealTime24::relayout() {
    image_ = QImage(size(), QImage::Format_RGB32);
    QPainter p(&image_);
    chart_.layout(p, size(), settings_);
    header.place(size());
    update();
}

void RealTime24::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    relayout();
}

void RealTime24::drawTick(const QTime& now) {
    if (image_.isNull()) return;
    QPainter p(&image_);
    const QRect dirty = chart_.tick(p, settings_, reading_, celsiusMode_, now);
    update(dirty);
}

void RealTime24::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), image_, e->rect());
}

QImage RealTime24::printImage() const {
    QImage out = image_;
    QPainter p(&out);
    p.fillRect(QRect(0, height() - 105, width(), 105), WindowBackground());
    DrawHeaderTexts(p, size(), header.TxtName->text(), header.TxtSector->text(),
                    header.TxtCompany->text());
    return out;
}

}  // namespace montira

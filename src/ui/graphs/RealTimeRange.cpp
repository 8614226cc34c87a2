#include "ui/graphs/RealTimeRange.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <cmath>

#include "core/meter/Numbers.h"
#include "ui/graphs/GraphParts.h"
#include "ui/graphs/RealTime24.h"

namespace montira {

namespace {

QLabel* Caption(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(RealTimeRange::tr(text), parent);
    l->setObjectName(QLatin1String(name));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* title) {
    auto* g = new QGroupBox(RealTimeRange::tr(title), parent);
    g->setObjectName(QLatin1String(name));
    return g;
}

}  // namespace

RealTimeRange::RealTimeRange(ChartSettings& settings, RealTime24* chart, QWidget* parent)
    : QDialog(parent), s_(settings), chart_(chart) {
    setObjectName(QStringLiteral("RealTimeRange"));
    setWindowTitle(tr("Escala - Tempo real"));
    setModal(false);
    setFont(QFont(QStringLiteral("Times New Roman")));
    onRefused = [this](const QString& m) { ShowRefusal(this, m); };
    const QString signedNumber = QStringLiteral("0-9.\\-");

    auto* temp = Frame(this, "SSFrame1", QT_TR_NOOP("Temperatura"));
    auto* tl = new QGridLayout(temp);
    COpt = new QRadioButton(tr("Celsius"), temp);
    COpt->setObjectName(QStringLiteral("COpt"));
    FOpt = new QRadioButton(tr("Fahrenheit"), temp);
    FOpt->setObjectName(QStringLiteral("FOpt"));
    TxtMax = NumberBox(temp, "TxtMax", signedNumber);
    TxtMin = NumberBox(temp, "TxtMin", signedNumber);
    tl->addWidget(COpt, 0, 0);
    tl->addWidget(FOpt, 1, 0);
    tl->addWidget(Caption(temp, "SSPanel4", QT_TR_NOOP("Max")), 0, 1);
    tl->addWidget(TxtMax, 0, 2);
    tl->addWidget(Caption(temp, "SSPanel5", QT_TR_NOOP("Min")), 1, 1);
    tl->addWidget(TxtMin, 1, 2);

    auto* rh = Frame(this, "SSFrame2", QT_TR_NOOP("%UR"));
    auto* rl = new QGridLayout(rh);
    TxtMaxR = NumberBox(rh, "TxtMaxR", signedNumber);
    TxtMinR = NumberBox(rh, "TxtMinR", signedNumber);
    TxtCounts = NumberBox(rh, "TxtCounts", signedNumber);
    rl->addWidget(Caption(rh, "SSPanel1", QT_TR_NOOP("Max")), 0, 0);
    rl->addWidget(TxtMaxR, 0, 1);
    rl->addWidget(Caption(rh, "SSPanel3", QT_TR_NOOP("Min")), 1, 0);
    rl->addWidget(TxtMinR, 1, 1);
    rl->addWidget(Caption(rh, "SSPanel2", QT_TR_NOOP("Resultados")), 2, 0);
    rl->addWidget(TxtCounts, 2, 1);

    auto* wind = Frame(this, "SSFrame3", QT_TR_NOOP("Velocity"));
    auto* wl = new QGridLayout(wind);
    ComboWind = new QComboBox(wind);
    ComboWind->setObjectName(QStringLiteral("ComboWind"));
    ComboWind->setFont(QFont(QStringLiteral("Lucida Console")));
    ComboWind->addItems({QStringLiteral("m/s"), QStringLiteral("ft/m")});
    TxtWMax = NumberBox(wind, "TxtWMax", signedNumber);
    TxtWMin = NumberBox(wind, "TxtWMin", signedNumber);
    wl->addWidget(ComboWind, 0, 0, 1, 2);
    wl->addWidget(Caption(wind, "SSPanel7", QT_TR_NOOP("Max")), 1, 0);
    wl->addWidget(TxtWMax, 1, 1);
    wl->addWidget(Caption(wind, "SSPanel6", QT_TR_NOOP("Min")), 2, 0);
    wl->addWidget(TxtWMin, 2, 1);

    CmdOK = new QPushButton(tr("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    auto* lay = new QGridLayout(this);
    lay->addWidget(temp, 0, 0);
    lay->addWidget(rh, 0, 1);
    lay->addWidget(wind, 0, 2);
    lay->addWidget(CmdOK, 1, 2);

    connect(COpt, &QRadioButton::clicked, this, &RealTimeRange::celsiusClicked);
    connect(FOpt, &QRadioButton::clicked, this, &RealTimeRange::fahrenheitClicked);
    connect(ComboWind, &QComboBox::activated, this, [this] {
        if (ComboWind->currentIndex() == 0) {  // m/s
            COpt->setChecked(true);
            celsiusClicked();
        } else {
            FOpt->setChecked(true);
            fahrenheitClicked();
        }
    });
    connect(CmdOK, &QPushButton::clicked, this, &RealTimeRange::accept);
}

void RealTimeRange::showEvent(QShowEvent* e) {
    const double step = s_.ChartStep > 0 ? s_.ChartStep : 1;
    TxtCounts->setText(QString::number(std::llround(chart_->chart().geometry().width / step)));
    if (s_.ChartCelsius) {
        COpt->setChecked(true);
        celsiusClicked();
    } else {
        FOpt->setChecked(true);
        fahrenheitClicked();
    }
    TxtMaxR->setText(FormatGeneral(s_.ChartRhMax));
    TxtMinR->setText(FormatGeneral(s_.ChartRhMin));
    QDialog::showEvent(e);
}

void RealTimeRange::celsiusClicked() {
    ComboWind->setCurrentIndex(0);
    TxtMax->setText(FormatGeneral(s_.ChartTempMaxC));
    TxtMin->setText(FormatGeneral(s_.ChartTempMinC));
    if (s_.ChartWindMaxMs > 30) s_.ChartWindMaxMs = 30;
    TxtWMax->setText(FormatGeneral(s_.ChartWindMaxMs));
    TxtWMin->setText(FormatGeneral(s_.ChartWindMinMs));
}

void RealTimeRange::fahrenheitClicked() {
    ComboWind->setCurrentIndex(1);
    TxtMax->setText(FormatGeneral(s_.ChartTempMaxF));
    TxtMin->setText(FormatGeneral(s_.ChartTempMinF));
    TxtWMax->setText(FormatGeneral(s_.ChartWindMaxFtm));
    TxtWMin->setText(FormatGeneral(s_.ChartWindMinFtm));
}

void RealTimeRange::accept() {
    ChartRangeInput in;
    in.celsius = COpt->isChecked();
    in.TxtMax = TxtMax->text();
    in.TxtMin = TxtMin->text();
    in.TxtWMax = TxtWMax->text();
    in.TxtWMin = TxtWMin->text();
    in.TxtMaxR = TxtMaxR->text();
    in.TxtMinR = TxtMinR->text();
    in.TxtCounts = TxtCounts->text();
    QString message;
    if (!ApplyChartRange(s_, in, chart_->chart().geometry().width, message)) {
        if (onRefused) onRefused(message);
        return;
    }
    if (chart_->isVisible()) chart_->closeChart();
    chart_->showChart();
    close();
}

}  // namespace montira

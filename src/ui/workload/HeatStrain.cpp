#include "ui/workload/HeatStrain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/common/ReportPreview.h"

namespace montira::ui {

using namespace montira::heatstrain;

namespace {

QString Number(double v) {
    return QLocale::c().toString(v, 'g', 6);
}

// A number typed with a point or a comma; false for anything else or a value out of bounds.
bool ReadNumber(const QLineEdit* box, Bounds bounds, double& out) {
    QString t = box->text().trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    out = QLocale::c().toDouble(t, &ok);
    return ok && bounds.Holds(out);
}

// The plot of the last result, on white.
class PlotView : public QWidget {
public:
    PlotView(const std::optional<HeatStrainReport>& report, QWidget* parent)
        : QWidget(parent), report_(report) {
        setObjectName(QStringLiteral("PlotHeatStrain"));
        setMinimumHeight(220);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        if (report_)
            DrawHeatStrainPlot(p, QRectF(rect()).adjusted(4, 4, -4, -4), report_->input,
                               report_->result);
    }

private:
    const std::optional<HeatStrainReport>& report_;
};

}  // namespace

HeatStrain::HeatStrain(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HeatStrain"));
    setWindowTitle(tr(kCaption));
    auto* top = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;
    upper->addWidget(BuildClimate());
    upper->addWidget(BuildWorker());
    upper->addWidget(BuildResult(), 1);
    top->addLayout(upper);
    plot_ = new PlotView(report_, this);
    top->addWidget(plot_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* print = new QPushButton(tr("Imprimir relatório"), this);
    print->setObjectName(QStringLiteral("CmdPrint"));
    auto* save = new QPushButton(tr("Salvar PDF"), this);
    save->setObjectName(QStringLiteral("CmdSavePdf"));
    buttons->addWidget(print);
    buttons->addWidget(save);
    top->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(save, &QPushButton::clicked, this, [this] { SavePdf(); });
    choosePdfFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Salvar relatório"), QString(),
                                            QStringLiteral("PDF (*.pdf)"));
    };
    Recompute();
    resize(1100, 720);
}

QLineEdit* HeatStrain::Field(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(90);
    connect(box, &QLineEdit::textChanged, this, [this] { Recompute(); });
    return box;
}

QWidget* HeatStrain::BuildClimate() {
    auto* box = new QGroupBox(tr("Clima"), this);
    auto* form = new QFormLayout(box);
    LblClimateSource = new QLabel(tr("Clima digitado"), box);
    LblClimateSource->setObjectName(QStringLiteral("LblClimateSource"));
    LblClimateSource->setWordWrap(true);
    form->addRow(LblClimateSource);
    TxtTa = Field("TxtTa", QString(), box);
    TxtTg = Field("TxtTg", QString(), box);
    TxtGlobeDiameter = Field("TxtGlobeDiameter", Number(kGlobeDiameter), box);
    TxtGlobeEmissivity = Field("TxtGlobeEmissivity", Number(kGlobeEmissivity), box);
    TxtVa = Field("TxtVa", QString(), box);
    TxtRh = Field("TxtRh", QString(), box);
    // A typed humidity is the user's own measurement, no longer the meter's.
    connect(TxtRh, &QLineEdit::textEdited, this, [this] {
        meterHumidity_ = false;
        Recompute();
    });
    form->addRow(tr("Temperatura do ar (°C):"), TxtTa);
    form->addRow(tr("Temperatura de globo (°C):"), TxtTg);
    form->addRow(tr("Diâmetro do globo (m):"), TxtGlobeDiameter);
    form->addRow(tr("Emissividade do globo:"), TxtGlobeEmissivity);
    form->addRow(tr("Velocidade do ar (m/s):"), TxtVa);
    form->addRow(tr("Umidade relativa (%):"), TxtRh);
    LblTr = new QLabel(box);
    LblTr->setObjectName(QStringLiteral("LblTr"));
    form->addRow(tr("Radiante média:"), LblTr);
    LblHumidityNote = new QLabel(box);
    LblHumidityNote->setObjectName(QStringLiteral("LblHumidityNote"));
    LblHumidityNote->setWordWrap(true);
    LblHumidityNote->setMaximumWidth(300);
    LblHumidityNote->setStyleSheet(QStringLiteral("color: #555"));
    form->addRow(LblHumidityNote);
    return box;
}

QWidget* HeatStrain::BuildWorker() {
    auto* box = new QGroupBox(tr("Trabalho e trabalhador"), this);
    auto* form = new QFormLayout(box);
    TxtMet = Field("TxtMet", Number(150), box);
    ComboMetUnit = new QComboBox(box);
    ComboMetUnit->setObjectName(QStringLiteral("ComboMetUnit"));
    ComboMetUnit->addItems({QStringLiteral("W/m²"), QStringLiteral("met")});
    // Switching the unit converts what is typed, so the rate stays the same.
    connect(ComboMetUnit, &QComboBox::currentIndexChanged, this, [this](int unit) {
        double v = 0;
        if (ReadNumber(TxtMet, {0, 1e6}, v))
            TxtMet->setText(Number(unit == 1 ? std::round(v / kWattsPerMet * 100) / 100
                                             : std::round(v * kWattsPerMet)));
    });
    auto* rate = new QHBoxLayout;
    rate->addWidget(TxtMet);
    rate->addWidget(ComboMetUnit);
    form->addRow(tr("Taxa metabólica:"), rate);
    TxtWork = Field("TxtWork", Number(0), box);
    form->addRow(tr("Trabalho externo (W/m²):"), TxtWork);
    TxtClo = Field("TxtClo", Number(0.5), box);
    form->addRow(tr("Vestimenta (clo):"), TxtClo);
    ComboPosture = new QComboBox(box);
    ComboPosture->setObjectName(QStringLiteral("ComboPosture"));
    ComboPosture->addItems({PostureName(Posture::Standing), PostureName(Posture::Sitting),
                            PostureName(Posture::Crouching)});
    connect(ComboPosture, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
    form->addRow(tr("Postura:"), ComboPosture);
    CkAcclimatised = new QCheckBox(tr("Aclimatado"), box);
    CkAcclimatised->setObjectName(QStringLiteral("CkAcclimatised"));
    CkAcclimatised->setChecked(true);
    CkDrink = new QCheckBox(tr("Bebe água à vontade"), box);
    CkDrink->setObjectName(QStringLiteral("CkDrink"));
    CkDrink->setChecked(true);
    for (QCheckBox* c : {CkAcclimatised, CkDrink}) {
        connect(c, &QCheckBox::toggled, this, [this] { Recompute(); });
        form->addRow(c);
    }
    TxtDuration = Field("TxtDuration", Number(480), box);
    form->addRow(tr("Duração (min):"), TxtDuration);
    TxtWeight = Field("TxtWeight", Number(75), box);
    form->addRow(tr("Massa (kg):"), TxtWeight);
    TxtHeight = Field("TxtHeight", Number(1.8), box);
    form->addRow(tr("Altura (m):"), TxtHeight);
    TxtWalkSpeed = Field("TxtWalkSpeed", QString(), box);
    TxtWalkSpeed->setPlaceholderText(tr("parado"));
    form->addRow(tr("Marcha (m/s):"), TxtWalkSpeed);
    TxtWalkDirection = Field("TxtWalkDirection", QString(), box);
    TxtWalkDirection->setPlaceholderText(tr("todas"));
    form->addRow(tr("Ângulo marcha-vento (°):"), TxtWalkDirection);
    return box;
}

QWidget* HeatStrain::BuildResult() {
    auto* box = new QGroupBox(tr("Exposição máxima"), this);
    auto* form = new QFormLayout(box);
    auto label = [box](const char* name) {
        auto* l = new QLabel(box);
        l->setObjectName(QLatin1String(name));
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    LblDlimLoss50 = label("LblDlimLoss50");
    LblDlimLoss95 = label("LblDlimLoss95");
    LblDlimTre = label("LblDlimTre");
    LblRectal = label("LblRectal");
    LblWaterLoss = label("LblWaterLoss");
    form->addRow(tr("Perda de água, trabalhador médio:"), LblDlimLoss50);
    form->addRow(tr("Perda de água, 95 % dos trabalhadores:"), LblDlimLoss95);
    form->addRow(tr("Temperatura retal de 38 °C:"), LblDlimTre);
    form->addRow(tr("Temperatura retal ao fim:"), LblRectal);
    form->addRow(tr("Perda de água ao fim:"), LblWaterLoss);
    LblRange = new QLabel(box);
    LblRange->setObjectName(QStringLiteral("LblRange"));
    LblRange->setWordWrap(true);
    LblRange->setStyleSheet(QStringLiteral("color: #c80000"));
    form->addRow(LblRange);
    LblProblem = new QLabel(box);
    LblProblem->setObjectName(QStringLiteral("LblProblem"));
    LblProblem->setWordWrap(true);
    form->addRow(LblProblem);
    return box;
}

void HeatStrain::setClimate(double ta, double tg, double va, double rh, const QString& source) {
    filling_ = true;
    TxtTa->setText(Number(std::round(ta * 100) / 100));
    TxtTg->setText(Number(std::round(tg * 100) / 100));
    TxtVa->setText(Number(std::round(va * 100) / 100));
    TxtRh->setText(Number(std::round(rh * 10) / 10));
    filling_ = false;
    source_ = source;
    meterHumidity_ = true;
    Recompute();
}

void HeatStrain::setHeader(const HeaderTexts& header) {
    header_ = header;
    Recompute();
}

std::optional<HeatStrainReport> HeatStrain::Read(QString& why) const {
    HeatStrainReport r;
    PhsInput& in = r.input;
    auto bad = [&why](const QString& what) {
        why = tr("Valor inválido: %1").arg(what);
        return std::nullopt;
    };
    double tg = 0, met = 0, duration = 0;
    if (!ReadNumber(TxtTa, PhsLimits::kAir, in.ta)) return bad(tr("temperatura do ar"));
    if (!ReadNumber(TxtTg, PhsLimits::kRadiant, tg)) return bad(tr("temperatura de globo"));
    if (!ReadNumber(TxtGlobeDiameter, PhsLimits::kGlobeSize, r.globeDiameter))
        return bad(tr("diâmetro do globo"));
    if (!ReadNumber(TxtGlobeEmissivity, {0.1, 1}, r.globeEmissivity))
        return bad(tr("emissividade do globo"));
    if (!ReadNumber(TxtVa, PhsLimits::kSpeed, in.va)) return bad(tr("velocidade do ar"));
    if (!ReadNumber(TxtRh, PhsLimits::kHumidity, r.rh)) return bad(tr("umidade relativa"));
    const bool inMet = ComboMetUnit->currentIndex() == 1;
    const Bounds metBounds = inMet ? Bounds{PhsLimits::kMetabolic.low / kWattsPerMet,
                                            PhsLimits::kMetabolic.high / kWattsPerMet}
                                   : PhsLimits::kMetabolic;
    if (!ReadNumber(TxtMet, metBounds, met)) return bad(tr("taxa metabólica"));
    in.met = inMet ? met * kWattsPerMet : met;
    if (!ReadNumber(TxtWork, PhsLimits::kWork, in.work) || in.work >= in.met)
        return bad(tr("trabalho externo"));
    if (!ReadNumber(TxtClo, PhsLimits::kClothing, in.clo)) return bad(tr("vestimenta"));
    if (!ReadNumber(TxtDuration, PhsLimits::kDuration, duration) ||
        duration != std::floor(duration))
        return bad(tr("duração"));
    in.duration = int(duration);
    if (!ReadNumber(TxtWeight, PhsLimits::kWeight, in.weight)) return bad(tr("massa"));
    if (!ReadNumber(TxtHeight, PhsLimits::kHeight, in.height)) return bad(tr("altura"));
    double v = 0;
    if (!TxtWalkSpeed->text().trimmed().isEmpty()) {
        if (!ReadNumber(TxtWalkSpeed, PhsLimits::kWalkSpeed, v)) return bad(tr("marcha"));
        in.walkSpeed = v;
    }
    if (!TxtWalkDirection->text().trimmed().isEmpty()) {
        if (!in.walkSpeed || !ReadNumber(TxtWalkDirection, PhsLimits::kWalkDirection, v))
            return bad(tr("ângulo marcha-vento"));
        in.walkDirection = v;
    }
    in.posture = std::array{Posture::Standing, Posture::Sitting,
                            Posture::Crouching}[size_t(std::max(0, ComboPosture->currentIndex()))];
    in.acclimatised = CkAcclimatised->isChecked();
    in.drinkFreely = CkDrink->isChecked();
    const auto radiant =
        MeanRadiantTemperature(tg, in.ta, in.va, r.globeDiameter, r.globeEmissivity);
    if (!radiant || !PhsLimits::kRadiant.Holds(*radiant)) return bad(tr("temperatura de globo"));
    in.tr = *radiant;
    r.globe = tg;
    in.pa = VapourPressure(in.ta, r.rh);
    r.header = header_;
    r.humidityFromMeter = meterHumidity_;
    r.climateSource = source_.isEmpty() ? tr("Clima digitado") : source_;
    return r;
}

void HeatStrain::Recompute() {
    if (filling_ || !LblProblem) return;
    LblClimateSource->setText(source_.isEmpty() ? tr("Clima digitado") : source_);
    LblHumidityNote->setText(
        meterHumidity_
            ? tr("A umidade vem do bulbo úmido natural do medidor, pela fórmula psicrométrica "
                 "do medidor: em ar parado ou com calor radiante ela pode ler alta. Se tiver "
                 "uma umidade medida, digite-a.")
            : tr("Umidade digitada. A do medidor vem do bulbo úmido natural pela fórmula "
                 "psicrométrica do medidor e pode ler alta em ar parado ou com calor radiante."));
    QString why;
    report_ = Read(why);
    const QList<QLabel*> results = {LblDlimLoss50, LblDlimLoss95, LblDlimTre, LblRectal,
                                    LblWaterLoss};
    if (!report_) {
        for (QLabel* l : results) l->setText(QStringLiteral("- - -"));
        LblTr->setText(QStringLiteral("- - -"));
        LblRange->clear();
        LblProblem->setText(why);
        if (plot_) plot_->update();
        return;
    }
    HeatStrainReport& r = *report_;
    r.result = PredictHeatStrain(r.input);
    const int d = r.input.duration;
    LblTr->setText(QStringLiteral("%1 °C").arg(QString::number(r.input.tr, 'f', 1)));
    LblDlimLoss50->setText(MinutesText(r.result.dlimLoss50, d));
    LblDlimLoss95->setText(MinutesText(r.result.dlimLoss95, d));
    LblDlimTre->setText(MinutesText(r.result.dlimTre, d));
    LblRectal->setText(
        QStringLiteral("%1 °C").arg(QString::number(r.result.rectalTemperature, 'f', 2)));
    LblWaterLoss->setText(QStringLiteral("%1 g").arg(QString::number(r.result.waterLoss, 'f', 0)));
    LblRange->setText(r.result.inRange ? QString()
                                       : tr("Caso fora do campo de validade do modelo: os "
                                            "resultados são só indicativos."));
    LblProblem->clear();
    if (plot_) plot_->update();
}

void HeatStrain::PrintReport() {
    if (!report_) {
        QMessageBox::warning(this, tr(kCaption), LblProblem->text());
        return;
    }
    PreviewReport(this, tr(kCaption), [this](QPainter& painter, QPagedPaintDevice& device) {
        DrawHeatStrainReport(painter, device, *report_);
    });
}

void HeatStrain::SavePdf() {
    if (!report_) {
        QMessageBox::warning(this, tr(kCaption), LblProblem->text());
        return;
    }
    const QString path = choosePdfFile ? choosePdfFile() : QString();
    if (path.isEmpty()) return;
    QString why;
    if (!WriteHeatStrainPdf(path, *report_, &why))
        QMessageBox::warning(this, tr(kCaption),
                             tr("Não foi possível gravar %1: %2").arg(path, why));
}

}  // namespace montira::ui

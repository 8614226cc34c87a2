#include "ui/workload/Evaluation.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "ui/workload/ExposurePlotView.h"

namespace montira::ui {

using namespace montira::exposure;

namespace {

enum PeriodColumn { kMinutes, kText, kWatts };
constexpr int kPresetRate = Qt::UserRole + 1;

QString Number(double v) {
    return QLocale::c().toString(v, 'g', 6);
}

bool ReadNumber(const QString& text, double& out) {
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    out = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(out);
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

}  // namespace

Evaluation::Evaluation(const QStringList& heading, const TextTable& rows, const HeaderTexts& header,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), heading_(heading), rows_(rows), header_(header) {
    setObjectName(QStringLiteral("Evaluation"));
    setWindowTitle(tr(kCaption));
    report_ = MakeExposureReport(heading_, rows_, header_, WbgtIndex::Indoor);

    auto* top = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;
    upper->addWidget(BuildHour());
    upper->addWidget(BuildWork(), 1);
    upper->addWidget(BuildResult());
    top->addLayout(upper);
    plot_ = new ExposurePlotView(report_, this);
    top->addWidget(plot_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* print = Button("CmdPrint", tr("Imprimir relatório"), this);
    QPushButton* save = Button("CmdSavePdf", tr("Salvar PDF"), this);
    buttons->addWidget(print);
    buttons->addWidget(save);
    top->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(save, &QPushButton::clicked, this, [this] { SavePdf(); });

    choosePdfFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Salvar relatório"), QString(),
                                            QStringLiteral("PDF (*.pdf)"));
    };
    setPeriods({{60, MetabolicClasses()[1].watts, ShownName(MetabolicClasses()[1].name)}});
    ShowHour();
    resize(1000, 640);
}

QWidget* Evaluation::BuildHour() {
    auto* box = new QGroupBox(tr("Hora avaliada"), this);
    auto* form = new QFormLayout(box);
    ComboIndex = new QComboBox(box);
    ComboIndex->setObjectName(QStringLiteral("ComboIndex"));
    ComboIndex->addItem(tr("IBUTGi"));
    ComboIndex->addItem(tr("IBUTGo"));
    ComboIndex->setToolTip(
        tr("IBUTGi: ambiente interno ou externo sem carga solar; "
           "IBUTGo: externo com carga solar"));
    form->addRow(tr("Índice:"), ComboIndex);
    LblStart = new QLabel(box);
    LblStart->setObjectName(QStringLiteral("LblStart"));
    LblEnd = new QLabel(box);
    LblEnd->setObjectName(QStringLiteral("LblEnd"));
    LblMean = new QLabel(box);
    LblMean->setObjectName(QStringLiteral("LblMean"));
    LblMean->setWordWrap(true);
    form->addRow(tr("Início:"), LblStart);
    form->addRow(tr("Fim:"), LblEnd);
    form->addRow(tr("Média:"), LblMean);
    TxtStart = new QLineEdit(box);
    TxtStart->setObjectName(QStringLiteral("TxtStart"));
    TxtStart->setPlaceholderText(tr("AA/MM/DD hh:mm:ss"));
    form->addRow(tr("Começar em:"), TxtStart);
    LblStartWhy = new QLabel(box);
    LblStartWhy->setObjectName(QStringLiteral("LblStartWhy"));
    LblStartWhy->setWordWrap(true);
    LblStartWhy->setStyleSheet(QStringLiteral("color: #c80000"));
    LblStartWhy->hide();
    form->addRow(LblStartWhy);
    auto* moves = new QHBoxLayout;
    QPushButton* prev = Button("CmdPrevHour", QStringLiteral("◀"), box);
    QPushButton* next = Button("CmdNextHour", QStringLiteral("▶"), box);
    QPushButton* worst = Button("CmdWorstHour", tr("Pior hora"), box);
    prev->setToolTip(tr("Leitura anterior"));
    next->setToolTip(tr("Leitura seguinte"));
    moves->addWidget(prev);
    moves->addWidget(next);
    moves->addWidget(worst);
    form->addRow(moves);

    connect(ComboIndex, &QComboBox::currentIndexChanged, this, [this] { IndexChanged(); });
    connect(TxtStart, &QLineEdit::returnPressed, this, [this] { StartTyped(); });
    connect(TxtStart, &QLineEdit::editingFinished, this, [this] { StartTyped(); });
    auto step = [this](int by) {
        const int at = NextHourStart(report_.series, report_.runs, report_.hour, by);
        if (at >= 0) setHourStart(at);
    };
    connect(prev, &QPushButton::clicked, this, [step] { step(-1); });
    connect(next, &QPushButton::clicked, this, [step] { step(+1); });
    connect(worst, &QPushButton::clicked, this, [this] {
        report_.hour = WorstHour(report_.series, report_.runs);
        ShowHour();
    });
    return box;
}

QWidget* Evaluation::BuildWork() {
    auto* box = new QGroupBox(tr("Trabalho na hora (períodos somando 60 min)"), this);
    auto* v = new QVBoxLayout(box);
    GridPeriods = new QTableWidget(0, 3, box);
    GridPeriods->setObjectName(QStringLiteral("GridPeriods"));
    GridPeriods->setHorizontalHeaderLabels({tr("Minutos"), tr("Atividade"), tr("Taxa (W)")});
    GridPeriods->horizontalHeader()->setSectionResizeMode(kText, QHeaderView::Stretch);
    GridPeriods->verticalHeader()->hide();
    v->addWidget(GridPeriods);
    auto* add = new QHBoxLayout;
    ComboClass = new QComboBox(box);
    ComboClass->setObjectName(QStringLiteral("ComboClass"));
    for (const auto& c : MetabolicClasses())
        ComboClass->addItem(tr("%1 (%2 W)").arg(ShownName(c.name)).arg(c.watts));
    QPushButton* plus = Button("CmdAddPeriod", tr("Adicionar"), box);
    QPushButton* minus = Button("CmdRemovePeriod", tr("Remover"), box);
    add->addWidget(ComboClass, 1);
    add->addWidget(plus);
    add->addWidget(minus);
    v->addLayout(add);
    LblMinutes = new QLabel(box);
    LblMinutes->setObjectName(QStringLiteral("LblMinutes"));
    v->addWidget(LblMinutes);
    auto* cloth = new QFormLayout;
    ComboCloth = new QComboBox(box);
    ComboCloth->setObjectName(QStringLiteral("ComboCloth"));
    ComboCloth->setEditable(true);
    ComboCloth->setInsertPolicy(QComboBox::NoInsert);
    for (size_t i = 0; i < ClothingPresets().size(); ++i)
        ComboCloth->addItem(ShownName(ClothingPresets()[i].name), int(i));
    ComboCloth->setToolTip(tr("Uma vestimenta da lista ou o ajuste em °C"));
    cloth->addRow(tr("Vestimenta:"), ComboCloth);
    v->addLayout(cloth);

    connect(GridPeriods, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_) return;
        RateEdited(item);
        Reevaluate();
    });
    connect(plus, &QPushButton::clicked, this, [this] { AddPeriod(); });
    connect(minus, &QPushButton::clicked, this, [this] {
        const int row = GridPeriods->currentRow() >= 0 ? GridPeriods->currentRow()
                                                       : GridPeriods->rowCount() - 1;
        if (row >= 0) GridPeriods->removeRow(row);
        Reevaluate();
    });
    connect(ComboCloth, &QComboBox::currentTextChanged, this, [this] { Reevaluate(); });
    return box;
}

QWidget* Evaluation::BuildResult() {
    auto* box = new QGroupBox(tr("Resultado"), this);
    auto* v = new QVBoxLayout(box);
    LblM = new QLabel(box);
    LblM->setObjectName(QStringLiteral("LblM"));
    LblLimits = new QLabel(box);
    LblLimits->setObjectName(QStringLiteral("LblLimits"));
    LblVerdict = new QLabel(box);
    LblVerdict->setObjectName(QStringLiteral("LblVerdict"));
    LblVerdict->setWordWrap(true);
    QFont f = LblVerdict->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    LblVerdict->setFont(f);
    LblMargin = new QLabel(box);
    LblMargin->setObjectName(QStringLiteral("LblMargin"));
    for (QLabel* l : {LblM, LblLimits, LblVerdict, LblMargin}) v->addWidget(l);
    v->addStretch();
    box->setMinimumWidth(280);
    return box;
}

void Evaluation::IndexChanged() {
    report_ = MakeExposureReport(
        heading_, rows_, header_,
        ComboIndex->currentIndex() == 1 ? WbgtIndex::Outdoor : WbgtIndex::Indoor);
    ShowHour();
}

void Evaluation::StartTyped() {
    const QString text = TxtStart->text().trimmed();
    if (report_.hour.valid() && text == StampText(report_.hour.start)) return;  // unchanged
    qint64 t = 0;
    QString why;
    if (!ParseStampText(text, t))
        why = tr("\"%1\" não é uma data e hora AA/MM/DD hh:mm:ss").arg(text);
    else if (const ExposureHour h = HourFrom(report_.series, report_.runs, t); h.valid()) {
        report_.hour = h;
        ShowHour();
    } else {
        why = WhyNoHourAt(report_.series, report_.runs, t);
    }
    LblStartWhy->setText(why.isEmpty() ? QString() : tr("Não começa em %1: %2").arg(text, why));
    LblStartWhy->setVisible(!why.isEmpty());
}

bool Evaluation::setHourStart(int first) {
    const ExposureHour h = HourAt(report_.series, report_.runs, first);
    if (!h.valid()) return false;
    report_.hour = h;
    ShowHour();
    return true;
}

void Evaluation::ShowHour() {
    const ExposureHour& h = report_.hour;
    if (!h.valid()) {
        LblStart->setText(QStringLiteral("- - -"));
        LblEnd->setText(QStringLiteral("- - -"));
        LblMean->setText(tr("sem leituras de %1").arg(WbgtIndexName(report_.index)));
    } else {
        LblStart->setText(StampText(h.start));
        LblEnd->setText(StampText(h.end));
        QString mean = TemperatureText(h.meanC, report_.fahrenheit);
        if (h.partial) mean += tr("\nmenos de 60 minutos de dados");
        LblMean->setText(mean);
        TxtStart->setText(StampText(h.start));
        LblStartWhy->hide();
    }
    Reevaluate();
}

std::vector<WorkPeriod> Evaluation::Periods(QString* why) const {
    std::vector<WorkPeriod> out;
    for (int r = 0; r < GridPeriods->rowCount(); ++r) {
        auto text = [&](int c) {
            const QTableWidgetItem* item = GridPeriods->item(r, c);
            return item ? item->text() : QString();
        };
        WorkPeriod p;
        p.text = text(kText);
        if (!ReadNumber(text(kMinutes), p.minutes) || !ReadNumber(text(kWatts), p.watts)) {
            if (why) *why = tr("período %1: número inválido").arg(r + 1);
            return {};
        }
        out.push_back(p);
    }
    return out;
}

void Evaluation::setPeriods(const std::vector<WorkPeriod>& periods) {
    filling_ = true;
    GridPeriods->setRowCount(0);
    for (const auto& p : periods) {
        const int r = GridPeriods->rowCount();
        GridPeriods->insertRow(r);
        GridPeriods->setItem(r, kMinutes, new QTableWidgetItem(Number(p.minutes)));
        auto* text = new QTableWidgetItem(p.text);
        for (const auto& c : MetabolicClasses())
            if (p.text == ShownName(c.name) && p.watts == c.watts)
                text->setData(kPresetRate, c.watts);
        GridPeriods->setItem(r, kText, text);
        GridPeriods->setItem(r, kWatts, new QTableWidgetItem(Number(p.watts)));
    }
    filling_ = false;
    Reevaluate();
}

// A description taken from a listed activity keeps that activity's rate in kPresetRate; a
// rate typed over it makes the description the typed value's own, and a description typed
// by hand is the user's.
void Evaluation::RateEdited(QTableWidgetItem* item) {
    QTableWidgetItem* text = GridPeriods->item(item->row(), kText);
    if (!text || !text->data(kPresetRate).isValid()) return;
    if (item->column() == kText) {
        filling_ = true;
        text->setData(kPresetRate, QVariant());
        filling_ = false;
        return;
    }
    double watts = 0;
    if (item->column() != kWatts ||
        (ReadNumber(item->text(), watts) && watts == text->data(kPresetRate).toDouble()))
        return;
    filling_ = true;
    text->setData(kPresetRate, QVariant());
    text->setText(tr("Outra atividade"));
    filling_ = false;
}

void Evaluation::AddPeriod() {
    std::vector<WorkPeriod> periods = Periods(nullptr);
    double used = 0;
    for (const auto& p : periods) used += p.minutes;
    const MetabolicClass& c = MetabolicClasses()[size_t(std::max(0, ComboClass->currentIndex()))];
    periods.push_back({std::max(0.0, 60 - used), c.watts, ShownName(c.name)});
    if (int(periods.size()) == GridPeriods->rowCount() + 1) setPeriods(periods);
}

void Evaluation::Reevaluate() {
    if (!LblM) return;
    QString why;
    std::vector<WorkPeriod> periods = Periods(&why);
    double minutes = 0;
    for (const auto& p : periods) minutes += p.minutes;
    LblMinutes->setText(tr("Total: %1 de 60 min").arg(Number(minutes)));
    // A list entry (chosen, or typed as it is listed) is the preset of its item data; any
    // other text is read as a number or a preset's own name.
    double cloth = 0;
    QString clothName;
    const QString clothText = ComboCloth->currentText().trimmed();
    const int entry = ComboCloth->findText(clothText, Qt::MatchFixedString);
    bool clothOk = false;
    QString clothWhy;
    if (entry >= 0) {
        const ClothingPreset& c = ClothingPresets()[size_t(ComboCloth->itemData(entry).toInt())];
        cloth = c.adjustment;
        clothName = ComboCloth->itemText(entry);
        clothOk = true;
    } else {
        clothOk = ParseClothing(clothText, cloth, &clothWhy);
        for (const auto& c : ClothingPresets())
            if (clothOk && clothText.compare(c.name, Qt::CaseInsensitive) == 0)
                clothName = ShownName(c.name);
    }
    if (why.isEmpty() && clothOk)
        EvaluateReport(report_, periods, cloth, clothName, &why);
    else
        report_.evaluation.reset();
    if (!clothOk && why.isEmpty()) why = clothWhy;

    if (!report_.evaluation) {
        LblM->setText(QString());
        LblLimits->setText(QString());
        LblMargin->setText(QString());
        LblVerdict->setText(why);
        LblVerdict->setStyleSheet(QStringLiteral("color: gray"));
    } else {
        const exposure::Evaluation& e = *report_.evaluation;
        const bool both = report_.fahrenheit;
        LblM->setText(tr("Taxa metabólica média: %1 W").arg(e.m, 0, 'f', 1));
        LblLimits->setText(tr("Exposição: %1\nNível de ação: %2\nLimite: %3")
                               .arg(TemperatureText(e.exposure, both),
                                    TemperatureText(e.actionLevel, both),
                                    TemperatureText(e.limit, both)));
        LblVerdict->setText(VerdictText(e.verdict));
        static const char* const colors[] = {"#008228", "#c87800", "#c80000"};
        LblVerdict->setStyleSheet(
            QStringLiteral("color: %1").arg(QLatin1String(colors[int(e.verdict)])));
        LblMargin->setText(tr("Margem: %1").arg(TemperatureText(e.margin, both, true)));
    }
    if (plot_) plot_->update();
}

void Evaluation::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr(kCaption));
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr(kCaption));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [this](QPrinter* p) {
        QPainter painter(p);
        DrawExposureReport(painter, *p, report_);
    });
    preview.exec();
}

void Evaluation::SavePdf() {
    const QString path = choosePdfFile ? choosePdfFile() : QString();
    if (path.isEmpty()) return;
    QString why;
    if (!WriteExposurePdf(path, report_, &why))
        QMessageBox::warning(this, tr(kCaption),
                             tr("Não foi possível gravar %1: %2").arg(path, why));
}

}  // namespace montira::ui

#include "ui/workload/Evaluation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/workload/SurveyFile.h"
#include "ui/common/ReportPreview.h"
#include "ui/workload/ExposurePlotView.h"
#include "ui/workload/OpenHeatStrain.h"

namespace montira::ui {

using namespace montira::exposure;

namespace {

enum PeriodColumn { kMinutes, kText, kWatts };
enum SituationColumn { kSitText, kSitMinutes, kSitWbgt, kSitSource };
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

QTableWidgetItem* Fixed(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The instrument and the evaluator are remembered between runs.
const char* const kRemembered[] = {"model",      "serial",    "certificate",
                                   "calibrated", "evaluator", "registration"};

QString* RememberedField(Survey& s, const char* key) {
    const QLatin1String k(key);
    if (k == QLatin1String("model")) return &s.instrument.model;
    if (k == QLatin1String("serial")) return &s.instrument.serial;
    if (k == QLatin1String("certificate")) return &s.instrument.certificate;
    if (k == QLatin1String("calibrated")) return &s.instrument.calibrated;
    if (k == QLatin1String("evaluator")) return &s.evaluator;
    return &s.registration;
}

void Recall(Survey& s) {
    QSettings settings;
    for (const char* key : kRemembered) {
        QString* field = RememberedField(s, key);
        if (field->isEmpty())
            *field =
                settings.value(QStringLiteral("evaluation/%1").arg(QLatin1String(key))).toString();
    }
}

void Remember(Survey& s) {
    QSettings settings;
    for (const char* key : kRemembered)
        settings.setValue(QStringLiteral("evaluation/%1").arg(QLatin1String(key)),
                          *RememberedField(s, key));
}

}  // namespace

Evaluation::Evaluation(const QStringList& heading, const TextTable& rows, const HeaderTexts& header,
                       QWidget* parent, const QString& file)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Evaluation"));
    setWindowTitle(tr(kCaption));
    survey_.worker = header.name;
    survey_.sector = header.sector;
    survey_.company = header.company;
    Recall(survey_);
    auto source = std::make_shared<SeriesSource>();
    source->file = file;
    source->heading = heading;
    source->rows = rows;
    Situation first;
    first.description = header.sector.trimmed().isEmpty() ? tr("Situação 1") : header.sector;
    first.minutes = 60;
    Height h;
    h.file = file;
    h.loaded = std::move(source);
    first.heights.push_back(std::move(h));
    survey_.situations.push_back(std::move(first));
    if (!ActivityTable().empty()) {
        const ActivityRow& a = ActivityTable()[std::min<size_t>(20, ActivityTable().size() - 1)];
        survey_.activities.push_back({a.shown(), a.watts, 60, {}});
    }

    auto* top = new QVBoxLayout(this);
    auto* upper = new QHBoxLayout;
    upper->addWidget(BuildSituations(), 3);
    upper->addWidget(BuildWork(), 3);
    upper->addWidget(BuildResult(), 2);
    top->addLayout(upper, 3);
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildHour());
    plot_ = new ExposurePlotView(this);
    lower->addWidget(plot_, 1);
    top->addLayout(lower, 2);
    auto* buttons = new QHBoxLayout;
    QPushButton* open = Button("CmdOpenSurvey", tr("Abrir avaliação..."), this);
    QPushButton* saveSurvey = Button("CmdSaveSurvey", tr("Salvar avaliação..."), this);
    QPushButton* data = Button("CmdReportData", tr("Dados do laudo..."), this);
    QPushButton* strain = Button("CmdHeatStrain", tr("Tensão térmica (ISO 7933)..."), this);
    QPushButton* print = Button("CmdPrint", tr("Imprimir relatório"), this);
    QPushButton* save = Button("CmdSavePdf", tr("Salvar PDF"), this);
    for (QPushButton* b : {open, saveSurvey, data, strain}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    top->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { PrintReport(); });
    connect(save, &QPushButton::clicked, this, [this] { SavePdf(); });
    connect(data, &QPushButton::clicked, this, [this] { EditReportData(); });
    connect(strain, &QPushButton::clicked, this, [this] { OpenStrain(); });
    connect(open, &QPushButton::clicked, this, [this] {
        const QString path = chooseSurveyToOpen();
        if (!path.isEmpty()) openSurvey(path);
    });
    connect(saveSurvey, &QPushButton::clicked, this, [this] {
        const QString path = chooseSurveyToSave();
        if (!path.isEmpty()) this->saveSurvey(path);
    });

    const QString jsonFilter = tr("Avaliação (*.json)");
    choosePdfFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Salvar relatório"), QString(),
                                            QStringLiteral("PDF (*.pdf)"));
    };
    chooseSurveyToOpen = [this, jsonFilter] {
        return QFileDialog::getOpenFileName(this, tr("Abrir avaliação"), QString(), jsonFilter);
    };
    chooseSurveyToSave = [this, jsonFilter] {
        QString path =
            QFileDialog::getSaveFileName(this, tr("Salvar avaliação"), QString(), jsonFilter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
        return path;
    };
    chooseDataFiles = [this](int count) {
        QStringList files;
        static const char* const titles[] = {
            QT_TR_NOOP("Arquivo de dados"), QT_TR_NOOP("Arquivo da cabeça"),
            QT_TR_NOOP("Arquivo do abdômen"), QT_TR_NOOP("Arquivo do tornozelo")};
        for (int k = 0; k < count; ++k) {
            const QString f = QFileDialog::getOpenFileName(this, tr(titles[count == 3 ? k + 1 : 0]),
                                                           QString(), tr("Dados (*.plv)"));
            if (f.isEmpty()) return QStringList();
            files << f;
        }
        return files;
    };
    complain = [this](const QString& text) { QMessageBox::warning(this, tr(kCaption), text); };
    FillActivities();
    FillSituations();
    resize(1180, 720);
}

QWidget* Evaluation::BuildSituations() {
    auto* box = new QGroupBox(tr("Situações térmicas (minutos somando 60)"), this);
    auto* v = new QVBoxLayout(box);
    auto* index = new QFormLayout;
    ComboIndex = new QComboBox(box);
    ComboIndex->setObjectName(QStringLiteral("ComboIndex"));
    ComboIndex->addItem(tr("IBUTGi"));
    ComboIndex->addItem(tr("IBUTGo"));
    ComboIndex->setToolTip(
        tr("IBUTGi: ambiente interno ou externo sem carga solar; "
           "IBUTGo: externo com carga solar"));
    index->addRow(tr("Índice:"), ComboIndex);
    v->addLayout(index);
    GridSituations = new QTableWidget(0, 4, box);
    GridSituations->setObjectName(QStringLiteral("GridSituations"));
    GridSituations->setHorizontalHeaderLabels(
        {tr("Situação"), tr("Minutos"), tr("IBUTG (°C)"), tr("Origem")});
    GridSituations->horizontalHeader()->setSectionResizeMode(kSitSource, QHeaderView::Stretch);
    GridSituations->verticalHeader()->hide();
    GridSituations->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSituations->setSelectionMode(QAbstractItemView::SingleSelection);
    v->addWidget(GridSituations);
    auto* add = new QHBoxLayout;
    QPushButton* one = Button("CmdAddSituation", tr("De arquivo..."), box);
    QPushButton* three = Button("CmdAddHeights", tr("Três alturas..."), box);
    QPushButton* typed = Button("CmdAddTypedSituation", tr("Digitada"), box);
    QPushButton* minus = Button("CmdRemoveSituation", tr("Remover"), box);
    one->setToolTip(tr("Uma situação medida à altura do abdômen"));
    three->setToolTip(tr("Uma situação medida na cabeça, no abdômen e no tornozelo"));
    typed->setToolTip(tr("Uma situação de IBUTG conhecido, digitado na tabela"));
    for (QPushButton* b : {one, three, typed, minus}) add->addWidget(b);
    v->addLayout(add);
    LblSituationMinutes = new QLabel(box);
    LblSituationMinutes->setObjectName(QStringLiteral("LblSituationMinutes"));
    v->addWidget(LblSituationMinutes);

    connect(ComboIndex, &QComboBox::currentIndexChanged, this, [this](int i) {
        survey_.index = i == 1 ? WbgtIndex::Outdoor : WbgtIndex::Indoor;
        Reevaluate();
    });
    connect(GridSituations, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { SituationEdited(item); });
    connect(GridSituations, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_ && row >= 0 && row != chosen_) {
            chosen_ = row;
            ShowHour();
        }
    });
    connect(one, &QPushButton::clicked, this, [this] {
        const QStringList files = chooseDataFiles(1);
        if (!files.isEmpty()) addSituationFromFiles(files);
    });
    connect(three, &QPushButton::clicked, this, [this] {
        const QStringList files = chooseDataFiles(3);
        if (files.size() == 3) addSituationFromFiles(files);
    });
    connect(typed, &QPushButton::clicked, this, [this] {
        Situation s;
        s.description = tr("Situação %1").arg(survey_.situations.size() + 1);
        s.wbgt = 25;
        survey_.situations.push_back(std::move(s));
        FillSituations();
    });
    connect(minus, &QPushButton::clicked, this, [this] {
        const int row = GridSituations->currentRow() >= 0 ? GridSituations->currentRow()
                                                          : int(survey_.situations.size()) - 1;
        if (row < 0) return;
        survey_.situations.erase(survey_.situations.begin() + row);
        chosen_ = std::max(0, std::min(chosen_, int(survey_.situations.size()) - 1));
        FillSituations();
    });
    return box;
}

QWidget* Evaluation::BuildHour() {
    auto* box = new QGroupBox(tr("Intervalo da situação escolhida"), this);
    auto* form = new QFormLayout(box);
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
    box->setMaximumWidth(330);

    connect(TxtStart, &QLineEdit::returnPressed, this, [this] { StartTyped(); });
    connect(TxtStart, &QLineEdit::editingFinished, this, [this] { StartTyped(); });
    auto step = [this](int by) {
        const HeightResult* h = shownHeight();
        if (!h) return;
        const int at = NextHourStart(h->series, h->runs, h->hour, by);
        if (at >= 0) setHourStart(at);
    };
    connect(prev, &QPushButton::clicked, this, [step] { step(-1); });
    connect(next, &QPushButton::clicked, this, [step] { step(+1); });
    connect(worst, &QPushButton::clicked, this, [this] { SetChosenInterval({}, {}); });
    return box;
}

QWidget* Evaluation::BuildWork() {
    auto* box = new QGroupBox(tr("Atividades (minutos somando 60)"), this);
    auto* v = new QVBoxLayout(box);
    GridPeriods = new QTableWidget(0, 3, box);
    GridPeriods->setObjectName(QStringLiteral("GridPeriods"));
    GridPeriods->setHorizontalHeaderLabels({tr("Minutos"), tr("Atividade"), tr("Taxa (W)")});
    GridPeriods->horizontalHeader()->setSectionResizeMode(kText, QHeaderView::Stretch);
    GridPeriods->verticalHeader()->hide();
    v->addWidget(GridPeriods);
    TxtFindActivity = new QLineEdit(box);
    TxtFindActivity->setObjectName(QStringLiteral("TxtFindActivity"));
    TxtFindActivity->setPlaceholderText(tr("Procurar no quadro da NR-15 (palavras)"));
    TxtFindActivity->setClearButtonEnabled(true);
    v->addWidget(TxtFindActivity);
    auto* add = new QHBoxLayout;
    ComboClass = new QComboBox(box);
    ComboClass->setObjectName(QStringLiteral("ComboClass"));
    ComboClass->setMinimumContentsLength(24);
    ComboClass->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
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
    ComboCloth->setMinimumContentsLength(20);
    ComboCloth->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (size_t i = 0; i < ClothingTable().size(); ++i)
        ComboCloth->addItem(tr("%1 (+%2 °C)")
                                .arg(ClothingTable()[i].shown())
                                .arg(QLocale().toString(ClothingTable()[i].adjustment)),
                            int(i));
    ComboCloth->setToolTip(tr("Uma vestimenta do quadro da NR-9 ou o ajuste em °C (0 ou mais)"));
    cloth->addRow(tr("Vestimenta:"), ComboCloth);
    ChkHood = new QCheckBox(tr("Capuz (+1 °C)"), box);
    ChkHood->setObjectName(QStringLiteral("ChkHood"));
    ChkAcclimatised = new QCheckBox(tr("Trabalhadores aclimatizados"), box);
    ChkAcclimatised->setObjectName(QStringLiteral("ChkAcclimatised"));
    ChkAcclimatised->setChecked(true);
    ChkOpenAir = new QCheckBox(tr("Céu aberto sem fonte artificial de calor"), box);
    ChkOpenAir->setObjectName(QStringLiteral("ChkOpenAir"));
    cloth->addRow(ChkHood);
    cloth->addRow(ChkAcclimatised);
    cloth->addRow(ChkOpenAir);
    v->addLayout(cloth);
    FilterActivities();

    connect(TxtFindActivity, &QLineEdit::textChanged, this, [this] { FilterActivities(); });
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
    // A long entry shows from its beginning.
    connect(ComboCloth, &QComboBox::currentIndexChanged, this,
            [this] { ComboCloth->lineEdit()->setCursorPosition(0); });
    ComboCloth->lineEdit()->setCursorPosition(0);
    for (QCheckBox* c : {ChkHood, ChkAcclimatised, ChkOpenAir})
        connect(c, &QCheckBox::toggled, this, [this] { Reevaluate(); });
    return box;
}

QWidget* Evaluation::BuildResult() {
    auto* box = new QGroupBox(tr("Resultado"), this);
    auto* v = new QVBoxLayout(box);
    LblM = new QLabel(box);
    LblM->setObjectName(QStringLiteral("LblM"));
    LblM->setWordWrap(true);
    LblLimits = new QLabel(box);
    LblLimits->setObjectName(QStringLiteral("LblLimits"));
    LblLimits->setWordWrap(true);
    LblVerdict = new QLabel(box);
    LblVerdict->setObjectName(QStringLiteral("LblVerdict"));
    LblVerdict->setWordWrap(true);
    QFont f = LblVerdict->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    LblVerdict->setFont(f);
    LblMargin = new QLabel(box);
    LblMargin->setObjectName(QStringLiteral("LblMargin"));
    LblMargin->setWordWrap(true);
    for (QLabel* l : {LblM, LblLimits, LblVerdict, LblMargin}) v->addWidget(l);
    v->addStretch();
    box->setMinimumWidth(280);
    return box;
}

void Evaluation::FillSituations() {
    filling_ = true;
    GridSituations->setRowCount(0);
    for (size_t i = 0; i < survey_.situations.size(); ++i) {
        const Situation& s = survey_.situations[i];
        const int r = GridSituations->rowCount();
        GridSituations->insertRow(r);
        GridSituations->setItem(r, kSitText, new QTableWidgetItem(s.description));
        GridSituations->setItem(r, kSitMinutes, new QTableWidgetItem(Number(s.minutes)));
        GridSituations->setItem(
            r, kSitWbgt,
            s.wbgt ? new QTableWidgetItem(Number(*s.wbgt)) : Fixed(QStringLiteral("- - -")));
        QStringList names;
        for (const Height& h : s.heights)
            names << (h.wbgt             ? Number(*h.wbgt)
                      : h.file.isEmpty() ? tr("tabela aberta")
                                         : QFileInfo(h.file).fileName());
        GridSituations->setItem(
            r, kSitSource,
            Fixed(s.wbgt ? tr("digitado")
                  : s.heights.size() == 3
                      ? tr("3 alturas: %1").arg(names.join(QStringLiteral(", ")))
                      : names.join(QStringLiteral(", "))));
    }
    filling_ = false;
    chosen_ = std::max(0, std::min(chosen_, int(survey_.situations.size()) - 1));
    if (chosen_ < GridSituations->rowCount()) GridSituations->selectRow(chosen_);
    Reevaluate();
    ShowHour();
}

void Evaluation::SituationEdited(QTableWidgetItem* item) {
    if (filling_) return;
    const int r = item->row();
    if (r < 0 || r >= int(survey_.situations.size())) return;
    Situation& s = survey_.situations[size_t(r)];
    double v = 0;
    const bool number = ReadNumber(item->text(), v);
    switch (item->column()) {
        case kSitText:
            s.description = item->text();
            break;
        case kSitMinutes:
            s.minutes = number ? v : std::nan("");
            break;
        case kSitWbgt:
            if (s.wbgt) s.wbgt = number ? v : std::nan("");
            break;
        default:
            break;
    }
    Reevaluate();
}

const HeightResult* Evaluation::shownHeight() const {
    if (!report_.result || chosen_ >= int(report_.result->situations.size())) return nullptr;
    const SituationResult& s = report_.result->situations[size_t(chosen_)];
    if (s.heights.empty()) return nullptr;
    const HeightResult& h = s.heights[s.heights.size() == 3 ? 1 : 0];
    return h.typed ? nullptr : &h;
}

void Evaluation::selectSituation(int row) {
    if (row < 0 || row >= int(survey_.situations.size())) return;
    chosen_ = row;
    GridSituations->selectRow(row);
    ShowHour();
}

// The chosen situation's measured heights (measured together) get the interval [from, to]
// (both empty: each its worst hour).
void Evaluation::SetChosenInterval(const QString& from, const QString& to) {
    if (chosen_ >= int(survey_.situations.size())) return;
    for (Height& h : survey_.situations[size_t(chosen_)].heights) {
        if (h.wbgt) continue;
        h.from = from;
        h.to = to;
    }
    Reevaluate();
    ShowHour();
}

bool Evaluation::setHourStart(int first) {
    const HeightResult* h = shownHeight();
    if (!h || first < 0 || first >= h->series.size()) return false;
    const ExposureHour hour = HourAt(h->series, h->runs, first);
    if (!hour.valid()) return false;
    SetChosenInterval(StampText(hour.start), StampText(hour.end));
    return true;
}

void Evaluation::ShowHour() {
    const HeightResult* h = shownHeight();
    plot_->show(h, report_.result ? &report_.result->evaluation : nullptr, survey_.index);
    if (!h) {
        LblStart->setText(QStringLiteral("- - -"));
        LblEnd->setText(QStringLiteral("- - -"));
        LblMean->setText(report_.result ? tr("IBUTG digitado") : report_.why);
        TxtStart->clear();
        return;
    }
    LblStart->setText(StampText(h->hour.start));
    LblEnd->setText(StampText(h->hour.end));
    QString mean = TemperatureText(h->wbgtC, false);
    if (h->hour.partial || h->coveredMinutes + 1e-9 < 60)
        mean += tr("\nmenos de 60 minutos de dados");
    LblMean->setText(mean);
    TxtStart->setText(StampText(h->hour.start));
    LblStartWhy->hide();
}

void Evaluation::StartTyped() {
    const HeightResult* h = shownHeight();
    if (!h) return;
    const QString text = TxtStart->text().trimmed();
    if (text == StampText(h->hour.start)) return;  // unchanged
    qint64 t = 0;
    QString why;
    if (!ParseStampText(text, t))
        why = tr("\"%1\" não é uma data e hora AA/MM/DD hh:mm:ss").arg(text);
    else if (!HourFrom(h->series, h->runs, t).valid())
        why = WhyNoHourAt(h->series, h->runs, t);
    if (why.isEmpty()) {
        SetChosenInterval(StampText(t), StampText(t + kHourTicks));
        return;
    }
    LblStartWhy->setText(tr("Não começa em %1: %2").arg(text, why));
    LblStartWhy->setVisible(true);
}

bool Evaluation::addSituationFromFiles(const QStringList& files) {
    Situation s;
    s.description = tr("Situação %1").arg(survey_.situations.size() + 1);
    for (const QString& f : files) {
        Height h;
        h.file = f;
        s.heights.push_back(std::move(h));
    }
    Survey probe;
    probe.situations.push_back(s);
    QString why;
    if (!LoadSurveyFiles(probe, &why)) {
        complain(why);
        return false;
    }
    survey_.situations.push_back(std::move(probe.situations.front()));
    chosen_ = int(survey_.situations.size()) - 1;
    FillSituations();
    return true;
}

void Evaluation::setSurvey(Survey survey) {
    survey_ = std::move(survey);
    Recall(survey_);
    chosen_ = 0;
    filling_ = true;
    ComboIndex->setCurrentIndex(survey_.index == WbgtIndex::Outdoor ? 1 : 0);
    int entry = -1;
    for (size_t i = 0; i < ClothingTable().size(); ++i)
        if (ClothingTable()[i].key == survey_.clothingKey) entry = int(i);
    if (entry >= 0)
        ComboCloth->setCurrentIndex(entry);
    else
        ComboCloth->setEditText(QLocale().toString(survey_.clothing));
    ChkHood->setChecked(survey_.hood);
    ChkAcclimatised->setChecked(survey_.acclimatised);
    ChkOpenAir->setChecked(survey_.openAir);
    filling_ = false;
    FillActivities();
    FillSituations();
}

bool Evaluation::openSurvey(const QString& path) {
    Survey s;
    QString why;
    if (!ReadSurveyFile(path, s, &why) || !LoadSurveyFiles(s, &why)) {
        complain(tr("Não foi possível abrir %1: %2").arg(path, why));
        return false;
    }
    setSurvey(std::move(s));
    return true;
}

bool Evaluation::saveSurvey(const QString& path) {
    for (const Situation& s : survey_.situations)
        for (const Height& h : s.heights)
            if (!h.wbgt && h.file.isEmpty()) {
                complain(tr("A situação \"%1\" vem de uma tabela que não foi salva: salve os "
                            "dados num arquivo antes de salvar a avaliação.")
                             .arg(s.description));
                return false;
            }
    Survey out = survey_;
    // Files are written relative to the evaluation's folder when they lie inside it.
    const QDir dir = QFileInfo(path).absoluteDir();
    for (Situation& s : out.situations)
        for (Height& h : s.heights)
            if (!h.file.isEmpty() && QFileInfo(h.file).isAbsolute() &&
                !dir.relativeFilePath(h.file).startsWith(QLatin1String("..")))
                h.file = dir.relativeFilePath(h.file);
    QString why;
    if (!WriteSurveyFile(path, out, &why)) {
        complain(tr("Não foi possível gravar %1: %2").arg(path, why));
        return false;
    }
    return true;
}

void Evaluation::setPeriods(const std::vector<WorkPeriod>& periods) {
    survey_.activities.clear();
    for (const WorkPeriod& p : periods)
        survey_.activities.push_back({p.text, p.watts, p.minutes, {}});
    FillActivities();
}

void Evaluation::FillActivities() {
    filling_ = true;
    GridPeriods->setRowCount(0);
    for (const Activity& a : survey_.activities) {
        const int r = GridPeriods->rowCount();
        GridPeriods->insertRow(r);
        GridPeriods->setItem(r, kMinutes, new QTableWidgetItem(Number(a.minutes)));
        auto* text = new QTableWidgetItem(a.description);
        for (const auto& row : ActivityTable())
            if (a.description == row.shown() && a.watts == row.watts)
                text->setData(kPresetRate, row.watts);
        GridPeriods->setItem(r, kText, text);
        GridPeriods->setItem(r, kWatts, new QTableWidgetItem(Number(a.watts)));
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

void Evaluation::FilterActivities() {
    ComboClass->clear();
    for (int i : FindActivities(TxtFindActivity->text())) {
        const ActivityRow& a = ActivityTable()[size_t(i)];
        ComboClass->addItem(tr("%1 (%2 W)").arg(a.shown()).arg(a.watts), i);
    }
}

void Evaluation::AddPeriod() {
    if (ComboClass->currentIndex() < 0) return;
    ReadWork();
    std::vector<WorkPeriod> periods;
    double used = 0;
    for (const Activity& a : survey_.activities) {
        periods.push_back({a.minutes, a.watts, a.description});
        used += std::isfinite(a.minutes) ? a.minutes : 0;
    }
    const ActivityRow& a = ActivityTable()[size_t(ComboClass->currentData().toInt())];
    periods.push_back({std::max(0.0, 60 - used), a.watts, a.shown()});
    setPeriods(periods);
}

// The activities, clothing and circumstances as the widgets show them.
void Evaluation::ReadWork() {
    survey_.activities.resize(size_t(GridPeriods->rowCount()));
    for (int r = 0; r < GridPeriods->rowCount(); ++r) {
        auto text = [&](int c) {
            const QTableWidgetItem* item = GridPeriods->item(r, c);
            return item ? item->text() : QString();
        };
        Activity& a = survey_.activities[size_t(r)];
        a.description = text(kText);
        if (!ReadNumber(text(kMinutes), a.minutes)) a.minutes = std::nan("");
        if (!ReadNumber(text(kWatts), a.watts)) a.watts = std::nan("");
    }
    survey_.hood = ChkHood->isChecked();
    survey_.acclimatised = ChkAcclimatised->isChecked();
    survey_.openAir = ChkOpenAir->isChecked();
}

void Evaluation::Reevaluate() {
    if (!LblM || !ChkOpenAir || filling_) return;
    ReadWork();
    double minutes = 0, situationMinutes = 0;
    for (const Activity& a : survey_.activities) minutes += a.minutes;
    for (const Situation& s : survey_.situations) situationMinutes += s.minutes;
    LblMinutes->setText(tr("Total: %1 de 60 min").arg(Number(minutes)));
    LblSituationMinutes->setText(tr("Total: %1 de 60 min").arg(Number(situationMinutes)));
    // A list entry (chosen, or typed as it is listed) is its row of the table; any other
    // text is read as a number or a row's own name.
    const QString clothText = ComboCloth->currentText().trimmed();
    const int entry = ComboCloth->findText(clothText, Qt::MatchFixedString);
    QString clothWhy;
    bool clothOk = true;
    if (entry >= 0) {
        const ClothingRow& c = ClothingTable()[size_t(ComboCloth->itemData(entry).toInt())];
        survey_.clothing = c.adjustment;
        survey_.clothingKey = c.key;
    } else {
        clothOk = ParseClothing(clothText, survey_.clothing, &clothWhy, &survey_.clothingKey);
    }
    report_ = MakeExposureReport(survey_);
    if (!clothOk) {
        report_.result.reset();
        report_.why = clothWhy;
    }

    if (!report_.result) {
        LblM->setText(QString());
        LblLimits->setText(QString());
        LblMargin->setText(QString());
        LblVerdict->setText(report_.why);
        LblVerdict->setStyleSheet(QStringLiteral("color: gray"));
    } else {
        const SurveyResult& res = *report_.result;
        const exposure::Evaluation& e = res.evaluation;
        const QLocale here;
        auto c = [&](double v) { return here.toString(v, 'f', 1) + QStringLiteral(" °C"); };
        const QString none = OutOfTableText();
        LblM->setText(tr("IBUTG̅: %1\nM̅: %2 W\nAjuste da vestimenta: %3")
                          .arg(c(res.meanWbgt), here.toString(res.m, 'f', 1), c(res.clothing)));
        LblLimits->setText(tr("Exposição E: %1\nNível de ação: %2 (fórmula %3)\nLimite: %4 "
                              "(fórmula %5)")
                               .arg(c(e.exposure), e.actionLevel ? c(*e.actionLevel) : none,
                                    here.toString(e.actionLevelFormula, 'f', 2),
                                    e.limit ? c(*e.limit) : none,
                                    here.toString(e.limitFormula, 'f', 2)));
        QString verdict = VerdictLine(res);
        if (res.partial) verdict += QStringLiteral("\n") + res.partialWhy;
        if (const QString note = VerdictNote(survey_, res); !note.isEmpty())
            verdict += QStringLiteral("\n") + note;
        LblVerdict->setText(verdict);
        static const char* const colors[] = {"#008228", "#c87800", "#c80000"};
        LblVerdict->setStyleSheet(
            e.verdict ? QStringLiteral("color: %1").arg(QLatin1String(colors[int(*e.verdict)]))
                      : QStringLiteral("color: black"));
        LblMargin->setText(e.margin ? tr("Margem: %1").arg(c(*e.margin)) : QString());
        // The typed situations' figures, and the measured ones', in the table.
        filling_ = true;
        for (size_t i = 0; i < res.situations.size() && int(i) < GridSituations->rowCount(); ++i)
            if (!survey_.situations[i].wbgt)
                GridSituations->item(int(i), kSitWbgt)
                    ->setText(here.toString(res.situations[i].wbgtC, 'f', 1));
        filling_ = false;
    }
    if (plot_) ShowHour();
}

void Evaluation::EditReportData() {
    QDialog d(this);
    d.setObjectName(QStringLiteral("ReportData"));
    d.setWindowTitle(tr("Dados do laudo"));
    auto* form = new QFormLayout(&d);
    struct Field {
        QString* value;
        const char* name;
        QString label;
    };
    const Field fields[] = {
        {&survey_.company, "TxtCompany", tr("Empresa:")},
        {&survey_.cnpj, "TxtCnpj", tr("CNPJ (opcional):")},
        {&survey_.sector, "TxtSector", tr("Setor:")},
        {&survey_.worker, "TxtWorker", tr("Trabalhador ou função:")},
        {&survey_.place, "TxtPlace", tr("Local:")},
        {&survey_.evaluator, "TxtEvaluator", tr("Avaliador:")},
        {&survey_.registration, "TxtRegistration", tr("Registro profissional:")},
        {&survey_.instrument.model, "TxtModel", tr("Instrumento, modelo:")},
        {&survey_.instrument.serial, "TxtSerial", tr("N.º de série:")},
        {&survey_.instrument.certificate, "TxtCertificate", tr("Certificado de calibração:")},
        {&survey_.instrument.calibrated, "TxtCalibrated", tr("Calibrado em (DD/MM/AAAA):")},
    };
    std::vector<QLineEdit*> edits;
    for (const Field& f : fields) {
        auto* e = new QLineEdit(*f.value, &d);
        e->setObjectName(QLatin1String(f.name));
        e->setMinimumWidth(320);
        form->addRow(f.label, e);
        edits.push_back(e);
    }
    auto* notes = new QPlainTextEdit(survey_.notes, &d);
    notes->setObjectName(QStringLiteral("TxtNotes"));
    form->addRow(tr("Observações:"), notes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    if (d.exec() != QDialog::Accepted) return;
    for (size_t i = 0; i < edits.size(); ++i) *fields[i].value = edits[i]->text();
    survey_.notes = notes->toPlainText();
    Remember(survey_);
    Reevaluate();
}

void Evaluation::PrintReport() {
    PreviewReport(this, tr(kCaption), [this](QPainter& painter, QPagedPaintDevice& device) {
        DrawExposureReport(painter, device, report_);
    });
}

// The predicted heat strain over the chosen situation's evaluated hour (its measured height),
// or for typed values when that situation was typed.
void Evaluation::OpenStrain() {
    const HeaderTexts header{survey_.worker, survey_.sector, survey_.company};
    const exposure::HeightResult* h = shownHeight();
    if (h && h->source) {
        OpenHeatStrain(this, h->source->heading, h->source->rows, h->series, h->hour, header);
        return;
    }
    OpenHeatStrain(this, {}, TextTable(), exposure::WbgtSeries(), exposure::ExposureHour(), header);
}

void Evaluation::SavePdf() {
    const QString path = choosePdfFile ? choosePdfFile() : QString();
    if (path.isEmpty()) return;
    QString why;
    if (!WriteExposurePdf(path, report_, &why))
        complain(tr("Não foi possível gravar %1: %2").arg(path, why));
}

}  // namespace montira::ui

#include "ui/workload/WorkLoad.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "core/workload/WbgtAverage.h"
#include "core/workload/WorkLoadTables.h"
#include "ui/common/WorkLoadFonts.h"
#include "ui/workload/Reference.h"
#include "ui/workload/WorkLoadPrint.h"

namespace montira::ui {

using namespace montira::workload;

namespace {

constexpr int kTimer1Ms = 50;

QLabel* Caption(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

void KeepPlaceWhenHidden(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// A list that is chosen from, never typed: its shown text is the entry when the text is one,
// else the text itself as placeholder ("0" before a choice).
void ShowListText(QComboBox* box, const QString& text) {
    const int i = box->findText(text);
    if (box->currentIndex() == i && (i >= 0 || box->placeholderText() == text)) return;
    box->setPlaceholderText(text);
    box->setCurrentIndex(i);
}

QGroupBox* Frame(QWidget* parent, const char* name, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setFont(WorkLoadSerif(10, true));
    g->setProperty("ownFont", true);
    return g;
}

// The children of a bold frame title keep the plain caption font.
void PlainChildren(QWidget* frame) {
    for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->property("ownFont").toBool()) w->setFont(WorkLoadSerif(10));
}

}  // namespace

WorkLoad::WorkLoad(AppState& state, SampleTicker* ticker, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), sheet_(averages_) {
    if (ticker)
        samples_ = ticker->subscribe([this](const Sample& s) {
            AddWbgtSample(averages_, s.reading);
            ShowAverages();
        });
    setObjectName(QStringLiteral("WorkLoad"));
    setWindowTitle(tr("Ambiente e trabalho"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(WorkLoadSerif(10));
    const QString point = QLocale().decimalPoint();
    if (!point.isEmpty()) sheet_.DecimalPoint = point.at(0);
    askPrinter = [this](QPrinter& p) { return AskPrinterWithDialog(p, this); };

    Build();
    Connect();
    Render();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimer1Ms);
    connect(Timer1, &QTimer::timeout, this, &WorkLoad::Timer1Tick);
    Timer1->start();
}

void WorkLoad::Build() {
    auto* SSFrame2 = Frame(this, "SSFrame2", tr("Avaliação de Trabalho"));
    auto* top = new QHBoxLayout;
    top->addWidget(BuildEmployee(), 3);
    top->addWidget(BuildPosture(), 2);

    CmdPrint = new QPushButton(tr("Imprimir"), SSFrame2);
    CmdHelp = new QPushButton(tr("Ajuda"), SSFrame2);
    CmdReference = new QPushButton(tr("REFERENCE"), SSFrame2);
    CmdPrint->setObjectName(QStringLiteral("CmdPrint"));
    CmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    CmdReference->setObjectName(QStringLiteral("CmdReference"));
    for (QPushButton* b : {CmdPrint, CmdHelp, CmdReference}) {
        KeepPlaceWhenHidden(b);
        b->setMinimumWidth(100);
        b->setFont(WorkLoadSerif(10));
        b->setProperty("ownFont", true);
    }

    auto* inner = new QVBoxLayout(SSFrame2);
    inner->addLayout(top);
    inner->addWidget(BuildWorkTypes());
    inner->addWidget(BuildLimits());
    inner->addWidget(BuildResults());
    inner->addWidget(BuildHeader());
    PlainChildren(SSFrame2);

    setMinimumWidth(760);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(SSFrame2);
}

QGroupBox* WorkLoad::BuildEmployee() {
    auto* f = Frame(this, "SSFrame1", tr("Funcionário"));
    ComboCloth = new QComboBox(f);
    ComboCloth->setObjectName(QStringLiteral("ComboCloth"));
    for (int i = 0; i < kClothingCount; ++i)
        ComboCloth->addItem(ShownWorkLoadText(ClothingNames()[i]), i);
    ComboAge = new QComboBox(f);
    ComboAge->setObjectName(QStringLiteral("ComboAge"));
    for (int a : Ages()) ComboAge->addItem(QString::number(a));
    Txtkg = new QLineEdit(f);
    Txtkg->setObjectName(QStringLiteral("Txtkg"));
    Txtkg->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), Txtkg));
    Txtkg->setMaximumWidth(60);
    Lbllbs = Caption(f, "Lbllbs", QString());
    Lbllbs->setMinimumWidth(40);

    auto* g = new QGridLayout(f);
    g->addWidget(Caption(f, "lblCloth", tr("Vestimentas")), 0, 0);
    g->addWidget(ComboCloth, 0, 1, 1, 5);
    g->addWidget(Caption(f, "LblAge", tr("Idade")), 1, 0);
    g->addWidget(ComboAge, 1, 1);
    g->addWidget(Caption(f, "LblWeight", tr("Peso")), 2, 0);
    g->addWidget(Txtkg, 2, 1);
    g->addWidget(Caption(f, "LnlKg", tr("kg  (")), 2, 2);
    g->addWidget(Lbllbs, 2, 3);
    g->addWidget(Caption(f, "Lblkgback", tr("Lbs)")), 2, 4);
    g->setColumnStretch(5, 1);
    PlainChildren(f);
    return f;
}

QGroupBox* WorkLoad::BuildPosture() {
    auto* f = Frame(this, "SSFrame4", tr("Posição e movimentação do corpo"));
    auto* g = new QGridLayout(f);
    LblMinHr2 = Caption(f, "LblMinHr2", tr("minuto (s) / hora"));
    KeepPlaceWhenHidden(LblMinHr2);
    g->addWidget(LblMinHr2, 0, 1);
    for (int i = 0; i < kBodyCount; ++i) {
        CkBody[i] = Check(f, QStringLiteral("CkBody%1").arg(i),
                          ShownWorkLoadText(ActivityCaptions()[10 + i]));
        g->addWidget(CkBody[i], i + 1, 0);
    }
    for (int i = kPostureFirst; i < kActivityCount; ++i) {
        Combo[i] = new QComboBox(f);
        g->addWidget(Combo[i], i - kPostureFirst + 1, 1);
    }
    g->setColumnStretch(2, 1);
    PlainChildren(f);
    return f;
}

QGroupBox* WorkLoad::BuildWorkTypes() {
    auto* f = Frame(this, "SSFrame5", tr("Tipo de trabalho"));
    auto* g = new QGridLayout(f);
    g->setHorizontalSpacing(6);
    for (int t = 0; t < kTypeCount; ++t) {
        CkType[t] =
            Check(f, QStringLiteral("CkType%1").arg(t), ShownWorkLoadText(TypeCaptions()[t]));
        g->addWidget(CkType[t], 0, 3 * t, 1, 2);
        for (int k = TypeFirstLevel(t); k <= TypeLastLevel(t); ++k) {
            const int row = k - TypeFirstLevel(t) + 1;
            CkHL[k] =
                Check(f, QStringLiteral("CkHL%1").arg(k), ShownWorkLoadText(ActivityCaptions()[k]));
            Combo[k] = new QComboBox(f);
            g->addWidget(CkHL[k], row, 3 * t);
            g->addWidget(Combo[k], row, 3 * t + 1);
        }
        if (t < kTypeCount - 1) g->setColumnMinimumWidth(3 * t + 2, 14);
    }
    LblMinHr1 = Caption(f, "LblMinHr1", tr("minuto (s) / hora"));
    KeepPlaceWhenHidden(LblMinHr1);
    g->addWidget(LblMinHr1, 5, 0, 1, 11, Qt::AlignRight);
    PlainChildren(f);
    return f;
}

QGroupBox* WorkLoad::BuildLimits() {
    auto* f = Frame(this, "SSFrame3", tr("IBUTGs e regimes de trabalho / descanso"));
    auto* g = new QGridLayout(f);
    g->setHorizontalSpacing(20);
    const char* names[kRegimeCount] = {"LblCon", "Lbl75", "Lbl50", "Lbl25"};
    const QString captions[kRegimeCount] = {
        tr("Trabalho contínuo"),
        tr("75% do tempo em trabalho e 25% do tempo em descanso a cada hora "),
        tr("50% do tempo em trabalho e 50% do tempo em descanso a cada hora "),
        tr("25% do tempo em trabalho e 75% do tempo em descanso a cada hora ")};
    for (int k = 0; k < kRegimeCount; ++k) {
        LblC[k] = Caption(f, QStringLiteral("LblC%1").arg(k), QString());
        LblC[k]->setMinimumWidth(130);
        g->addWidget(LblC[k], k, 0);
        g->addWidget(Caption(f, QString::fromLatin1(names[k]), captions[k]), k, 1);
    }
    g->setColumnStretch(1, 1);
    PlainChildren(f);
    return f;
}

QWidget* WorkLoad::BuildResults() {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(4, 4, 4, 4);
    g->addWidget(Caption(w, "LblAct", tr("Nível de atividade :")), 0, 0);
    LblLoad = Caption(w, "LblLoad", QString());
    LblLoad->setFont(WorkLoadSerif(11, true));
    g->addWidget(LblLoad, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {CmdPrint, CmdHelp, CmdReference}) buttons->addWidget(b);
    g->addLayout(buttons, 0, 2);
    g->addWidget(Caption(w, "LblAve1", tr("IBUTG interno - média:")), 1, 0);
    g->addWidget(Caption(w, "LblAve2", tr("IBUTG externo - média:")), 2, 0);
    LblWbgti = Caption(w, "LblWbgti", QStringLiteral("100.0"));
    LblWbgto = Caption(w, "LblWbgto", QStringLiteral("100.0"));
    LblWRRi = Caption(w, "LblWRRi", QString());
    LblWRRo = Caption(w, "LblWRRo", QString());
    for (QLabel* l : {LblWbgti, LblWbgto}) {
        l->setFont(WorkLoadSans(10, true));
        l->setMinimumWidth(130);
    }
    for (QLabel* l : {LblWRRi, LblWRRo}) {
        l->setWordWrap(true);
        l->setFont(WorkLoadSerif(10, true));
    }
    g->addWidget(LblWbgti, 1, 1);
    g->addWidget(LblWRRi, 1, 2);
    g->addWidget(LblWbgto, 2, 1);
    g->addWidget(LblWRRo, 2, 2);
    g->setColumnStretch(2, 1);
    for (const char* name : {"LblAct", "LblAve1", "LblAve2"})
        w->findChild<QLabel*>(QString::fromLatin1(name))->setFont(WorkLoadSerif(10));
    w->setProperty("ownFont", true);
    return w;
}

QWidget* WorkLoad::BuildHeader() {
    HeaderArea = new QWidget(this);
    HeaderArea->setObjectName(QStringLiteral("HeaderArea"));
    auto* g = new QGridLayout(HeaderArea);
    g->setContentsMargins(4, 8, 4, 4);
    const char* labels[3][3] = {{"LblName", QT_TR_NOOP("Nome:"), "TxtName"},
                                {"LblSector", QT_TR_NOOP("Setor:"), "TxtSector"},
                                {"LblCompany", QT_TR_NOOP("Empresa:"), "TxtCompany"}};
    QLineEdit** boxes[3] = {&TxtName, &TxtSector, &TxtCompany};
    for (int r = 0; r < 3; ++r) {
        auto* l = Caption(HeaderArea, QString::fromLatin1(labels[r][0]), tr(labels[r][1]));
        l->setFont(WorkLoadSerif(10));
        *boxes[r] = new QLineEdit(HeaderArea);
        (*boxes[r])->setObjectName(QString::fromLatin1(labels[r][2]));
        (*boxes[r])->setFont(WorkLoadSans(10));
        g->addWidget(l, r, 0);
        g->addWidget(*boxes[r], r, 1);
    }
    HeaderArea->setProperty("ownFont", true);
    return HeaderArea;
}

void WorkLoad::Connect() {
    for (int i = 0; i < kActivityCount; ++i) {
        Combo[i]->setObjectName(QStringLiteral("Combo%1").arg(i));
        for (int m = 1; m <= 60; ++m) Combo[i]->addItem(QString::number(m));
        Combo[i]->setMinimumWidth(58);
        Combo[i]->setMaxVisibleItems(15);
        KeepPlaceWhenHidden(Combo[i]);
        Combo[i]->installEventFilter(this);
        connect(Combo[i], &QComboBox::activated, this, [this, i](int entry) {
            sheet_.ComboText[i] = Combo[i]->itemText(entry);
            sheet_.ComboClick(i);
            Render();
        });
    }
    for (int i = 0; i < kTypeCount; ++i)
        connect(CkType[i], &QCheckBox::clicked, this, [this, i](bool on) {
            sheet_.CkType[i] = on;
            sheet_.CkTypeClick(i);
            Render();
        });
    for (int i = 0; i < kWorkCount; ++i)
        connect(CkHL[i], &QCheckBox::clicked, this, [this, i](bool on) {
            sheet_.CkHL[i] = on;
            sheet_.CkHLClick(i);
            Render();
        });
    for (int i = 0; i < kBodyCount; ++i)
        connect(CkBody[i], &QCheckBox::clicked, this, [this, i](bool on) {
            sheet_.CkBody[i] = on;
            sheet_.CkBodyClick(i);
            Render();
        });
    ComboAge->installEventFilter(this);
    connect(ComboAge, &QComboBox::activated, this, [this](int entry) {
        sheet_.ComboAgeText = ComboAge->itemText(entry);
        sheet_.ComboAgeClick();
        Render();
    });
    connect(ComboCloth, &QComboBox::activated, this, [this](int entry) {
        if (entry < 0) return;
        sheet_.ComboClothText = ClothingNames()[ComboCloth->itemData(entry).toInt()];
        sheet_.ComboClothClick();
        Render();
    });
    connect(Txtkg, &QLineEdit::textChanged, this, [this](const QString& text) {
        sheet_.TxtkgText = text;
        sheet_.TxtkgChange();
        Render();
    });
    connect(CmdHelp, &QPushButton::clicked, this, &WorkLoad::CmdHelpClick);
    connect(CmdReference, &QPushButton::clicked, this, &WorkLoad::CmdReferenceClick);
    connect(CmdPrint, &QPushButton::clicked, this, &WorkLoad::CmdPrintClick);
}

bool WorkLoad::eventFilter(QObject* watched, QEvent* event) {
    // The minute and age lists are chosen from: typed characters are discarded.
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void WorkLoad::Render() {
    for (int i = 0; i < kTypeCount; ++i) CkType[i]->setChecked(sheet_.CkType[i]);
    for (int i = 0; i < kBodyCount; ++i) CkBody[i]->setChecked(sheet_.CkBody[i]);
    for (int i = 0; i < kWorkCount; ++i) {
        CkHL[i]->setChecked(sheet_.CkHL[i]);
        CkHL[i]->setEnabled(sheet_.CkHLEnabled[i]);
    }
    for (int i = 0; i < kActivityCount; ++i) {
        ShowListText(Combo[i], sheet_.ComboText[i]);
        Combo[i]->setVisible(sheet_.ComboVisible[i]);
    }
    LblMinHr1->setVisible(sheet_.LblMinHr1Visible);
    LblMinHr2->setVisible(sheet_.LblMinHr2Visible);
    ShowListText(ComboAge, sheet_.ComboAgeText);
    const int cloth = ClothingIndex(sheet_.ComboClothText);
    if (ComboCloth->currentIndex() != cloth) {
        ComboCloth->setPlaceholderText(sheet_.ComboClothText);
        ComboCloth->setCurrentIndex(cloth);
    }
    if (Txtkg->text() != sheet_.TxtkgText) {
        const QSignalBlocker block(Txtkg);
        Txtkg->setText(sheet_.TxtkgText);
    }
    Lbllbs->setText(sheet_.LbllbsText);
    LblLoad->setText(ShownWorkLoadText(sheet_.LblLoad));
    for (int k = 0; k < kRegimeCount; ++k) LblC[k]->setText(sheet_.LblC[k]);
    LblWRRi->setText(ShownWorkLoadText(sheet_.LblWRRi));
    LblWRRo->setText(ShownWorkLoadText(sheet_.LblWRRo));
}

void WorkLoad::ShowAverages() {
    LblWbgti->setText(AverageLabelText(averages_.AvgWbgtIndoor));
    LblWbgto->setText(AverageLabelText(averages_.AvgWbgtOutdoor));
    sheet_.RefreshRegimes();
    LblWRRi->setText(ShownWorkLoadText(sheet_.LblWRRi));
    LblWRRo->setText(ShownWorkLoadText(sheet_.LblWRRo));
}

void WorkLoad::Timer1Tick() {
    if (sheet_.Timer1Tick()) Render();  // every change elsewhere renders at once
}

void WorkLoad::CmdHelpClick() {
    QMessageBox box(QMessageBox::Warning, tr("MONTIRA DE STRESS TERMICO"),
                    tr("Os regimes de trabalho / descanso podem ser adotados de "
                       "acordo com os valores\nde média do IBUTG em atividades "
                       "internas ou externas."),
                    QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("HelpMessage"));
    box.exec();
}

void WorkLoad::CmdReferenceClick() {
    if (!reference_) reference_ = new Reference(this);
    reference_->show();
    reference_->raise();
    reference_->activateWindow();
}

bool WorkLoad::PrintWindow(QPrinter& printer) {
    const bool headerEmpty =
        TxtName->text().isEmpty() && TxtSector->text().isEmpty() && TxtCompany->text().isEmpty();
    return PrintWindowImage(*this, *HeaderArea, headerEmpty, {CmdHelp, CmdPrint}, printer,
                            askPrinter);
}

void WorkLoad::CmdPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    PrintWindow(printer);
}

void WorkLoad::closeEvent(QCloseEvent* event) {
    samples_.reset();
    Timer1->stop();
    QWidget::closeEvent(event);
}

}  // namespace montira::ui

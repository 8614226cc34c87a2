#include "ui/memory/Memory.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "core/memory/LoggerDownload.h"
#include "core/meter/MemoryStatus.h"
#include "ui/memory/SetToDataList.h"

namespace montira {

namespace {

QLabel* LegendLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(QFont(QStringLiteral("Times New Roman"), 10));
    return l;
}

FloodPanel* Swatch(QWidget* parent, const char* name, const QColor& c) {
    auto* p = new FloodPanel(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFillColor(c);
    p->setFixedSize(22, 16);
    return p;
}

}  // namespace

QString Memory::caption() {
    return tr("Registrador de dados");
}

Memory::Memory(AppState& state, MeterLink& link, QWidget* panel)
    : QWidget(panel, Qt::Window), state_(state), link_(link), panel_(panel) {
    setObjectName(QStringLiteral("Memory"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption());

    MSize = new FloodPanel(this);
    MSize->setObjectName(QStringLiteral("MSize"));
    MSize->setToolTip(tr("Memory Size"));
    MSize->setMinimumHeight(26);
    SSPanel2 = Swatch(this, "SSPanel2", FloodPanel::usedColor());
    SSPanel3 = Swatch(this, "SSPanel3", FloodPanel::freeColor());
    Label1 = LegendLabel(this, "Label1", tr("Capacidade : 128 K"));
    Label2 = LegendLabel(this, "Label2", tr("Utilizado"));
    Label3 = LegendLabel(this, "Label3", tr("Livre"));
    for (FloodPanel* p : {MSize, SSPanel2, SSPanel3}) p->onClicked = [this] { askErase(); };

    sets_ = new SetListModel(this);
    GridSet = new QTableView(this);
    GridSet->setObjectName(QStringLiteral("GridSet"));
    GridSet->setModel(sets_);
    GridSet->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    GridSet->verticalHeader()->hide();
    GridSet->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridSet->verticalHeader()->setDefaultSectionSize(QFontMetrics(GridSet->font()).height() + 4);
    GridSet->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSet->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridSet->horizontalHeader()->setHighlightSections(false);
    connect(GridSet, &QTableView::clicked, this,
            [this](const QModelIndex& i) { openSetOfRow(i.row()); });

    MBar = new QProgressBar(this);
    MBar->setObjectName(QStringLiteral("MBar"));
    MBar->setRange(0, 100);
    MBar->setValue(0);
    MBar->setTextVisible(false);
    MBar->setMaximumHeight(14);

    // Kept from the old window; they never did anything.
    CmdCompare = new QPushButton(tr("Compare"), this);
    CmdCompare->setObjectName(QStringLiteral("CmdCompare"));
    CmdCompare->setEnabled(false);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->hide();

    auto* legend = new QHBoxLayout;
    legend->addWidget(SSPanel2);
    legend->addWidget(Label2);
    legend->addSpacing(16);
    legend->addWidget(SSPanel3);
    legend->addWidget(Label3);
    legend->addStretch(1);
    legend->addWidget(Label1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MBar, 1);
    bottom->addWidget(CmdCompare);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(MSize);
    lay->addLayout(legend);
    lay->addWidget(GridSet, 1);
    lay->addLayout(bottom);

    applyHeadings();
    resize(380, 320);
    if (panel) {
        const QRect f = panel->frameGeometry();
        move(f.left() + f.width(), f.top());
    }

    confirmErase = [this] {
        QMessageBox box(QMessageBox::NoIcon, tr("Advertência"),
                        tr("Todos os dados armazenados na memória serão apagados"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("EraseQuestion"));
        return box.exec() == QMessageBox::Ok;
    };
}

Memory::~Memory() {}

void Memory::applyHeadings() {
    const QFontMetrics fm(font());
    const QStringList h = SetListModel::headers();
    for (int c = 0; c < h.size(); ++c)
        GridSet->setColumnWidth(c,
                                fm.horizontalAdvance(QLatin1Char(' ') + h[c] + QLatin1Char(' ')));
    GridSet->setMinimumWidth(GridSet->horizontalHeader()->length() + 2 * GridSet->frameWidth() +
                             20);
}

void Memory::showProgress(qint64 received, qint64 expected) {
    const qint64 h = ProgressHundredths(received, expected);
    if (h == shownHundredths_) return;
    shownHundredths_ = h;
    MBar->setValue(int(h / 100));
    setWindowTitle(ProgressCaption(received, expected));
}

void Memory::restoreCaption() {
    setWindowTitle(caption());
}

void Memory::showMemory(std::shared_ptr<const LoggerMemory> memory) {
    MSize->setFloodPercent(memory ? MemoryFillPercent(memory->MemoryUsed) : 0.0);
    sets_->setMemory(std::move(memory));
}

void Memory::openSetOfRow(int row) {
    const auto& memory = sets_->memory();
    if (!memory || row < 0 || row >= sets_->rowCount()) return;  // header row, empty list
    // The set number as the row shows it.
    const int number = int(std::lround(sets_->index(row, 0).data().toString().toDouble()));
    if (!memory->set(number)) return;
    // Decoding lets the window events run; it must not run inside this window's own click
    // handler, which the user may close meanwhile.
    QPointer<QWidget> panel = panel_;
    const bool hadPanel = panel_ != nullptr;
    AppState* state = &state_;
    MeterLink* link = &link_;
    auto opened = dataListOpened;
    QTimer::singleShot(0, panel_ ? static_cast<QObject*>(panel_) : QCoreApplication::instance(),
                       [memory, number, panel, hadPanel, state, link, opened] {
                           if (hadPanel && !panel) return;
                           OpenSetInDataList(*state, *memory, number, panel, *link, opened);
                       });
}

void Memory::askErase() {
    if (!confirmErase || !confirmErase()) return;
    // The handshake lets events run: the user may close the window meanwhile.
    QPointer<Memory> self(this);
    EraseLogger(link_);
    if (self) close();
}

void Memory::closeEvent(QCloseEvent* e) {
    // A download in progress aborts and clears KeypadBusy itself; otherwise the window's
    // unload clears it.
    if (!downloading_) state_.link.KeypadBusy = false;
    QWidget::closeEvent(e);
}

void Memory::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange && GridSet) applyHeadings();
}

}  // namespace montira

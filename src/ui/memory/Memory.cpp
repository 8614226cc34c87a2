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
    message = [panel](const QString& objectName, const QString& text) {
        QMessageBox box(QMessageBox::Critical,
                        QCoreApplication::translate("MemoryDownload", "MONTIRA DE STRESS TERMICO"),
                        text, QMessageBox::Ok, panel);
        box.setObjectName(objectName);
        box.exec();
    };
}

Memory::~Memory() {
    closing_ = true;
    stopExchanges();
}

void Memory::stopExchanges() {
    if (download_ && !download_->finished()) link_.cancel(*download_);
    if (erase_ && !erase_->finished()) link_.cancel(*erase_);
}

bool Memory::download(std::function<void(DownloadOutcome)> ended) {
    if (link_.busy()) return false;
    loading_ = std::make_shared<LoggerMemory>();
    DownloadHooks h;
    h.begin = [this](const MemoryStatus&) { show(); };
    h.progress = [this](qint64 received, qint64 expected) { showProgress(received, expected); };
    download_ = std::make_unique<DownloadLogger>(state_.link, *loading_, h);
    ended_ = std::move(ended);
    if (link_.run(*download_, [this] { downloaded(); })) return true;
    download_.reset();
    ended_ = nullptr;
    return false;
}

void Memory::downloaded() {
    const DownloadOutcome outcome = download_->outcome();
    const auto ended = std::move(ended_);
    ended_ = nullptr;
    if (outcome == DownloadOutcome::Done && !closing_) {
        restoreCaption();
        showMemory(std::move(loading_));
    } else if (!closing_) {
        close();
        deleteLater();  // a window that never showed
        if (outcome == DownloadOutcome::NothingStored)
            message(QStringLiteral("NothingStoredMessage"),
                    QCoreApplication::translate("MemoryDownload",
                                                "Não há dados armazenados na memória!"));
        // The meter stopped in the middle of the dump: say so, not just close the window.
        if (outcome == DownloadOutcome::Cut)
            message(QStringLiteral("DumpCutMessage"),
                    QCoreApplication::translate("MemoryDownload", "Sem comunicação"));
    }
    if (ended) ended(outcome);
}

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
    if (link_.busy()) return;
    erase_ = std::make_unique<EraseLogger>(state_.link);
    link_.run(*erase_, [this] {
        if (!closing_) close();
    });
}

void Memory::closeEvent(QCloseEvent* e) {
    // A download or erase still running ends with the window.
    closing_ = true;
    stopExchanges();
    QWidget::closeEvent(e);
}

void Memory::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange && GridSet) applyHeadings();
}

}  // namespace montira

#include "ui/link/Port.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include "core/link/PortName.h"
#include "ui/common/PanelFonts.h"
#include "ui/link/NoPortMessage.h"

namespace montira {

void OpenDeviceManager() {
#ifdef Q_OS_WIN
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QStringLiteral("C:/WINDOWS/system32/devmgmt.msc")));
#endif
}

Port::Port(AppState& state, PortSources sources, QWidget* parent)
    : QDialog(parent), state_(state), sources_(std::move(sources)) {
    setObjectName(QStringLiteral("Port"));
    setWindowTitle(tr("COM Port"));
    setFont(ArialFont(10));

    txtCom_ = new QComboBox(this);
    txtCom_->setObjectName(QStringLiteral("TxtCOM"));
    txtCom_->setEditable(true);
    txtCom_->setEditText(QStringLiteral("COM1"));
    txtCom_->setMinimumContentsLength(18);
    txtCom_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnReset_ = button("BtnReset", tr("Reset"));
    btnAutoScan_ = button("BtnAutoScan", tr("AutoScan"));
    btnDeviceManager_ = button("BtnDeviceManager", tr("Device Manager"));
    cmdOk_ = button("CmdOK", tr("OK"));
    cmdOk_->setDefault(true);
#ifndef Q_OS_WIN
    btnDeviceManager_->setToolTip(
        tr("Sem gerenciador de dispositivos neste sistema: as portas que o sistema "
           "informa já estão na lista, com descrição e fabricante na dica."));
#endif

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, kNumberedPorts);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(12);

    auto* grid = new QGridLayout(this);
    grid->addWidget(txtCom_, 0, 0, 1, 2);
    grid->addWidget(cmdOk_, 0, 2);
    grid->addWidget(btnReset_, 1, 0);
    grid->addWidget(btnAutoScan_, 1, 1);
    grid->addWidget(btnDeviceManager_, 1, 2);
    grid->addWidget(progress_, 2, 0, 1, 3);

    connect(btnReset_, &QPushButton::clicked, this, &Port::reset);
    connect(btnAutoScan_, &QPushButton::clicked, this, &Port::autoScan);
    connect(btnDeviceManager_, &QPushButton::clicked, this, &Port::deviceManager);
    connect(cmdOk_, &QPushButton::clicked, this, &Port::ok);

    // Load: centred on the screen, the full list, the first entry selected.
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    reset();
}

void Port::fill(const QList<PortEntry>& entries) {
    txtCom_->clear();
    for (const PortEntry& e : entries) {
        txtCom_->addItem(PortEntryText(e.id));
        if (!e.toolTip.isEmpty())
            txtCom_->setItemData(txtCom_->count() - 1, e.toolTip, Qt::ToolTipRole);
    }
    if (txtCom_->count() > 0) txtCom_->setCurrentIndex(0);
}

void Port::reset() {
    fill(AllPortEntries(sources_.systemPorts ? sources_.systemPorts() : QList<SystemPort>()));
}

void Port::autoScan() {
    const QList<PortEntry> candidates =
        AllPortEntries(sources_.systemPorts ? sources_.systemPorts() : QList<SystemPort>());
    txtCom_->clear();
    QString reason;
    const QList<PortEntry> found = ScanPortEntries(
        candidates, sources_.probe ? *sources_.probe : systemProbe_,
        [this](int i, int n) {
            progress_->setMaximum(n);
            progress_->setValue(i);
            // Let the bar repaint; clicks wait until the scan is over.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        },
        &reason);
    fill(found);
    if (found.size() > 1) return;
    // Only the simulated meter is left. It is never chosen for the user: its plausible values
    // could be recorded as if they had been measured. It is offered by name instead.
    txtCom_->setCurrentIndex(-1);
    auto box = MakeNoPortMessage(reason, this);
    box->addButton(QMessageBox::Yes)->setText(tr("Usar o medidor simulado"));
    box->button(QMessageBox::Yes)->setObjectName(QStringLiteral("UseSimulator"));
    if (box->exec() == QMessageBox::Yes) preselect(QString::fromLatin1(kSimulatedPortId));
}

void Port::deviceManager() {
    if (sources_.openDeviceManager)
        sources_.openDeviceManager();
    else
        OpenDeviceManager();
}

void Port::preselect(const QString& id) {
    const QString wanted = id.trimmed();
    if (wanted.isEmpty()) return;
    for (int i = 0; i < txtCom_->count(); ++i) {
        const QString have = PortIdFromEntry(txtCom_->itemText(i));
        const bool same = IsSimulatedPort(wanted) ? IsSimulatedPort(have) : have == wanted;
        if (same) {
            txtCom_->setCurrentIndex(i);
            return;
        }
    }
    txtCom_->addItem(
        PortEntryText(IsSimulatedPort(wanted) ? QString::fromLatin1(kSimulatedPortId) : wanted));
    txtCom_->setCurrentIndex(txtCom_->count() - 1);
}

void Port::ok() {
    // The identifier is the text after the two spaces; without them the choice stays as it
    // was, and the panel then reports that no port could be opened.
    const QString id = ChosenPortId(txtCom_->currentText());
    if (!id.isEmpty()) {
        state_.link.PortId = IsSimulatedPort(id) ? QString::fromLatin1(kSimulatedPortId) : id;
        bool number = false;
        const int n = id.toInt(&number);
        state_.link.CommPortNumber = number ? n : 0;
    }
    accept();
}

}  // namespace montira

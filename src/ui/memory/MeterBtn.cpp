#include "ui/memory/MeterBtn.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/memory/KeyIcons.h"

namespace montira {

namespace {

QPushButton* PictureButton(QWidget* parent, const QString& name, const QIcon& icon) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(icon);
    b->setIconSize(QSize(48, 36));
    b->setFixedSize(58, 44);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// A key's tool tip: what the key does on the meter.
QString KeyTip(MeterKey key) {
    switch (key) {
        case MeterKey::CF:
            return MeterBtn::tr("Unidade °C / °F");
        case MeterKey::Down:
            return MeterBtn::tr("Para baixo");
        case MeterKey::Escape:
            return MeterBtn::tr("Sair (Esc)");
        case MeterKey::Hold:
            return MeterBtn::tr("Congelar a leitura (Hold)");
        case MeterKey::MaxMin:
            return MeterBtn::tr("Máximo / mínimo");
        case MeterKey::Mem:
            return MeterBtn::tr("Gravar na memória (Mem)");
        case MeterKey::Mode:
            return MeterBtn::tr("Modo");
        case MeterKey::Read:
            return MeterBtn::tr("Ler a memória (Read)");
        case MeterKey::RunStop:
            return MeterBtn::tr("Iniciar / parar o registro (Run/Stop)");
        case MeterKey::Time:
            return MeterBtn::tr("Relógio (Time)");
        case MeterKey::Up:
            return MeterBtn::tr("Para cima");
    }
    return QString();
}

}  // namespace

MeterBtn::MeterBtn(AppState& state, MeterLink& link, QWidget* panel)
    : QWidget(panel, Qt::Window), state_(state), link_(link) {
    setObjectName(QStringLiteral("MeterBtn"));
    setWindowTitle(caption());
    message = [this](const QString& text) {
        QMessageBox::critical(this, tr("MONTIRA DE STRESS TERMICO"), text);
    };

    display = new MeterDisplay(this);
    // The keys as they sit on the meter: four rows of three under the display.
    const struct {
        int row, col;
        std::optional<MeterKey> key;
        int inert;
    } layout[] = {
        {0, 0, std::nullopt, 1},   {0, 1, MeterKey::Mode, 0},    {0, 2, std::nullopt, 3},
        {1, 0, MeterKey::Hold, 0}, {1, 1, MeterKey::Up, 0},      {1, 2, MeterKey::MaxMin, 0},
        {2, 0, MeterKey::CF, 0},   {2, 1, MeterKey::Down, 0},    {2, 2, MeterKey::Escape, 0},
        {3, 0, MeterKey::Mem, 0},  {3, 1, MeterKey::Read, 0},    {3, 2, MeterKey::Time, 0},
        {4, 0, std::nullopt, 4},   {4, 1, MeterKey::RunStop, 0}, {4, 2, std::nullopt, 5},
        {5, 1, std::nullopt, 6},
    };
    auto* keys = new QGridLayout;
    keys->setSpacing(6);
    for (const auto& k : layout) {
        QPushButton* b;
        if (k.key) {
            const MeterKey key = *k.key;
            b = PictureButton(this, QString::fromLatin1(InfoOf(key).button), MeterKeyIcon(key));
            b->setToolTip(KeyTip(key));
            QObject::connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        } else {
            b = PictureButton(this, QStringLiteral("SSCommand%1").arg(k.inert),
                              InertKeyIcon(k.inert));
        }
        keys->addWidget(b, k.row, k.col, Qt::AlignCenter);
    }
    CmdReadAll = new QPushButton(tr("Registros Manuais"), this);
    CmdReadAll->setObjectName(QStringLiteral("CmdReadAll"));
    QObject::connect(CmdReadAll, &QPushButton::clicked, this, [this] { readAll(); });

    auto* v = new QVBoxLayout(this);
    // The window is as large as the meter's face: whatever the display lights, it keeps its size.
    v->setSizeConstraint(QLayout::SetFixedSize);
    v->addWidget(display);
    v->addLayout(keys);
    v->addWidget(CmdReadAll);
    if (panel) {
        const QRect f = panel->frameGeometry();
        move(f.left() + f.width(), f.top());
    }
}

MeterBtn::~MeterBtn() {
    closing_ = true;
    stopExchange();
    state_.link.KeypadOpen = false;
}

void MeterBtn::stopExchange() {
    if (busy()) link_.cancel(*running_);
}

QPushButton* MeterBtn::button(MeterKey key) const {
    return findChild<QPushButton*>(QString::fromLatin1(InfoOf(key).button));
}

KeyOutcome MeterBtn::press(MeterKey key) {
    const KeyOutcome allowed = KeyAllowed(state_, key);
    if (allowed != KeyOutcome::Sent) return allowed;
    if (link_.busy()) return KeyOutcome::RefusedBusy;
    key_ = std::make_unique<PressKey>(state_.link, key);
    if (!link_.run(*key_)) return KeyOutcome::RefusedBusy;
    running_ = key_.get();
    return KeyOutcome::Sent;
}

void MeterBtn::readAll() {
    const std::optional<ManualOutcome> refused = ManualRefusal(state_);
    if (refused == ManualOutcome::Refused || link_.busy()) return;
    if (closeManual) closeManual();
    if (refused) return;  // a silent meter: nothing is sent
    manualOpened_ = false;
    ManualHooks hooks;
    hooks.begin = [this](int count) {
        manualOpened_ = true;
        if (openManual) openManual(count);
    };
    hooks.progress = [this](qint64 got, qint64 expected) {
        if (manualCaption) manualCaption(ManualProgressCaption(got, expected));
    };
    manual_ = std::make_unique<DownloadManual>(state_, hooks);
    if (!link_.run(*manual_, [this] { manualEnded(); })) return;
    running_ = manual_.get();
    button(MeterKey::Read)->setEnabled(false);
}

void MeterBtn::manualEnded() {
    button(MeterKey::Read)->setEnabled(true);
    if (manualOpened_ && restoreManualCaption) restoreManualCaption();
    if (closing_) return;
    const ManualOutcome outcome = manual_->outcome();
    if (outcome == ManualOutcome::Done || outcome == ManualOutcome::Incomplete) {
        TextTable celsius, fahrenheit;
        DecodeManualRows(manual_->dump(), state_.live.calibration, celsius, fahrenheit);
        if (manualRows) manualRows(celsius, fahrenheit);
    }
    if (outcome == ManualOutcome::NothingStored) message(NothingStoredText());
    if (outcome == ManualOutcome::NoAnswer || outcome == ManualOutcome::Incomplete)
        message(tr("Sem comunicação"));
}

void MeterBtn::showEvent(QShowEvent* e) {
    closing_ = false;
    state_.link.KeypadOpen = true;
    QWidget::showEvent(e);
}

void MeterBtn::closeEvent(QCloseEvent* e) {
    // Closing the window ends the key press or the download it started.
    closing_ = true;
    stopExchange();
    state_.link.KeypadOpen = false;
    QWidget::closeEvent(e);
}

}  // namespace montira

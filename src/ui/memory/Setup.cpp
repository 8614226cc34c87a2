#include "ui/memory/Setup.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/memory/MeterSettings.h"

namespace montira {

namespace {

// A label that reports clicks.
class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& text, QWidget* parent, std::function<void()> clicked)
        : QLabel(text, parent), clicked_(std::move(clicked)) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) clicked_();
    }

private:
    std::function<void()> clicked_;
};

QString MeterTitle() {
    return Setup::tr("Hora do instrumento");
}
QString PCTitle() {
    return Setup::tr("Hora do sistema do computador");
}

}  // namespace

Setup::Setup(AppState& state, MeterLink& link, QWidget* panel)
    : QDialog(panel), state_(state), link_(link) {
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(tr("Setup"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    message = [this](const QString& text) {
        QMessageBox::critical(this, tr("MONTIRA DE STRESS TERMICO"), text);
    };

    FrameTime = new QGroupBox(tr("Hora"), this);
    FrameTime->setObjectName(QStringLiteral("FrameTime"));
    const QFont clockFont(QStringLiteral("Arial"), 12, QFont::Bold);
    LblMeterTime = new ClickLabel(MeterTitle(), FrameTime, [this] { clickMeterTime(); });
    LblMeterTime->setObjectName(QStringLiteral("LblMeterTime"));
    LblPCTime = new ClickLabel(PCTitle(), FrameTime, [this] { clickPCTime(); });
    LblPCTime->setObjectName(QStringLiteral("LblPCTime"));
    for (QLabel* l : {LblMeterTime, LblPCTime}) {
        l->setFont(clockFont);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumSize(320, 34);
        l->setCursor(Qt::PointingHandCursor);
    }
    auto* fv = new QVBoxLayout(FrameTime);
    fv->addWidget(LblMeterTime);
    fv->addWidget(LblPCTime);

    CmdSetTime = new QPushButton(tr("Ajustar a hora do instrumento pela hora do sistema"), this);
    CmdSetTime->setObjectName(QStringLiteral("CmdSetTime"));
    CmdExit = new QPushButton(tr("Sair"), this);
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    connect(CmdSetTime, &QPushButton::clicked, this, [this] { setTime(); });
    connect(CmdExit, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });

    auto* v = new QVBoxLayout(this);
    v->addWidget(FrameTime);
    v->addWidget(CmdSetTime);
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(CmdExit);
    v->addLayout(h);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { tick(); });
    Timer1->start();

    adjustSize();
    if (panel) {
        const QRect p = panel->frameGeometry();
        move(p.left() + (p.width() - frameGeometry().width()) / 2, p.top() + 1000 / 15);
    }
}

Setup::~Setup() {
    open_ = false;
    stopExchange();
}

bool Setup::busy() const {
    return (read_ && !read_->finished()) || (set_ && !set_->finished());
}

void Setup::stopExchange() {
    if (read_ && !read_->finished()) link_.cancel(*read_);
    if (set_ && !set_->finished()) link_.cancel(*set_);
}

void Setup::tick() {
    // The clock asked at the last tick is still on its way: this tick passes.
    if (busy()) return;
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy || !open_ || !state_.link.MeterOnline) {
        done(QDialog::Rejected);
        return;
    }
    if (meterShown_) {
        read_ = std::make_unique<ReadMeterClock>(state_.link);
        if (!link_.run(*read_, [this] { clockRead(); })) read_.reset();
    } else {
        LblMeterTime->setText(MeterTitle());
    }
    LblPCTime->setText(pcShown_ ? ComputerClockText(now()) : PCTitle());
}

void Setup::clockRead() {
    if (!open_ || !meterShown_) return;
    const QString t = MeterClockText(read_->clock());
    // A silent meter leaves the title; the next tick closes the window.
    LblMeterTime->setText(t.isEmpty() ? MeterTitle() : t);
}

void Setup::clickMeterTime() {
    if (!lease_) lease_.emplace(link_.take());
    meterShown_ = !meterShown_;
}

void Setup::clickPCTime() {
    pcShown_ = !pcShown_;
}

void Setup::setTime() {
    if (!state_.link.MeterOnline) {
        done(QDialog::Rejected);
        return;  // a window closed for a silent meter sends nothing
    }
    Timer1->stop();
    // The clock being read gives way to the clock being set.
    if (read_ && !read_->finished()) link_.cancel(*read_);
    set_ = std::make_unique<SetMeterClock>(state_.link, now());
    if (!link_.run(*set_, [this] { clockSet(); })) {
        // Another exchange runs: the next tick closes the window.
        set_.reset();
        if (open_) Timer1->start();
    }
}

void Setup::clockSet() {
    if (!open_) return;
    if (!set_->sent()) {
        // The meter hung up or the port failed on the way: the clock was not set.
        message(tr("Sem comunicação"));
        done(QDialog::Rejected);
        return;
    }
    Timer1->start();
}

void Setup::done(int r) {
    if (!open_) return;
    open_ = false;
    Timer1->stop();
    stopExchange();
    lease_.reset();
    QDialog::done(r);
}

}  // namespace montira

#include "ui/panel/Panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "core/link/PortName.h"
#include "ui/common/PanelFonts.h"
#include "ui/panel/StoppedNotice.h"

namespace montira {

Panel::Panel(AppState& state, SerialPort& port, Clock& clock, QWidget* parent)
    : QMainWindow(parent), state_(state), clock_(clock), session_(state, port, clock) {
    setObjectName(QStringLiteral("Panel"));
    setWindowTitle(tr(kCaption));
    setFont(ArialFont(10));
    w_ = BuildPanelWidgets(this);
    w_.LblCOM2->installEventFilter(this);

    // The panel follows the live events as every window that shows readings does.
    follow_ = session_.follow([this](const LiveEvent& e) {
        if (e.kind == LiveEvent::Caption) {
            w_.LblCOM->setText(e.caption);
            w_.LblCOM->setVisible(e.visible);
        } else if (e.kind == LiveEvent::Frame) {
            showValues();
        }
    });
    session_.onRecordingLost = [this](const RecordingStop& stop) {
        w_.FrmRecordingStopped->add(stop);
    };
    resize(760, 440);
}

Panel::~Panel() {
    session_.stop();
    link().close();
    // The windows that run exchanges go before the link they hold does (they are children,
    // which QWidget would only delete after the session).
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isWindow()) delete w;
}

bool Panel::load(QString* reason) {
    move(0, 0);
    if (state_.link.PortId.isEmpty()) {
        if (reason)
            *reason =
                tr("Nenhuma porta foi escolhida: escolha uma entrada da lista, "
                   "como \"COM  1\".");
        return false;
    }
    QString why;
    if (link().open(&why) != OpenOutcome::Opened) {
        if (reason) *reason = why;
        return false;
    }
    w_.LblCOM->setText(PortCaption(state_.link.PortId));
    setWindowTitle(caption(false));

    state_.Recording = false;
    state_.SampleInterval = 2;
    state_.CelsiusMode = true;
    state_.HeaderOn = false;
    showUnitMarkers();
    session_.start();
    return true;
}

void Panel::showUnitMarkers() {
    w_.ImaC->setVisible(state_.CelsiusMode);
    w_.ImaF->setVisible(!state_.CelsiusMode);
}

void Panel::showValues() {
    const Reading& r = state_.live.reading;
    const bool c = state_.CelsiusMode;
    if (w_.LblTemperature->font().pointSize() != kLargeDigitsPt)
        w_.LblTemperature->setFont(ArialFont(kLargeDigitsPt, true));
    w_.LblRH->setText(r.RHText);
    w_.LblGlobe->setText(c ? r.GlobeText : r.GlobeTextF);
    w_.LblTemperature->setText(c ? r.DryText : r.DryTextF);
    w_.lblWet->setText(c ? r.WetText : r.WetTextF);
    w_.LblHi->setText(c ? r.HeatIndexText : r.HeatIndexTextF);
    w_.LblHumidex->setText(c ? r.HumidexText : r.HumidexTextF);
    w_.LblWBGTi->setText(c ? r.WbgtIndoorText : r.WbgtIndoorTextF);
    w_.LblWBGTo->setText(c ? r.WbgtOutdoorText : r.WbgtOutdoorTextF);
    w_.LblDew->setText(c ? r.DewText : r.DewTextF);
    w_.LblWind->setText(c ? r.AirSpeedText : r.AirSpeedTextFtMin);
    w_.LblUnitWind->setText(c ? QStringLiteral("m/s") : QStringLiteral("ft/m"));
    w_.LblTwc->setText(c ? r.WindChillText : r.WindChillTextF);
    const QString deg = c ? QStringLiteral("°C") : QStringLiteral("°F");
    for (QLabel* l : {w_.DegWet, w_.DegGlobe, w_.DegDew, w_.DegHI, w_.DegHumidex, w_.DegWBGTi,
                      w_.DegWBGTo, w_.DegTwc})
        l->setText(deg);
    showDiagnostics();
    showStateIndicators();
}

void Panel::showDiagnostics() {
    const ProbeDiagnostics& d = state_.live.diagnostics;
    for (size_t i = 0; i < d.LblBug.size(); ++i) w_.LblBug[i]->setText(d.LblBug[i]);
    w_.LblAD->setText(d.LblAD);
    w_.LblX->setText(d.LblX);
    w_.LblDer->setText(d.LblDer);
    w_.LblZero->setText(d.LblZero);
    w_.LblOffset->setText(d.LblOffset);
}

// The meter's own indicators that the panel repeats: hold, logging run, memory full, battery.
void Panel::showStateIndicators() {
    const StatusFlags& f = state_.live.flags;
    w_.LblHold->setVisible(f.FlagHold);
    w_.LblRecord->setVisible(f.FlagRun);
    w_.LblFull->setVisible(f.FlagFull || f.FlagMemoryFull);
    w_.LblBt->setVisible(f.FlagBattery);
}

QString Panel::caption(bool withBuild) const {
    const QString c = tr(withBuild ? kCaptionWithBuild : kCaption);
    // Values from the simulated meter are never taken for measured ones.
    return IsSimulatedPort(state_.link.PortId) ? tr("%1 - SIMULADOR").arg(c) : c;
}

void Panel::toggleCaption() {
    setWindowTitle(caption(windowTitle() == caption(false)));
}

bool Panel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == w_.LblCOM2 && event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) toggleCaption();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Panel::closeEvent(QCloseEvent* e) {
    // The exchange in progress ends, the poll stops, and the port is released.
    session_.stop();
    link().close();
    e->accept();
    if (quitOnClose_) QCoreApplication::quit();
}

}  // namespace montira

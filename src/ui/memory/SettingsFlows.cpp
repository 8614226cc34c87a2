#include "ui/memory/SettingsFlows.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "core/memory/MeterSettings.h"
#include "ui/memory/SamplingDialogs.h"

namespace montira {

namespace {

QString NoMeterText() {
    return QCoreApplication::translate("SettingsFlows", "Sem comunicação");
}

// Asks until the answer is empty, cancelled or a number; the number clamped to 1..max.
RangedAnswer Ask(SettingsContext& c, const QString& prompt, const QString& title,
                 const QString& defaultText, int max) {
    for (;;) {
        QString answer;
        if (!c.inputBox(prompt, title, defaultText, &answer)) return {};
        const RangedAnswer a = ParseRangedAnswer(answer, max);
        if (a.kind != RangedAnswer::AskAgain) return a;
        if (c.clock.stopping()) return {};
    }
}

}  // namespace

void UseDesktopDialogs(SettingsContext& c) {
    QWidget* panel = c.panel;
    if (!c.inputBox)
        c.inputBox = [panel](const QString& prompt, const QString& title, const QString& def,
                             QString* answer) {
            bool ok = false;
            QString shown = prompt;
            shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            *answer = QInputDialog::getText(panel, title, shown, QLineEdit::Normal, def, &ok);
            return ok;
        };
    if (!c.minSec) {
        SamplingState* sampling = &c.sampling;  // the context outlives its dialogs
        c.minSec = [panel, sampling] {
            MinSec d(*sampling, panel);
            d.exec();
        };
    }
    if (!c.message)
        c.message = [panel](const QString& text) {
            QMessageBox::critical(
                panel, QCoreApplication::translate("SettingsFlows", "MONTIRA DE STRESS TERMICO"),
                text);
        };
}

void RunMeterSampling(SettingsContext& c) {
    if (c.state.live.flags.FlagRun || c.state.link.KeypadBusy) {
        c.message(QCoreApplication::translate("SettingsFlows", "Erro!Registrando!"));
        return;
    }
    const PausedPoll paused(c.poll);
    const auto reply = ReadSampling(c.port, c.clock, c.state.link);
    if (!reply) {
        c.message(NoMeterText());
        return;
    }
    c.sampling.SamplingByMinutes = reply->byMinutes();
    c.minSec();
    const bool byMinutes = c.sampling.SamplingByMinutes;
    const RangedAnswer a = Ask(c, SamplingPrompt(byMinutes), SamplingTitle(),
                               byMinutes        ? QString::number(reply->minutes)
                               : reply->seconds ? QString::number(*reply->seconds)
                                                : QString(),
                               byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds);
    if (a.kind == RangedAnswer::Value &&
        !SetSampling(c.port, c.clock, c.state.link, byMinutes, a.value))
        c.message(NoMeterText());  // the value never reached the meter
}

void RunPowerOff(SettingsContext& c) {
    const PausedPoll paused(c.poll);
    const auto current = ReadPowerOff(c.port, c.clock, c.state.link);
    if (!current) {
        c.message(NoMeterText());
        return;
    }
    // A reply cut short offers no value of its own.
    const QString shown = *current == kPowerOffUnknown ? QString() : QString::number(*current);
    const RangedAnswer a = Ask(c, PowerOffPrompt(), PowerOffTitle(), shown, kMaxPowerOffSeconds);
    if (a.kind == RangedAnswer::Value) {
        if (!SetPowerOff(c.port, c.clock, c.state.link, a.value))
            c.message(NoMeterText());  // the time never reached the meter
    } else {
        KeepPowerOff(c.port, c.clock, c.state.link);
    }
}

}  // namespace montira

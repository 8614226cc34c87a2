#include "ui/memory/SettingsFlows.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/memory/SamplingDialogs.h"

namespace montira {

namespace {

QString NoMeterText() {
    return QCoreApplication::translate("SettingsFlows", "Sem comunicação");
}

}  // namespace

SettingsFlows::SettingsFlows(AppState& state, MeterLink& link, QWidget* panel)
    : state_(state), link_(link), panel_(panel) {
    inputBox = [panel](const QString& prompt, const QString& title, const QString& def,
                       QString* answer) {
        bool ok = false;
        QString shown = prompt;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        *answer = QInputDialog::getText(panel, title, shown, QLineEdit::Normal, def, &ok);
        return ok;
    };
    minSec = [this] {
        MinSec d(sampling, panel_);
        d.exec();
    };
    message = [panel](const QString& text) {
        QMessageBox::critical(
            panel, QCoreApplication::translate("SettingsFlows", "MONTIRA DE STRESS TERMICO"), text);
    };
}

SettingsFlows::~SettingsFlows() {
    lease_.reset();
    if (exchange_ && !exchange_->finished()) link_.cancel(*exchange_);
}

bool SettingsFlows::step(std::unique_ptr<Exchange> ex, std::function<void()> next) {
    exchange_ = std::move(ex);
    if (link_.run(*exchange_, [this, next = std::move(next)] {
            if (lease_) next();  // a flow ended meanwhile (its owner went) goes no further
        }))
        return true;
    end();
    return false;
}

void SettingsFlows::end() {
    lease_.reset();
}

RangedAnswer SettingsFlows::ask(const QString& prompt, const QString& title,
                                const QString& defaultText, int max) {
    for (;;) {
        QString answer;
        if (!inputBox(prompt, title, defaultText, &answer)) return {};
        const RangedAnswer a = ParseRangedAnswer(answer, max);
        if (a.kind != RangedAnswer::AskAgain) return a;
        if (link_.clock().stopping()) return {};
    }
}

void SettingsFlows::runMeterSampling() {
    if (running()) return;
    if (state_.live.flags.FlagRun || state_.link.KeypadBusy) {
        message(QCoreApplication::translate("SettingsFlows", "Erro!Registrando!"));
        return;
    }
    lease_.emplace(link_.take());
    step(std::make_unique<ReadSampling>(state_.link), [this] { samplingRead(); });
}

void SettingsFlows::samplingRead() {
    const auto reply = static_cast<const ReadSampling&>(*exchange_).setting();
    if (!reply) {
        end();
        message(NoMeterText());
        return;
    }
    sampling.SamplingByMinutes = reply->byMinutes();
    minSec();
    const bool byMinutes = sampling.SamplingByMinutes;
    const RangedAnswer a = ask(SamplingPrompt(byMinutes), SamplingTitle(),
                               byMinutes        ? QString::number(reply->minutes)
                               : reply->seconds ? QString::number(*reply->seconds)
                                                : QString(),
                               byMinutes ? kMaxSamplingMinutes : kMaxSamplingSeconds);
    if (a.kind != RangedAnswer::Value) return end();
    step(std::make_unique<SetSampling>(state_.link, byMinutes, a.value), [this] {
        end();
        // The value never reached the meter.
        if (!static_cast<const SetSampling&>(*exchange_).sent()) message(NoMeterText());
    });
}

void SettingsFlows::runPowerOff() {
    if (running()) return;
    lease_.emplace(link_.take());
    step(std::make_unique<ReadPowerOff>(state_.link), [this] { powerOffRead(); });
}

void SettingsFlows::powerOffRead() {
    const auto current = static_cast<const ReadPowerOff&>(*exchange_).seconds();
    if (!current) {
        end();
        message(NoMeterText());
        return;
    }
    // A reply cut short offers no value of its own.
    const QString shown = *current == kPowerOffUnknown ? QString() : QString::number(*current);
    const RangedAnswer a = ask(PowerOffPrompt(), PowerOffTitle(), shown, kMaxPowerOffSeconds);
    if (a.kind == RangedAnswer::Value) {
        step(std::make_unique<SetPowerOff>(state_.link, a.value), [this] {
            end();
            // The time never reached the meter.
            if (!static_cast<const SetPowerOff&>(*exchange_).sent()) message(NoMeterText());
        });
    } else {
        step(std::make_unique<KeepPowerOff>(state_.link), [this] { end(); });
    }
}

}  // namespace montira

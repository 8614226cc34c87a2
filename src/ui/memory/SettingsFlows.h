#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/AppState.h"
#include "core/link/MeterLink.h"
#include "core/memory/MeterSettings.h"

class QWidget;

namespace montira {

// The toolbar's meter settings: each a flow of exchanges with the dialogs between them. A flow
// keeps the live reader stopped from its first exchange to its last, dialogs included (the
// meter waits for the closing "E" or "A" after "B"). The dialogs default to the desktop ones
// (input box, MinSec, message boxes); tests replace them.
class SettingsFlows {
public:
    SettingsFlows(AppState& state, MeterLink& link, QWidget* panel = nullptr);
    // A flow still running ends here, without its closing exchange.
    ~SettingsFlows();
    SettingsFlows(const SettingsFlows&) = delete;
    SettingsFlows& operator=(const SettingsFlows&) = delete;

    // An input box; false on Cancel.
    std::function<bool(const QString& prompt, const QString& title, const QString& defaultText,
                       QString* answer)>
        inputBox;
    std::function<void()> minSec;                 // MinSec, modal
    std::function<void(const QString&)> message;  // critical message box
    SamplingState sampling{};                     // MinSec's choice

    // "Sample" with the meter's interval chosen: "J" (the busy message while a run or another
    // exchange is in progress; "Sem comunicação" after 10 s of silence), MinSec with the unit
    // of the reply, the input box with the reply's value, then "H" or "I" with the clamped
    // value. Empty answer or Cancel sends nothing; a non-number asks again.
    void runMeterSampling();
    // "PowerOff": "B", the input box with the current time, then "A" and the clamped value,
    // or "E" when the answer is empty or cancelled.
    void runPowerOff();
    // A flow is in progress.
    bool running() const { return lease_.has_value(); }

private:
    // Runs `ex` (kept until the next one) and then `next`; false when the link refused it.
    bool step(std::unique_ptr<Exchange> ex, std::function<void()> next);
    void samplingRead();
    void powerOffRead();
    void end();
    // Asks until the answer is empty, cancelled or a number; the number clamped to 1..max.
    RangedAnswer ask(const QString& prompt, const QString& title, const QString& defaultText,
                     int max);

    AppState& state_;
    MeterLink& link_;
    QWidget* panel_;
    std::unique_ptr<Exchange> exchange_;
    std::optional<MeterLink::Lease> lease_;
};

}  // namespace montira

#pragma once
#include <QString>
#include <functional>

#include "core/AppState.h"
#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/memory/Exchange.h"
#include "core/memory/MeterSettings.h"

class QWidget;

namespace montira {

// What the toolbar's meter settings need around their exchanges. The dialogs default to the
// desktop ones (input box, MinSec, message boxes); tests replace them.
struct SettingsContext {
    AppState& state;
    SerialPort& port;
    Clock& clock;
    PollPause poll;
    QWidget* panel = nullptr;
    // An input box; false on Cancel.
    std::function<bool(const QString& prompt, const QString& title, const QString& defaultText,
                       QString* answer)>
        inputBox;
    std::function<void()> minSec;                 // MinSec, modal
    std::function<void(const QString&)> message;  // critical message box
    SamplingState sampling{};                     // MinSec's choice
};

// Fills the empty dialogs of `c` with the desktop ones.
void UseDesktopDialogs(SettingsContext& c);

// "Sample" with the meter's interval chosen: "J" (the busy message while a run or another
// exchange is in progress; "Sem comunicação" after 10 s of silence), MinSec with the unit of
// the reply, the input box with the reply's value, then "H" or "I" with the clamped value.
// Empty answer or Cancel sends nothing; a non-number asks again.
void RunMeterSampling(SettingsContext& c);

// "PowerOff": "B", the input box with the current time, then "A" and the clamped value, or
// "E" when the answer is empty or cancelled.
void RunPowerOff(SettingsContext& c);

}  // namespace montira

#pragma once
#include <QString>

#include "core/Subscribers.h"
#include "core/record/SampleTick.h"

namespace montira {

// What happens on the live link, as every window that follows the readings learns it: each
// holds one subscription to these events (LiveSession::follow) for as long as it lives.
struct LiveEvent {
    enum Kind {
        Caption,  // LblCOM: the port's name, or "Sem comunicação" on and off while silent
        Frame,    // a new frame is decoded into the live state and shown
        Sample,   // the sample tick (Timer2) took a sample
        Silent,   // the meter is silent: the chart, the live list and the keypad close
    };
    Kind kind;
    QString caption;                          // Caption
    bool visible = true;                      // Caption
    const montira::Sample* sample = nullptr;  // Sample
};

using LiveFollowers = Subscribers<const LiveEvent&>;

}  // namespace montira

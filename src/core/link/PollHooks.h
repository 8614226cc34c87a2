#pragma once
#include <QString>
#include <functional>

namespace montira {

// What the poll and NoDataRoutine do to the windows, as calls the main window (and the
// windows that come and go around it) fill in. An empty hook is skipped.
struct PollHooks {
    std::function<void(const QString&)> setComCaption;  // LblCOM.Caption
    std::function<void(bool)> setComVisible;            // LblCOM.Visible (the blink)
    std::function<void()> showValues;                   // a frame was decoded: show it
    std::function<void()> closeLiveWindows;             // the chart and the live list
    std::function<void()> stopRecording;                // a recording in progress ends
    std::function<void()> closeKeypad;                  // the keypad window, when visible
};

}  // namespace montira

#pragma once
#include <QString>
#include <QStringList>

namespace montira {

// What the command line of montira asks for.
//   montira [--port ID] [--lang pt|en] [--open FILE | FILE]
// --port preselects the entry in the port dialog ("SIM", "3", "/dev/ttyUSB0"); --open FILE
// or a lone file path names a data file to show once the panel is up; --lang chooses the
// interface's language (and is remembered for the next start).
// Hidden, for tests and measurements: --selftest-accept-port presses the port dialog's OK at
// once; --selftest-exit-after-values does that too, prints the panel's values once a frame
// was shown, and ends; --selftest-trace-values presses OK too and prints the panel's values
// after every frame shown, one line each, and keeps running; --selftest-open graph|workload
// presses OK too and opens the real-time chart or the work-load window once values flow.
struct StartOptions {
    QString port;
    QString openFile;
    QString lang;  // "pt", "en" or empty
    bool selftestAcceptPort = false;
    bool selftestExitAfterValues = false;
    bool selftestTraceValues = false;
    enum class Window { None, Graph, WorkLoad } selftestOpen = Window::None;
    QString error;  // not empty: the arguments were not understood
};

// `args` without the program name.
StartOptions ParseStartOptions(const QStringList& args);

}  // namespace montira

#pragma once
#include <QString>
#include <QStringList>

namespace montira::cli {

// montira-cli sim [--pty] [--period SECONDS] [--paced] [--empty-logger] [--full-logger]
// [--no-manual] [--link PATH] [--control], parsed apart from starting the simulated meter.
// On failure `message` is the whole text the command prints on stderr (exit 2).
struct SimArgs {
    double period = 0.25;  // 0.01..3600 s between live frames
    bool paced = false, emptyLogger = false, fullLogger = false, noManual = false;
    bool control = false;
    QString link;
};
bool ParseSimArgs(const QStringList& args, SimArgs& a, QString& message);

}  // namespace montira::cli

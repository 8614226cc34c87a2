#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "core/memory/Keypad.h"

namespace montira::cli {

// The arguments of the commands that talk to the meter briefly, parsed apart from running
// them: no port is opened and nothing is printed. On failure `message` holds the whole text
// the command prints on stderr (its usage line included where the command shows it), and the
// command ends with exit 2.

// montira-cli clock --port DEV [--set] [--timeout S]
struct ClockArgs {
    QString port;
    bool set = false;
    double timeout = 30;
};
bool ParseClockArgs(const QStringList& args, ClockArgs& a, QString& message);

// montira-cli sampling --port DEV [--minutes N | --seconds N] [--timeout S]
struct SamplingArgs {
    QString port;
    double timeout = 30;
    bool set = false;  // a value was given; otherwise the setting is only read
    bool byMinutes = false;
    int value = 0;  // clamped and rounded as the input box does
};
bool ParseSamplingArgs(const QStringList& args, SamplingArgs& a, QString& message);

// montira-cli poweroff --port DEV [--set N] [--timeout S]
struct PowerOffArgs {
    QString port;
    double timeout = 30;
    bool set = false;
    int seconds = 0;  // 1..65535 when set
};
bool ParsePowerOffArgs(const QStringList& args, PowerOffArgs& a, QString& message);

// montira-cli erase --port DEV --yes [--timeout S]: without --yes it is refused.
struct EraseArgs {
    QString port;
    double timeout = 30;
};
bool ParseEraseArgs(const QStringList& args, EraseArgs& a, QString& message);

// montira-cli key --port DEV [--timeout S] KEY...
struct KeyArgs {
    QString port;
    double timeout = 30;
    std::vector<MeterKey> keys;  // at least one, in the order given
};
bool ParseKeyArgs(const QStringList& args, KeyArgs& a, QString& message);

// montira-cli manual --port DEV --out FILE [--fahrenheit] [--timeout S]
struct ManualArgs {
    QString port, out;
    bool fahrenheit = false;
    double timeout = 30;
};
bool ParseManualArgs(const QStringList& args, ManualArgs& a, QString& message);

}  // namespace montira::cli

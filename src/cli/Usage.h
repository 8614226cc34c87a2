#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

namespace montira::cli {

// What `montira-cli --help` and `montira-cli COMMAND --help` print: for each command its
// usage (the very lines its refusals print after their complaint), a one-line summary for the
// list of commands, and what its options mean.
struct CommandHelp {
    const char* name;
    const char* summary;  // one line, for the list of commands
    const char* usage;    // "uso: montira-cli NAME ..." lines, as the refusals print them
    const char* details;  // the options, one per line, indented
};

const std::vector<CommandHelp>& CommandHelps();
const CommandHelp* FindCommandHelp(const char* name);
// The usage lines of a command of the list, as its refusals print them after their complaint.
const char* CommandUsage(const char* name);
// A refusal: "montira-cli COMMAND: COMPLAINT\n" (left out when there is no complaint), then
// the command's usage.
QString RefusalText(const char* command, const QString& complaint);
// Prints that on standard error; returns the usage exit code.
int Refuse(const char* command, const QString& complaint);

// What `montira-cli` alone prints: the commands on one line, and where the help is.
QByteArray ShortUsage();
// `montira-cli --help`: the usage line, the commands with their summaries, the exit codes.
QByteArray OverallHelp();
// `montira-cli COMMAND --help`: its usage, its summary and its options.
QByteArray CommandHelpText(const CommandHelp& c);

// What the arguments after the program name ask for.
struct HelpRequest {
    enum Kind { None, Overall, Command, UnknownCommand } kind = None;
    const CommandHelp* command = nullptr;
    QByteArray name;  // the command named, known or not
};
// "--help", "-h" or "help" first: the overall help, or with a command after it that command's;
// a command followed anywhere by "--help" (or by "-h" right after it): that command's help.
HelpRequest ReadHelpRequest(int argc, const char* const* argv);

}  // namespace montira::cli

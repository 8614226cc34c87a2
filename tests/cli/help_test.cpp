#include <gtest/gtest.h>

#include "support/Processes.h"

// --help as a Linux user expects it: the usage on standard output and exit 0, for the two
// programs and for every command; and each command's help shows the very usage that its
// refusals print, so the two never drift apart.

using montira::test::Cli;
using montira::test::RunResult;

namespace {

struct CommandCase {
    const char* name;
    QStringList refused;  // arguments after the command that it refuses with its usage
};

const CommandCase kCommands[] = {
    {"decode", {}},   {"sim", {"--x"}}, {"record", {}},   {"memory", {}},      {"workload", {}},
    {"clock", {}},    {"sampling", {}}, {"poweroff", {}}, {"erase", {}},       {"key", {}},
    {"manual", {}},   {"print", {}},    {"export", {}},   {"header", {"--x"}}, {"plot", {}},
    {"evaluate", {}}, {"phs", {}},
};

// The help's first lines, up to the blank line: the command's usage.
QString UsageOf(const QByteArray& help) {
    const QString t = QString::fromUtf8(help);
    return t.left(t.indexOf(QStringLiteral("\n\n")) + 1);
}

}  // namespace

TEST(Help, overallHelpListsEveryCommandOnStandardOutput) {
    for (const char* ask : {"--help", "-h", "help"}) {
        const RunResult r = Cli({ask});
        EXPECT_EQ(r.code, 0) << ask;
        EXPECT_TRUE(r.err.isEmpty()) << ask << r.err.constData();
        EXPECT_TRUE(r.out.startsWith("uso: montira-cli COMANDO")) << ask << r.out.constData();
        for (const CommandCase& c : kCommands)
            EXPECT_TRUE(r.out.contains(QByteArray("\n  ") + c.name + ' ')) << ask << c.name;
    }
}

TEST(Help, eachCommandsHelpShowsTheUsageItsRefusalsPrint) {
    for (const CommandCase& c : kCommands) {
        const RunResult help = Cli({c.name, "--help"});
        EXPECT_EQ(help.code, 0) << c.name;
        EXPECT_TRUE(help.err.isEmpty()) << c.name << help.err.constData();
        const QString usage = UsageOf(help.out);
        EXPECT_TRUE(usage.startsWith(QStringLiteral("uso: montira-cli %1 ").arg(c.name)))
            << c.name << help.out.constData();

        const RunResult refused = Cli(QStringList{c.name} + c.refused);
        EXPECT_EQ(refused.code, 2) << c.name;
        EXPECT_TRUE(refused.errText().endsWith(usage)) << c.name << "\nrefusal:\n"
                                                       << refused.err.constData() << "help:\n"
                                                       << qPrintable(usage);

        EXPECT_EQ(Cli({"help", c.name}).out, help.out) << c.name;
        EXPECT_EQ(Cli({c.name, "-h"}).out, help.out) << c.name;
    }
}

TEST(Help, noArgumentsNamesEveryCommandAndExitsTwo) {
    const RunResult r = Cli({});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    const QString first = r.errText().section(u'\n', 0, 0);
    const QStringList named =
        first.section(u' ', 2, 2).split(u'|');  // "uso: montira-cli a|b|c ..."
    for (const CommandCase& c : kCommands)
        EXPECT_TRUE(named.contains(QString::fromLatin1(c.name))) << c.name << qPrintable(first);
}

TEST(Help, helpAfterOtherArgumentsStillHelpsAndTouchesNothing) {
    const RunResult r = Cli({"record", "--port", "/nonexistent/tty", "--out", "/nonexistent/x.plv",
                             "--samples", "1", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("uso: montira-cli record ")) << r.out.constData();
}

TEST(Help, montiraHelpPrintsItsUsageWithoutADisplay) {
    for (const char* ask : {"--help", "-h"}) {
        const RunResult r = montira::test::Run(QStringLiteral(MONTIRA_APP_PATH), {ask});
        EXPECT_EQ(r.code, 0) << ask;
        EXPECT_TRUE(r.out.startsWith("uso: montira [--port ID]")) << r.out.constData();
        EXPECT_TRUE(r.out.contains("--lang pt|en")) << ask;
    }
}

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "support/Processes.h"

// montira-cli record and memory: arguments, a missing device and a meter that never answers.

using montira::test::Cli;
using montira::test::RunResult;

TEST(RecordAndMemoryCommandLine, missingDeviceIsAFailure) {
    QTemporaryDir dir;
    const RunResult r = Cli({"record", "--port", dir.filePath("no-such-tty"), "--out",
                             dir.filePath("x.plv"), "--samples", "1", "--timeout", "1"});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.plv")));
}

TEST(RecordAndMemoryCommandLine, silentMeterGivesSemComunicacaoAndExitThree) {
    // A pseudo-terminal whose other end never says anything.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const QString slave = QString::fromLocal8Bit(::ptsname(master));
    QTemporaryDir dir;
    const RunResult rec = Cli({"record", "--port", slave, "--out", dir.filePath("x.plv"),
                               "--samples", "2", "--timeout", "1.5"});
    EXPECT_EQ(rec.code, 3);
    EXPECT_TRUE(rec.errText().contains("Sem comunicação")) << rec.err.constData();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.plv")));
    const RunResult mem = Cli({"memory", "--port", slave, "--timeout", "1"});
    EXPECT_EQ(mem.code, 3);
    EXPECT_EQ(mem.errText().trimmed(), "Sem comunicação");
    EXPECT_TRUE(mem.out.isEmpty());
    ::close(master);
}

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

// montira-cli record: arguments and a meter that never answers.

namespace {

struct Result {
    int code;
    QByteArray err;
};

Result RunCli(const QStringList& args) {
    QProcess p;
    p.start(MONTIRA_CLI_PATH, args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardError()};
}

}  // namespace

TEST(RecordCommandLine, missingOrBadArgumentsAreUsageErrors) {
    EXPECT_EQ(RunCli({"record"}).code, 2);
    EXPECT_EQ(RunCli({"record", "--port", "/dev/null", "--out", "x.plv"}).code, 2);
    EXPECT_EQ(RunCli({"record", "--port", "/dev/null", "--out", "x.plv", "--samples", "0"}).code,
              2);
    EXPECT_EQ(RunCli({"record", "--port", "/dev/null", "--out", "x.plv", "--samples", "2",
                      "--interval", "86401"})
                  .code,
              2);
    EXPECT_EQ(RunCli({"record", "--port", "/dev/null", "--out", "x.plv", "--samples", "2",
                      "--timeout", "-1"})
                  .code,
              2);
    EXPECT_EQ(
        RunCli({"record", "--port", "/dev/null", "--out", "x.plv", "--samples", "2", "--bogus"})
            .code,
        2);
}

TEST(RecordCommandLine, missingDeviceIsAFailure) {
    QTemporaryDir dir;
    const Result r = RunCli({"record", "--port", dir.filePath("no-such-tty"), "--out",
                             dir.filePath("x.plv"), "--samples", "1", "--timeout", "1"});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.plv")));
}

TEST(RecordCommandLine, silentMeterGivesSemComunicacaoAndExitThree) {
    // A pseudo-terminal whose other end never says anything.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const QString slave = QString::fromLocal8Bit(::ptsname(master));
    QTemporaryDir dir;
    const Result r = RunCli({"record", "--port", slave, "--out", dir.filePath("x.plv"), "--samples",
                             "2", "--timeout", "1.5"});
    ::close(master);
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains("Sem comunicação")) << r.err.constData();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.plv")));
}

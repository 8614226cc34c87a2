#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <QProcess>

namespace {

struct Result {
    int code = -1;
    QString out, err;
};

Result RunCli(const QStringList& args, int waitMs = 30000) {
    QProcess p;
    p.start(QStringLiteral(MONTIRA_CLI_PATH), QStringList{"memory"} + args);
    Result r;
    if (!p.waitForFinished(waitMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// A pseudo-terminal that nobody answers on: a meter that is switched off.
class SilentLine {
public:
    SilentLine() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        path_ = QString::fromLocal8Bit(ptsname(master_));
        keep_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios t{};
        if (keep_ >= 0 && tcgetattr(keep_, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(keep_, TCSANOW, &t);
        }
    }
    ~SilentLine() {
        if (keep_ >= 0) ::close(keep_);
        if (master_ >= 0) ::close(master_);
    }
    QString path() const { return path_; }

private:
    int master_ = -1, keep_ = -1;
    QString path_;
};

}  // namespace

TEST(MemoryCliArgs, missingOrMismatchedOptionsAreUsageErrors) {
    EXPECT_EQ(RunCli({}).code, 2);
    EXPECT_EQ(RunCli({"--port"}).code, 2);
    EXPECT_EQ(RunCli({"--port", "/dev/null", "--set", "1"}).code, 2);      // no --out
    EXPECT_EQ(RunCli({"--port", "/dev/null", "--out", "x.plv"}).code, 2);  // no --set
    EXPECT_EQ(RunCli({"--port", "/dev/null", "--fahrenheit"}).code, 2);
    EXPECT_EQ(RunCli({"--port", "/dev/null", "--set", "0", "--out", "x"}).code, 2);
    const Result r = RunCli({"--port", "/dev/null", "--bogus"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("uso: montira-cli memory")) << r.err.toStdString();
}

TEST(MemoryCliArgs, silentMeterGivesUpAfterTheTimeout) {
    SilentLine line;
    ASSERT_FALSE(line.path().isEmpty());
    const Result r = RunCli({"--port", line.path(), "--timeout", "1"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err.trimmed(), "Sem comunicação");
    EXPECT_TRUE(r.out.isEmpty());
}

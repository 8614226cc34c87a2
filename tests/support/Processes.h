#pragma once
// Child processes and files for the tests that run the built programs.
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStringList>

namespace montira::test {

struct RunResult {
    int code = -1;  // -1: crashed or did not finish in time
    QByteArray out, err;
    QString errText() const { return QString::fromUtf8(err); }
};

inline RunResult Run(const QString& program, const QStringList& args, int waitMs = 60000) {
    QProcess p;
    p.start(program, args);
    RunResult r;
    if (!p.waitForFinished(waitMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    if (p.exitStatus() == QProcess::NormalExit) r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

#ifdef MONTIRA_CLI_PATH
// Only the programs that run the built executables know their paths.
inline RunResult Cli(const QStringList& args, int waitMs = 60000) {
    return Run(QStringLiteral(MONTIRA_CLI_PATH), args, waitMs);
}

// `montira-cli sim --pty` in its own process; its first output line is the device path. With
// --control it takes fault commands on its standard input.
class SimProcess {
public:
    explicit SimProcess(const QStringList& extra = {}) {
        proc_.start(QStringLiteral(MONTIRA_CLI_PATH), QStringList{"sim", "--pty"} + extra);
        if (proc_.waitForStarted(10000)) path_ = nextPath(10000);
    }
    ~SimProcess() { kill(); }
    void kill() {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.kill();
            proc_.waitForFinished(5000);
        }
    }
    QString path() const { return path_; }
    void send(const char* command) {
        proc_.write(QByteArray(command) + '\n');
        proc_.waitForBytesWritten(1000);
    }
    // The path of the next terminal the simulator opens (after a hang-up).
    QString nextPath(int waitMs) {
        QElapsedTimer t;
        t.start();
        while (!proc_.canReadLine() && t.elapsed() < waitMs) proc_.waitForReadyRead(50);
        return QString::fromLocal8Bit(proc_.readLine()).trimmed();
    }

private:
    QProcess proc_;
    QString path_;
};
#endif

// Writes `bytes` to `path` and returns the path; the whole of a file, empty when unreadable.
inline QString WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}
inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a file without their LF (a CR stays); no empty last line.
inline QList<QByteArray> FileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace montira::test

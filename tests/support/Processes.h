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

// `montira-cli sim --pty` in its own process; its first output line is the device path.
class SimProcess {
public:
    explicit SimProcess(const QStringList& extra = {}) {
        proc_.start(QStringLiteral(MONTIRA_CLI_PATH), QStringList{"sim", "--pty"} + extra);
        if (!proc_.waitForStarted(10000)) return;
        QElapsedTimer t;
        t.start();
        while (!proc_.canReadLine() && t.elapsed() < 10000) proc_.waitForReadyRead(100);
        path_ = QString::fromLocal8Bit(proc_.readLine()).trimmed();
    }
    ~SimProcess() { kill(); }
    void kill() {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.kill();
            proc_.waitForFinished(5000);
        }
    }
    QString path() const { return path_; }

private:
    QProcess proc_;
    QString path_;
};
#endif

// The lines of a file without their LF (a CR stays); no empty last line.
inline QList<QByteArray> FileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace montira::test

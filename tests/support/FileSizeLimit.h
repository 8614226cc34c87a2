#pragma once
// A disk that fills up, for the process that sets it: while a FileSizeLimit lives, a write
// that would take a regular file beyond `bytes` fails (EFBIG) after writing what fits, as a
// full disk fails with ENOSPC. Set in a child process (ChildFileSizeLimit) it holds for a
// program under test.
#include <sys/resource.h>

#include <QProcess>
#include <csignal>

namespace montira::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = old_;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

// The same limit for a program that `p` starts (the ignored signal survives exec).
inline void ChildFileSizeLimit(QProcess& p, rlim_t bytes) {
    p.setChildProcessModifier([bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit l{};
        getrlimit(RLIMIT_FSIZE, &l);
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    });
}

}  // namespace montira::test

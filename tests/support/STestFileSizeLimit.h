#pragma once
// Files may grow to a size and no further while one is held: a write beyond fails as on a full
// disk, whoever runs the test (permissions do not bind the superuser, this limit does).
#include <sys/resource.h>

#include <csignal>

class STestFileSizeLimit {
public:
    explicit STestFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~STestFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        ::signal(SIGXFSZ, m_handler);
    }
    STestFileSizeLimit(const STestFileSizeLimit&) = delete;
    STestFileSizeLimit& operator=(const STestFileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    sighandler_t m_handler;
};

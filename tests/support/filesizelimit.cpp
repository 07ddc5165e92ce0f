#include "filesizelimit.h"

#include <csignal>

FileSizeLimit::FileSizeLimit(long long bytes)
{
    // Passing the limit raises SIGXFSZ, which would end the test run.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit limit = m_old;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_old);
}

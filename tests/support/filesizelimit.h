#pragma once

#include <sys/resource.h>

// While alive, no file of this process can grow past the given size, so
// writes that would extend one fail even for root. Restores the old limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
};

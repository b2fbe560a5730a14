#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>

// A disk that fills up, for the life of the object: no file of this process may grow past `bytes`.
// A write that crosses the limit writes what fits and then fails, as a write to a full disk does,
// and the signal the kernel would send for it is ignored. It holds for the whole process and for
// the processes it starts, so it is kept around the one operation under test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::int64_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

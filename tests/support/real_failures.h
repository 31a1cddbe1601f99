#pragma once

// Failures made for real on this machine, for the tests of the file code: a file-size limit
// (which binds the superuser too), FIFOs and a count of the open file descriptors.

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarlen::testing {

// While it lives, a write that would take any file past `bytes` fails with EFBIG, as on a full
// disk. The signal that comes with it ends the test unless the program's start-up step
// (ignoreFileSizeSignal) has run.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &saved_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False when the machine refused the limit; the test then has nothing to show.
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
};

// Makes a FIFO (named pipe) at the path; true on success.
inline bool makeFifo(const std::string &path)
{
    return mkfifo(path.c_str(), 0644) == 0;
}

// Whether the permission bits bind this process (they do not for the superuser).
inline bool permissionsBind()
{
    return geteuid() != 0;
}

// The number of file descriptors this process holds open.
inline int openDescriptorCount()
{
    int count = 0;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd", error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        ++count;
    return count;
}

} // namespace tarlen::testing

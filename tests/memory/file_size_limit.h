#pragma once

// The soft file-size limit lowered while one lives, as a full disk would stop a write, with
// SIGXFSZ ignored so that the write fails with EFBIG. It holds for every file the process
// writes, the test's own output included: keep it short.

#include <sys/resource.h>

#include <csignal>

namespace memory_test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit lowered{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous_{};
    void (*handler_)(int) = nullptr;
};

} // namespace memory_test

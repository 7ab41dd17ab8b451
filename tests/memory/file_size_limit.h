#pragma once

// A file-size limit lowered for a while, as a full disk would stop a write: only the soft
// limit, and only while one of these lives, since it holds for every file the process
// writes (the test's own output included). SIGXFSZ is ignored meanwhile, so a write past
// the limit fails with EFBIG instead of ending the process.

#include <sys/resource.h>

#include <csignal>

namespace memory_test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
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

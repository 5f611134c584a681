// Makes writes past a file size fail while it lives, as on a full disk: the kernel's file-size
// limit makes write(2) fail with EFBIG. The signal the kernel also sends is ignored meanwhile.
#pragma once

#include <signal.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

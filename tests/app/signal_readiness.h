#pragma once

#include <sys/types.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace kolvar {

// True once the process has its own handler for the signal, read from what the kernel reports.
inline bool CatchesSignal(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("SigCgt:")) {
            const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
            return (caught >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

// The program sets up its signal handling once its toolkit has started.
inline bool WaitUntilCatches(pid_t pid, int signal) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (CatchesSignal(pid, signal)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace kolvar

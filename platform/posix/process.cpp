#include "platform/backend.h"

#include <unistd.h>

#include <array>
#include <string>

namespace kolvar {

void WriteErrorLine(std::string_view program, std::string_view message) {
    const std::string line = std::string(program) + ": " + std::string(message) + '\n';
    for (std::size_t written = 0; written < line.size();) {
        const ssize_t count = ::write(STDERR_FILENO, line.data() + written, line.size() - written);
        if (count <= 0) {
            return;
        }
        written += static_cast<std::size_t>(count);
    }
}

// A program may be started with no first word at all; the kernel still knows its file.
std::string ExecutablePath(int argc, char** argv) {
    if (argc > 0 && argv[0] != nullptr && argv[0][0] != '\0') {
        return argv[0];
    }
    std::array<char, 4096> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), static_cast<std::size_t>(length)) : "";
}

}  // namespace kolvar

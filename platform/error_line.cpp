#include "platform/error_line.h"

#include <unistd.h>

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

}  // namespace kolvar

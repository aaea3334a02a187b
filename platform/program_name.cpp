#include "platform/program_name.h"

#include <unistd.h>

namespace kolvar {

std::string ApplicationNameFromPath(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    // A leading dot starts a hidden file's name, not an extension.
    if (dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(name);
}

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

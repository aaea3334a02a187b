#pragma once

#include <filesystem>

namespace kolvar::test {

// A new empty folder under the system's temporary one, removed with all it holds when the
// object dies; an empty path when none could be made.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace kolvar::test

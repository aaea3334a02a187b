#include "platform/posix/file_profile_store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/backend.h"
#include "platform/scope_exit.h"

namespace kolvar {
namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string ConfigHome() {
    if (const char* configured = std::getenv("XDG_CONFIG_HOME");
        configured != nullptr && configured[0] == '/') {
        return configured;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

std::string LastError() {
    return std::strerror(errno);
}

// The file's text, or why there is none. A file that does not exist yet holds no settings.
struct StoredText {
    std::optional<ProfileText> text;
    std::string problem;
};

StoredText ReadStore(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return errno == ENOENT ? StoredText{ProfileText(), {}} : StoredText{{}, LastError()};
    }
    const ScopeExit closed([file] { ::close(file); });
    struct stat status {};
    if (fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        return {std::nullopt, "it is not a file"};
    }
    std::string bytes;
    char buffer[4096];
    for (ssize_t count; (count = ::read(file, buffer, sizeof buffer)) != 0;) {
        if (count < 0) {
            return {std::nullopt, LastError()};
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    std::optional<ProfileText> text = ProfileText::Parse(bytes);
    if (!text) {
        return {std::nullopt, "it holds bytes that are not text and is left as it is"};
    }
    return {std::move(text), {}};
}

bool WriteAll(int file, const std::string& bytes) {
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = ::write(file, bytes.data() + written, bytes.size() - written);
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

// A file beside the old one, with the old one's permissions if there is one.
std::pair<int, std::string> CreateBeside(const std::string& path) {
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0666;
    const std::string fresh = path + "." + std::to_string(getpid()) + ".new";
    ::unlink(fresh.c_str());  // left by a run of the same process id that was stopped
    const int file = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (file >= 0 && mode != 0666) {
        fchmod(file, mode);
    }
    return {file, fresh};
}

// The new text goes to a file beside the old one, synced, and is renamed over it only once it
// is complete: whatever fails, and wherever the program is stopped, the file holds either the
// old text or the new one. Gives why it failed, or nothing.
std::string ReplaceStore(const std::string& path, const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        return error.message();
    }
    const auto [file, fresh] = CreateBeside(path);
    if (file < 0) {
        return LastError();
    }
    const bool complete = WriteAll(file, bytes) && fsync(file) == 0;
    std::string problem = complete ? std::string() : LastError();
    if (::close(file) != 0 && problem.empty()) {
        problem = LastError();
    }
    if (problem.empty() && std::rename(fresh.c_str(), path.c_str()) != 0) {
        problem = LastError();
    }
    if (!problem.empty()) {
        ::unlink(fresh.c_str());
    }
    return problem;
}

}  // namespace

FileProfileStore::FileProfileStore(std::string companyKey, std::string applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

std::string FileProfileStore::FilePath() const {
    const std::string configHome = ConfigHome();
    if (configHome.empty()) {
        return {};
    }
    return configHome + '/' + companyKey_ + '/' + applicationName_ + ".conf";
}

std::optional<std::uint32_t> FileProfileStore::Read(std::string_view section,
                                                    std::string_view key) const {
    const std::optional<ProfileText>& text = Text();
    const std::optional<std::string> stored = text ? text->Value(section, key) : std::nullopt;
    const std::optional<int> value = stored ? ParseProfileInt(*stored) : std::nullopt;
    return value ? std::optional(static_cast<std::uint32_t>(*value)) : std::nullopt;
}

const std::optional<ProfileText>& FileProfileStore::Text() const {
    if (!read_) {
        const std::string path = FilePath();
        text_ = path.empty() ? std::nullopt : ReadStore(path).text;
        read_ = true;
    }
    return text_;
}

// Read again, so that lines and values this program does not write survive as they are now.
bool FileProfileStore::Write(const std::vector<Entry>& entries) {
    read_ = false;
    text_.reset();
    const std::string path = FilePath();
    if (path.empty()) {
        WriteErrorLine(applicationName_,
                       "cannot save settings: no home folder (set HOME or XDG_CONFIG_HOME)");
        return false;
    }
    StoredText stored = ReadStore(path);
    if (!stored.text) {
        Report(stored.problem);
        return false;
    }
    for (const Entry& entry : entries) {
        stored.text->SetValue(entry.section, entry.key,
                              FormatProfileInt(static_cast<int>(entry.value)));
    }
    const std::string problem = ReplaceStore(path, stored.text->ToString());
    if (!problem.empty()) {
        Report(problem);
    }
    return problem.empty();
}

void FileProfileStore::Report(std::string_view problem) const {
    WriteErrorLine(applicationName_,
                   "cannot save settings to " + FilePath() + ": " + std::string(problem));
}

std::unique_ptr<ProfileStore> OpenProfileStore(std::string_view companyKey,
                                               std::string_view applicationName) {
    return std::make_unique<FileProfileStore>(std::string(companyKey),
                                              std::string(applicationName));
}

}  // namespace kolvar

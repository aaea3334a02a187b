#include "platform/profile_store.h"

#include <pwd.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/program_messages.h"

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

// The file's text, or why there is none. A file that does not exist yet holds no settings.
struct StoredText {
    std::optional<ProfileText> text;
    std::string problem;
};

StoredText ReadStore(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {ProfileText(), {}};
    }
    if (!info.isFile()) {
        return {std::nullopt, "it is not a file"};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, file.errorString().toStdString()};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, file.errorString().toStdString()};
    }
    std::optional<ProfileText> text = ProfileText::Parse(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!text) {
        return {std::nullopt, "it holds bytes that are not text and is left as it is"};
    }
    return {std::move(text), {}};
}

// The new text goes to a file beside the old one, synced, and is renamed over it only once it
// is complete: whatever fails, and wherever the program is stopped, the file holds either the
// old text or the new one. Gives why it failed, or nothing.
std::string ReplaceStore(const QString& path, const std::string& bytes) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path.toStdString()).parent_path(),
                                        error);
    if (error) {
        return error.message();
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen as one: a buffered
    // one can reach the disk cut short and still be committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString().toStdString();
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

}  // namespace

ProfileStore::ProfileStore(std::string companyKey, std::string applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    const std::optional<ProfileText>& text = Text();
    if (!text) {
        return defaultValue;
    }
    const std::optional<std::string> stored = text->Value(section, key);
    if (!stored) {
        return defaultValue;
    }
    return ParseProfileInt(*stored).value_or(defaultValue);
}

bool ProfileStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    Entry entry{std::string(section), std::string(key), FormatProfileInt(value)};
    if (openSaves_ > 0) {
        pending_.push_back(std::move(entry));
        return true;
    }
    return Save({std::move(entry)});
}

void ProfileStore::BeginSave() {
    ++openSaves_;
}

bool ProfileStore::EndSave() {
    if (openSaves_ == 0) {
        return false;
    }
    if (--openSaves_ > 0) {
        return true;  // the outermost save writes them
    }
    const std::vector<Entry> entries = std::exchange(pending_, {});
    return entries.empty() || Save(entries);
}

std::string ProfileStore::FilePath() const {
    const std::string configHome = ConfigHome();
    if (configHome.empty()) {
        return {};
    }
    return configHome + '/' + companyKey_ + '/' + applicationName_ + ".conf";
}

const std::optional<ProfileText>& ProfileStore::Text() const {
    if (!read_) {
        const std::string path = FilePath();
        text_ = path.empty() ? std::nullopt : ReadStore(QString::fromStdString(path)).text;
        read_ = true;
    }
    return text_;
}

// Read again, so that lines and values this program does not write survive as they are now.
bool ProfileStore::Save(const std::vector<Entry>& entries) {
    read_ = false;
    text_.reset();
    const QString path = QString::fromStdString(FilePath());
    if (path.isEmpty()) {
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
        stored.text->SetValue(entry.section, entry.key, entry.value);
    }
    const std::string problem = ReplaceStore(path, stored.text->ToString());
    if (!problem.empty()) {
        Report(problem);
    }
    return problem.empty();
}

void ProfileStore::Report(std::string_view problem) const {
    WriteErrorLine(applicationName_,
                   "cannot save settings to " + FilePath() + ": " + std::string(problem));
}

}  // namespace kolvar

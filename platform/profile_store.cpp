#include "platform/profile_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <optional>

#include "platform/profile_text.h"
#include "platform/profile_value.h"

namespace kolvar {
namespace {

QString ConfigHome() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) {
        return configured;
    }
    return QDir::homePath() + QStringLiteral("/.config");
}

// What the file holds: nothing yet when it does not exist, and no text at all when it cannot be
// read or is not a settings file.
std::optional<ProfileText> ReadStore(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return ProfileText();
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return ProfileText::Parse(std::string_view(bytes.constData(), bytes.size()));
}

// The new text goes to a file beside the old one, which is renamed over it only once it is
// complete: a failed write leaves the old file as it was.
bool WriteStore(const QString& path, const ProfileText& text) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string bytes = text.ToString();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

ProfileStore::ProfileStore(std::string companyKey, std::string applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    const std::optional<ProfileText> text = ReadStore(QString::fromStdString(FilePath()));
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
    const QString path = QString::fromStdString(FilePath());
    std::optional<ProfileText> text = ReadStore(path);
    if (!text) {
        return false;
    }
    text->SetValue(section, key, FormatProfileInt(value));
    return WriteStore(path, *text);
}

std::string ProfileStore::FilePath() const {
    const QString path = ConfigHome() + u'/' + QString::fromStdString(companyKey_) + u'/' +
                         QString::fromStdString(applicationName_) + QStringLiteral(".conf");
    return path.toStdString();
}

}  // namespace kolvar

#include "platform/profile_store.h"

#include <QDir>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <optional>

#include "platform/profile_value.h"

namespace kolvar {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ConfigHome() {
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) {
        return configured;
    }
    return QDir::homePath() + QStringLiteral("/.config");
}

QString SettingsKey(std::string_view section, std::string_view key) {
    return FromUtf8(section) + u'/' + FromUtf8(key);
}

// Only a plain text holds a number: a list or a typed value is someone else's entry.
std::optional<int> StoredInt(const QVariant& stored) {
    if (stored.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return ParseProfileInt(stored.toString().toStdString());
}

}  // namespace

ProfileStore::ProfileStore(std::string companyKey, std::string applicationName)
    : companyKey_(std::move(companyKey)), applicationName_(std::move(applicationName)) {}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    const QSettings settings(QString::fromStdString(FilePath()), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return defaultValue;
    }
    return StoredInt(settings.value(SettingsKey(section, key))).value_or(defaultValue);
}

// QSettings writes a new file beside the old one and renames it over it, so a failed write
// leaves the old file as it was. A file it could not read is not overwritten either.
bool ProfileStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    QSettings settings(QString::fromStdString(FilePath()), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    settings.setValue(SettingsKey(section, key), QString::fromStdString(FormatProfileInt(value)));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string ProfileStore::FilePath() const {
    const QString path = ConfigHome() + u'/' + QString::fromStdString(companyKey_) + u'/' +
                         QString::fromStdString(applicationName_) + QStringLiteral(".conf");
    return path.toStdString();
}

}  // namespace kolvar

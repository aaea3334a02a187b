#pragma once

#include <string>
#include <string_view>

namespace kolvar {

// Per-user integers kept across runs, under company key / application name / section / key.
// Values are stored as unsigned 32-bit decimals and read back as two's complement. A missing,
// unreadable or out-of-range entry yields the default; a store that cannot be written is
// left as it was.
class ProfileStore {
public:
    ProfileStore(std::string companyKey, std::string applicationName);

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

    // Where the store lives: $XDG_CONFIG_HOME (or ~/.config)/company/application.conf
    std::string FilePath() const;

private:
    std::string companyKey_;
    std::string applicationName_;
};

}  // namespace kolvar

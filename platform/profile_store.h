#pragma once

#include "platform/profile_text.h"

namespace kolvar {

// Per-user integers kept across runs, under company key / application name / section / key.
// Values are stored as unsigned 32-bit decimals and read back as two's complement. A missing,
// unreadable or out-of-range entry yields the default; a store that cannot be written is
// left as it was, and the failed save is reported on standard error.
//
// The file is read once, when the first value is asked for, and once more at each save, so
// that a save keeps what another copy or the user wrote in the meantime.
class ProfileStore {
public:
    ProfileStore(std::string companyKey, std::string applicationName);

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    // Between BeginSave and EndSave the value waits for EndSave; otherwise it is saved at once.
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

    void BeginSave();
    // The values written since BeginSave reach the file together, in one replace of it.
    bool EndSave();

    // Where the store lives: $XDG_CONFIG_HOME (or ~/.config)/company/application.conf, the home
    // folder being $HOME or else the user's entry in the password database. Empty when there is
    // no home folder.
    std::string FilePath() const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };

    const std::optional<ProfileText>& Text() const;
    bool Save(const std::vector<Entry>& entries);
    void Report(std::string_view problem) const;

    std::string companyKey_;
    std::string applicationName_;
    mutable bool read_ = false;
    mutable std::optional<ProfileText> text_;
    int openSaves_ = 0;
    std::vector<Entry> pending_;
};

}  // namespace kolvar

#pragma once

// Inside the platform only: the per-user settings store of a POSIX desktop, one text file per
// application.

#include <optional>
#include <string>

#include "platform/posix/profile_text.h"
#include "platform/profile_store.h"

namespace kolvar {

// Values live in $XDG_CONFIG_HOME (or ~/.config)/company/application.conf, the home folder being
// $HOME or else the user's entry in the password database, as unsigned 32-bit decimals in
// "[section]" groups of "key=value" lines. The file is read once, when the first value is asked
// for, and once more at each save, so that a save keeps what another copy or the user wrote in
// the meantime; a save replaces the file whole. A store that cannot be written is left as it
// was, and the failed save is reported on standard error.
class FileProfileStore : public ProfileStore {
public:
    FileProfileStore(std::string companyKey, std::string applicationName);

    // Empty when there is no home folder.
    std::string FilePath() const;

protected:
    std::optional<std::uint32_t> Read(std::string_view section,
                                      std::string_view key) const override;
    bool Write(const std::vector<Entry>& entries) override;

private:
    const std::optional<ProfileText>& Text() const;
    void Report(std::string_view problem) const;

    std::string companyKey_;
    std::string applicationName_;
    mutable bool read_ = false;
    mutable std::optional<ProfileText> text_;
};

}  // namespace kolvar

#include "platform/profile_store.h"

#include <utility>

namespace kolvar {

// Values are kept as their 32 bits, and read back as two's complement.
int ProfileStore::GetProfileInt(std::string_view section, std::string_view key,
                                int defaultValue) const {
    const std::optional<std::uint32_t> stored = Read(section, key);
    return stored ? static_cast<int>(*stored) : defaultValue;
}

bool ProfileStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    Entry entry{std::string(section), std::string(key), static_cast<std::uint32_t>(value)};
    if (openSaves_ > 0) {
        pending_.push_back(std::move(entry));
        return true;
    }
    return Write({std::move(entry)});
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
    return entries.empty() || Write(entries);
}

}  // namespace kolvar

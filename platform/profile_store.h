#pragma once

// Inside the platform only: the per-user settings store behind CWinApp's profile calls.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

// Per-user 32-bit integers kept across runs, under company key / application name / section /
// key. A missing, unreadable or out-of-range value yields the default. Writes made between
// BeginSave and EndSave are applied together at EndSave; any other write at once.
class ProfileStore {
public:
    ProfileStore() = default;
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;
    virtual ~ProfileStore() = default;

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);

    void BeginSave();
    // False when the values could not all be saved; the store reports why.
    bool EndSave();

protected:
    struct Entry {
        std::string section;
        std::string key;
        std::uint32_t value = 0;
    };

    // The stored value as the store keeps it, if there is one that is a 32-bit integer.
    virtual std::optional<std::uint32_t> Read(std::string_view section,
                                              std::string_view key) const = 0;
    // Stores all the entries together; false, reported, when they could not be stored.
    virtual bool Write(const std::vector<Entry>& entries) = 0;

private:
    int openSaves_ = 0;
    std::vector<Entry> pending_;
};

}  // namespace kolvar

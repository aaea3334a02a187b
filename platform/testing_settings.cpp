// The settings part of the test seam, the same on every platform.

#include "platform/profile_store.h"
#include "platform/testing.h"

namespace kolvar {

int StoredProfileInt(std::string_view companyKey, std::string_view appName,
                     std::string_view section, std::string_view key, int missing) {
    return OpenProfileStore(companyKey, appName)->GetProfileInt(section, key, missing);
}

}  // namespace kolvar

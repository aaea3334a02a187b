// The part of the test seam that is the same on every platform: the drawing objects' count and
// the settings store.

#include "platform/testing.h"
#include "platform/backend.h"
#include "platform/profile_store.h"
#include "platform/program.h"

namespace kolvar {

int LiveDrawingObjects() {
    return CountedObject::live_;
}

int StoredProfileInt(std::string_view companyKey, std::string_view appName,
                     std::string_view section, std::string_view key, int missing) {
    return OpenProfileStore(companyKey, appName)->GetProfileInt(section, key, missing);
}

}  // namespace kolvar

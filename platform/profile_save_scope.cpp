#include "platform/profile_save_scope.h"

#include "platform/application.h"

namespace kolvar {

ProfileSaveScope::ProfileSaveScope(CWinApp& app) : app_(app) {
    if (app_.store_) {
        app_.store_->BeginSave();
    }
}

ProfileSaveScope::~ProfileSaveScope() {
    if (app_.store_) {
        app_.store_->EndSave();
    }
}

}  // namespace kolvar

#include "app/about_dialog.h"

#include "resources/resource_ids.h"

namespace kolvar {

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUT) {}

}  // namespace kolvar

#pragma once

#include "platform/dialog.h"

namespace kolvar {

// The About box: icon, program name and version, OK.
class CAboutDialog : public CDialog {
public:
    CAboutDialog();
};

}  // namespace kolvar

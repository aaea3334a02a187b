#pragma once

#include "platform/application.h"

namespace kolvar {

// The program: one modal run of the main dialog, then the end.
class CMarkingApp : public CWinApp {
public:
    CMarkingApp();
    bool InitInstance() override;
};

}  // namespace kolvar

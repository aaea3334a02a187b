#include "app/marking_app.h"

#include "app/marking_dialog.h"
#include "platform/application.h"
#include "resources/program_resources.h"

namespace kolvar {
namespace {

constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";

}  // namespace

CMarkingApp::CMarkingApp() {
    AfxSetResourceModule(ProgramResources());
}

// The dialog is local: leaving this function destroys it, and its view saves the selection.
bool CMarkingApp::InitInstance() {
    SetRegistryKey(kCompanyKey);
    CMarkingDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

}  // namespace kolvar

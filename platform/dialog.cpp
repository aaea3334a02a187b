#include "platform/dialog.h"

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/program.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

constexpr std::int32_t kFailed = -1;

// Without a parent of its own, a dialog belongs to the application's main window, unless it
// is that window.
CWnd* ModalOwner(const CWnd& dialog, CWnd* parent) {
    CWnd* owner = parent != nullptr ? parent : AfxGetMainWnd();
    if (owner == &dialog || owner == nullptr || !owner->IsWindow()) {
        return nullptr;
    }
    return owner;
}

}  // namespace

CDialog::CDialog(unsigned templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

std::int32_t CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = AfxGetResourceModule().dialog(templateId_);
    if (dialogTemplate == nullptr || IsWindow()) {
        return kFailed;
    }
    CWnd* owner = ModalOwner(*this, parent_);
    WindowState& state = StateOf(*this);
    state.parent = parent_ != nullptr ? parent_ : owner;
    state.owner = owner;
    state.modalEnded = false;
    state.modalResult = kFailed;
    const ModalRun run(*this);
    RunModalDialog(*this, *dialogTemplate, owner);
    DestroyWindow();
    return state.modalResult;
}

void CDialog::EndDialog(std::int32_t result) {
    WindowState& state = StateOf(*this);
    state.modalResult = result;
    state.modalEnded = true;
    if (IsWindow()) {
        state.native->EndModalRun(result);
    }
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    if (IsWindow()) {
        StateOf(*this).native->SetItemText(id, text);
    }
}

std::string CDialog::GetDlgItemText(int id) const {
    return IsWindow() ? StateOf(*this).native->ItemText(id) : std::string();
}

void CDialog::EnableDlgItem(int id, bool enabled) {
    if (IsWindow()) {
        StateOf(*this).native->EnableItem(id, enabled);
    }
}

void CDialog::GotoDlgCtrl(int id, TextSelection selection) {
    if (IsWindow()) {
        StateOf(*this).native->FocusItem(id, selection);
    }
}

const MessageMap* CDialog::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnCommand<kOkCommand, &CDialog::OnOK>(),
        OnCommand<kCancelCommand, &CDialog::OnCancel>(),
    };
    static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
    return &kMap;
}

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    EndDialog(kOkCommand);
}

void CDialog::OnCancel() {
    EndDialog(kCancelCommand);
}

LRESULT CDialog::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? 1 : 0;
        case WM_CLOSE:
            return SendMessage(WM_COMMAND, kCancelCommand);
        default:
            return CWnd::DefWindowProc(message);
    }
}

}  // namespace kolvar

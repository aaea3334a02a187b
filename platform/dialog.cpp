#include "platform/dialog.h"

#include "platform/application.h"
#include "platform/dialog_widget.h"

namespace kolvar {
namespace {

// Without a parent of its own, a dialog belongs to the application's main window, unless it
// is that window.
CWnd* ModalOwner(const CWnd& dialog, CWnd* parent) {
    CWnd* owner = parent != nullptr ? parent : AfxGetMainWnd();
    if (owner == &dialog || owner == nullptr || !owner->IsWindow()) {
        return nullptr;
    }
    return owner;
}

constexpr long kFailed = -1;

}  // namespace

CDialog::CDialog(unsigned templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

long CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = AfxGetResourceModule().dialog(templateId_);
    if (dialogTemplate == nullptr || IsWindow()) {
        return kFailed;
    }
    CWnd* owner = ModalOwner(*this, parent_);
    ImplOf(*this).parent = parent_ != nullptr ? parent_ : owner;
    ImplOf(*this).modalEnded = false;
    ImplOf(*this).modalResult = kFailed;
    CreateDialogWindow(*this, *dialogTemplate, owner);
    SendMessage(WM_INITDIALOG);
    if (IsWindow() && !ImplOf(*this).modalEnded) {
        RunModalLoop(*this, owner);
    }
    DestroyWindow();
    return ImplOf(*this).modalResult;
}

void CDialog::EndDialog(long result) {
    ImplOf(*this).modalResult = result;
    ImplOf(*this).modalEnded = true;
    EndModalLoop(*this);
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

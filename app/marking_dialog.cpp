#include "app/marking_dialog.h"

#include <memory>
#include <string_view>

#include "app/about_dialog.h"
#include "app/icon_position.h"
#include "platform/menu.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

constexpr int kViewMargin = 5;

}  // namespace

CMarkingDialog::CMarkingDialog(CWnd* parent) : CDialog(IDD_MARKING, parent) {}

const MessageMap* CMarkingDialog::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnWmSysCommand<&CMarkingDialog::OnSysCommand>(),
        OnWmPaint<&CMarkingDialog::OnPaint>(),
        OnWmQueryDragIcon<&CMarkingDialog::OnQueryDragIcon>(),
        OnWmDpiChanged<&CMarkingDialog::OnDpiChanged>(),
    };
    static constexpr MessageMap kMap{&CDialog::ClassMessageMap, kEntries};
    return &kMap;
}

bool CMarkingDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    ShowIcons(GetDpi());

    view_.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, ViewArea(GetDpi()), this,
                   IDC_MARKING_VIEW);
    view_.SetFocus();
    return true;
}

Rect CMarkingDialog::ViewArea(int dpi) const {
    Rect area = GetClientRect();
    const int margin = ScaledForDpi(kViewMargin, dpi);
    InflateRect(area, -margin, -margin);
    return area;
}

// Moved to a monitor of another dpi: the system's rectangle for it, as Windows expects, and the
// view laid out and drawn again at the new size. The dialog manager scales what it knows first.
void CMarkingDialog::OnDpiChanged(int dpi, const Rect& suggested) {
    Default();
    MoveWindow(suggested);
    view_.MoveWindow(ViewArea(dpi));
    view_.ChangeDpi(dpi);
    ShowIcons(dpi);
}

// The title bar's and the task bar's icons in the sizes of the window's dpi; the old ones go
// once the window shows the new.
void CMarkingDialog::ShowIcons(int dpi) {
    auto icon = std::make_unique<Icon>(LoadIcon(IDR_MAINICON, dpi));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
    icon_ = std::move(icon);
}

void CMarkingDialog::AddAboutToSystemMenu() {
    CMenu* systemMenu = GetSystemMenu(false);
    if (systemMenu == nullptr) {
        return;
    }
    const std::string_view aboutText = LoadText(ID_ABOUT_TEXT);
    if (aboutText.empty()) {
        return;
    }
    systemMenu->AppendMenu(MF_SEPARATOR, 0, std::string_view{});
    systemMenu->AppendMenu(MF_STRING, ID_ABOUT, aboutText);
}

// Returns only after the About box has closed, also when the view's menu asked for it.
void CMarkingDialog::OnSysCommand(unsigned id, LPARAM) {
    if ((id & kSystemCommandMask) == ID_ABOUT) {
        CAboutDialog about;
        about.DoModal();
        return;
    }
    Default();
}

void CMarkingDialog::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC surface(*this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(&surface), 0);
    const Rect client = GetClientRect();
    const int dpi = GetDpi();
    const Point at = MinimisedIconPosition(
        {client.Width(), client.Height()},
        {GetSystemMetricsForDpi(SM_CXICON, dpi), GetSystemMetricsForDpi(SM_CYICON, dpi)});
    if (icon_) {
        DrawIcon(surface, at.x, at.y, *icon_);
    }
}

const Icon* CMarkingDialog::OnQueryDragIcon() {
    return icon_.get();
}

}  // namespace kolvar

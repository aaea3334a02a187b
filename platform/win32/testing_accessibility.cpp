// The test seam on Win32: what assistive technology reads and hears, through Active
// Accessibility.

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/testing.h"
#include "platform/win32/menu.h"
#include "platform/win32/testing_internals.h"
#include "platform/win32/window.h"
#include "platform/win32/windows_api.h"

#include <oleacc.h>

namespace kolvar {
namespace {

std::string RoleName(long role) {
    switch (role) {
        case ROLE_SYSTEM_GRAPHIC:
            return "graphic";
        case ROLE_SYSTEM_DIALOG:
            return "dialog";
        case ROLE_SYSTEM_WINDOW:
            return "window";
        case ROLE_SYSTEM_CLIENT:
            return "client";
        case ROLE_SYSTEM_MENUPOPUP:
            return "menu";
        case ROLE_SYSTEM_MENUITEM:
            return "menu item";
        case ROLE_SYSTEM_SEPARATOR:
            return "separator";
        case ROLE_SYSTEM_STATICTEXT:
            return "text";
        case ROLE_SYSTEM_PUSHBUTTON:
            return "push button";
        case ROLE_SYSTEM_TEXT:
            return "editable text";
        default:
            return "other " + std::to_string(role);
    }
}

std::string Take(BSTR text) {
    std::string narrow = text != nullptr ? Utf8Of(text) : std::string();
    SysFreeString(text);
    return narrow;
}

AccessibleFacts FactsOfObject(IAccessible& object) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    AccessibleFacts facts;
    VARIANT role{};
    if (SUCCEEDED(object.get_accRole(self, &role)) && role.vt == VT_I4) {
        facts.role = RoleName(role.lVal);
    }
    VARIANT state{};
    if (SUCCEEDED(object.get_accState(self, &state)) && state.vt == VT_I4) {
        facts.checked = (state.lVal & STATE_SYSTEM_CHECKED) != 0;
    }
    BSTR text = nullptr;
    facts.name = SUCCEEDED(object.get_accName(self, &text)) ? Take(text) : std::string();
    text = nullptr;
    facts.description =
        SUCCEEDED(object.get_accDescription(self, &text)) ? Take(text) : std::string();
    return facts;
}

constexpr ULONG_PTR kDialogClass = 32770;
constexpr LONG_PTR kStaticTypeMask = 0x1F;

// Windows reads the system's own controls through proxies that know their kinds; Wine's reads
// every window as a plain client, so the kind is taken from the window itself, as those proxies
// take it.
std::string RoleOf(HWND hwnd, std::string role) {
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, static_cast<int>(std::size(className)));
    if (lstrcmpiW(className, L"Static") == 0) {
        return (GetWindowLongPtrW(hwnd, GWL_STYLE) & kStaticTypeMask) == LONG_PTR{SS_ICON}
                   ? "graphic"
                   : "text";
    }
    if (lstrcmpiW(className, L"Button") == 0) {
        return "push button";
    }
    return GetClassLongPtrW(hwnd, GCW_ATOM) == kDialogClass ? "dialog" : role;
}

// A screen reader announcing a dialog reads its static texts with it, in order.
std::string DialogText(const AccessibleFacts& dialog) {
    std::string text;
    for (const AccessibleFacts& child : dialog.children) {
        if (child.role == "text") {
            text += (text.empty() ? "" : "\n") + child.name;
        }
    }
    return text;
}

// A window as its client object reads, with its child windows as its children.
AccessibleFacts FactsOfWindow(HWND hwnd) {
    IAccessible* object = nullptr;
    AccessibleFacts facts;
    if (SUCCEEDED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                             __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)))) {
        facts = FactsOfObject(*object);
        object->Release();
    }
    facts.role = RoleOf(hwnd, facts.role);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        facts.children.push_back(FactsOfWindow(child));
    }
    if (facts.role == "dialog" && facts.description.empty()) {
        facts.description = DialogText(facts);
    }
    return facts;
}

// An owner-drawn item's text as Active Accessibility's menu proxy reads it, from the item's data
// in the program's memory as from another process's: an MSAAMENUINFO, whose text ends in a null
// character; none where the data is no such record.
std::wstring OwnerDrawnText(ULONG_PTR itemData) {
    MSAAMENUINFO record{};
    HANDLE process = GetCurrentProcess();
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(itemData), &record, sizeof record,
                           nullptr) ||
        record.dwMSAASignature != MSAA_MENU_SIG) {
        return {};
    }
    std::wstring text(record.cchWText + 1, L'\0');
    if (!ReadProcessMemory(process, record.pszWText, text.data(), text.size() * sizeof(wchar_t),
                           nullptr) ||
        text.back() != L'\0') {
        return {};
    }
    text.pop_back();
    return text;
}

// A menu item's accessible name is its text without the access key's mark. Active Accessibility
// says which item is checked, but not which could be.
AccessibleFacts FactsOfMenu(HMENU menu, std::string name) {
    AccessibleFacts facts{"menu", std::move(name), {}, std::nullopt, false, {}};
    for (int row = 0; row < GetMenuItemCount(menu); ++row) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_DATA;
        item.dwTypeData = text;
        item.cch = static_cast<UINT>(std::size(text));
        GetMenuItemInfoW(menu, static_cast<UINT>(row), TRUE, &item);
        std::wstring label = (item.fType & MFT_OWNERDRAW) != 0 ? OwnerDrawnText(item.dwItemData)
                                                               : std::wstring(text, item.cch);
        std::erase(label, L'&');
        AccessibleFacts entry{
            "menu item", Utf8Of(label), {}, std::nullopt, (item.fState & MFS_CHECKED) != 0, {}};
        if ((item.fType & MFT_SEPARATOR) != 0) {
            entry = {"separator", {}, {}, std::nullopt, false, {}};
        } else if (item.hSubMenu != nullptr) {
            entry.children.push_back(FactsOfMenu(item.hSubMenu, entry.name));
        }
        facts.children.push_back(std::move(entry));
    }
    return facts;
}

struct Listener {
    HWND window;
    int* count;
};

std::vector<Listener>& Listeners() {
    static std::vector<Listener> listeners;
    return listeners;
}

void CALLBACK NoteRename(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG object,
                         LONG child, DWORD /*thread*/, DWORD /*time*/) {
    if (object != OBJID_CLIENT || child != CHILDID_SELF) {
        return;
    }
    for (const Listener& listener : Listeners()) {
        *listener.count += listener.window == hwnd ? 1 : 0;
    }
}

HWINEVENTHOOK& RenameHook() {
    static HWINEVENTHOOK hook = nullptr;
    return hook;
}

}  // namespace

AccessibleFacts AccessibleOf(const CWnd& window) {
    HWND hwnd = HandleOf(&window);
    return hwnd != nullptr ? FactsOfWindow(hwnd) : AccessibleFacts();
}

AccessibleFacts AccessibleOf(const CMenu& menu) {
    const auto* native = static_cast<const Win32Menu*>(NativeOf(menu));
    return native != nullptr ? FactsOfMenu(native->Handle(), {}) : AccessibleFacts();
}

struct NameAnnouncements::State {
    int count = 0;
};

NameAnnouncements::NameAnnouncements(const CWnd& window) : state_(std::make_unique<State>()) {
    if (Listeners().empty()) {
        RenameHook() = SetWinEventHook(
            EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, GetModuleHandleW(nullptr),
            &NoteRename, GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_INCONTEXT);
    }
    Listeners().push_back({HandleOf(&window), &state_->count});
}

NameAnnouncements::~NameAnnouncements() {
    std::erase_if(Listeners(),
                  [this](const Listener& listener) { return listener.count == &state_->count; });
    if (Listeners().empty()) {
        UnhookWinEvent(RenameHook());
    }
}

int NameAnnouncements::Count() const {
    return state_->count;
}

}  // namespace kolvar

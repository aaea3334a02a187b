#include "platform/win32/accessible_graphic.h"

#include <string>

#include "platform/win32/com_object.h"
#include "platform/win32/window.h"

#include <oleacc.h>

namespace kolvar {
namespace {

// Active Accessibility, loaded when a client first asks for it: most runs have none, and its
// libraries would cost every start their loading.
struct ActiveAccessibility {
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocStringLen) sysAllocStringLen;
    decltype(&LoadRegTypeLib) loadRegTypeLib;
    decltype(&DispGetIDsOfNames) dispGetIDsOfNames;
    decltype(&DispInvoke) dispInvoke;

    explicit operator bool() const {
        return createStdAccessibleObject != nullptr && lresultFromObject != nullptr &&
               sysAllocStringLen != nullptr && loadRegTypeLib != nullptr &&
               dispGetIDsOfNames != nullptr && dispInvoke != nullptr;
    }
};

// The Accessibility type library, which the system registers with oleacc.dll.
constexpr GUID kAccessibilityLibrary = {
    0x1ea4dbf0, 0x3c3b, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

const ActiveAccessibility& LoadedActiveAccessibility() {
    static const ActiveAccessibility functions{
        SystemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll",
                                                             "CreateStdAccessibleObject"),
        SystemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        SystemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen"),
        SystemFunction<decltype(&LoadRegTypeLib)>(L"oleaut32.dll", "LoadRegTypeLib"),
        SystemFunction<decltype(&DispGetIDsOfNames)>(L"oleaut32.dll", "DispGetIDsOfNames"),
        SystemFunction<decltype(&DispInvoke)>(L"oleaut32.dll", "DispInvoke")};
    return functions;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Answer(const std::wstring& text, BSTR* answer) {
    if (answer == nullptr) {
        return E_INVALIDARG;
    }
    *answer =
        LoadedActiveAccessibility().sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The system's proxy answers all but the name, the description and the role of the window
// itself, which come from its CWnd for as long as the window is the program's.
class AccessibleGraphic final : public ComObject<IAccessible, IDispatch> {
public:
    AccessibleGraphic(HWND hwnd, IAccessible* proxy) : hwnd_(hwnd), proxy_(proxy) {}

    // Scripting clients call IAccessible through IDispatch, which the system's type library
    // describes; without that library there is no type information to offer.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_INVALIDARG;
        }
        *count = TypeInfo() != nullptr ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (info == nullptr) {
            return E_INVALIDARG;
        }
        *info = index == 0 ? TypeInfo() : nullptr;
        if (*info == nullptr) {
            return DISP_E_BADINDEX;
        }
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return TypeInfo() != nullptr
                   ? LoadedActiveAccessibility().dispGetIDsOfNames(TypeInfo(), names, count, ids)
                   : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrongArgument) override {
        if (!IsEqualIID(iid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        return TypeInfo() != nullptr ? LoadedActiveAccessibility().dispInvoke(
                                           static_cast<IAccessible*>(this), TypeInfo(), id, flags,
                                           parameters, result, exception, wrongArgument)
                                     : E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const Win32Window* window = OwnWindow(child);
        return window != nullptr ? Answer(window->AccessibleName(), name)
                                 : proxy_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const Win32Window* window = OwnWindow(child);
        return window != nullptr ? Answer(window->AccessibleDescription(), description)
                                 : proxy_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) {
            return E_INVALIDARG;
        }
        if (OwnWindow(child) == nullptr) {
            return proxy_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_GRAPHIC;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return proxy_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return proxy_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return proxy_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return proxy_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return proxy_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return proxy_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return proxy_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return proxy_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return proxy_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return proxy_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return proxy_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return proxy_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return proxy_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return proxy_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return proxy_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return proxy_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return proxy_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return proxy_->put_accValue(child, value);
    }

private:
    ~AccessibleGraphic() {
        if (typeInfo_ != nullptr) {
            typeInfo_->Release();
        }
        proxy_->Release();
    }

    ITypeInfo* TypeInfo() {
        if (typeInfo_ == nullptr) {
            ITypeLib* library = nullptr;
            if (SUCCEEDED(LoadedActiveAccessibility().loadRegTypeLib(kAccessibilityLibrary, 1, 1, 0,
                                                                     &library))) {
                library->GetTypeInfoOfGuid(__uuidof(IAccessible), &typeInfo_);
                library->Release();
            }
        }
        return typeInfo_;
    }

    // The window's own texts, while it is still the program's window.
    const Win32Window* OwnWindow(const VARIANT& child) const {
        const CWnd* window = IsSelf(child) ? WindowOfHandle(hwnd_) : nullptr;
        return window != nullptr ? Win32WindowOf(*window) : nullptr;
    }

    HWND hwnd_;
    IAccessible* proxy_;
    ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace

// The object is made afresh for each request, and the reference the system hands on keeps it;
// none where it cannot be made.
LRESULT AnswerAccessibleGraphic(HWND hwnd, WPARAM flags) {
    const ActiveAccessibility& accessibility = LoadedActiveAccessibility();
    IAccessible* proxy = nullptr;
    if (!accessibility ||
        FAILED(accessibility.createStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                       reinterpret_cast<void**>(&proxy)))) {
        return 0;
    }
    auto* graphic = new AccessibleGraphic(hwnd, proxy);
    const LRESULT answer = accessibility.lresultFromObject(__uuidof(IAccessible), flags, graphic);
    graphic->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace kolvar

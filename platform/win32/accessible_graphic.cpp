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

    explicit operator bool() const {
        return createStdAccessibleObject != nullptr && lresultFromObject != nullptr &&
               sysAllocStringLen != nullptr;
    }
};

const ActiveAccessibility& LoadedActiveAccessibility() {
    static const ActiveAccessibility functions{
        SystemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll",
                                                             "CreateStdAccessibleObject"),
        SystemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
        SystemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen")};
    return functions;
}

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Answer(const std::wstring& text, BSTR* answer) {
    *answer =
        LoadedActiveAccessibility().sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

// The system's proxy answers all but the name, the description and the role of the window
// itself, which come from its CWnd for as long as the window is the program's.
class AccessibleGraphic final : public ComObject<IAccessible, IDispatch> {
public:
    AccessibleGraphic(HWND hwnd, IAccessible* proxy) : hwnd_(hwnd), proxy_(proxy) {}

    // No type information: clients read IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
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
    ~AccessibleGraphic() { proxy_->Release(); }

    // The window's own texts, while it is still the program's window.
    const Win32Window* OwnWindow(const VARIANT& child) const {
        const CWnd* window = IsSelf(child) ? WindowOfHandle(hwnd_) : nullptr;
        return window != nullptr ? Win32WindowOf(*window) : nullptr;
    }

    HWND hwnd_;
    IAccessible* proxy_;
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

#include "platform/win32/automation_element.h"

#include <atomic>

#include "platform/win32/com_object.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

struct Strings {
    decltype(&SysAllocStringLen) allocate;
    decltype(&SysFreeString) free;
};

const Strings& LoadedStrings() {
    static const Strings functions{
        SystemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen"),
        SystemFunction<decltype(&SysFreeString)>(L"oleaut32.dll", "SysFreeString")};
    return functions;
}

// A string handed to UI Automation for the length of one call.
class LentString {
public:
    explicit LentString(const std::wstring& text)
        : text_(LoadedStrings().allocate != nullptr && LoadedStrings().free != nullptr
                    ? LoadedStrings().allocate(text.data(), static_cast<UINT>(text.size()))
                    : nullptr) {}
    ~LentString() {
        if (text_ != nullptr) {
            LoadedStrings().free(text_);
        }
    }
    LentString(const LentString&) = delete;
    LentString& operator=(const LentString&) = delete;

    BSTR Get() const { return text_; }

private:
    BSTR text_;
};

// A string the caller frees, as a property's value.
HRESULT Answer(const std::wstring& text, VARIANT& value) {
    if (LoadedStrings().allocate == nullptr) {
        return E_OUTOFMEMORY;
    }
    value.bstrVal = LoadedStrings().allocate(text.data(), static_cast<UINT>(text.size()));
    if (value.bstrVal == nullptr) {
        return E_OUTOFMEMORY;
    }
    value.vt = VT_BSTR;
    return S_OK;
}

}  // namespace

UiAutomationFunctions& LoadedUiAutomation() {
    using Functions = UiAutomationFunctions;
    constexpr wchar_t kLibrary[] = L"uiautomationcore.dll";
    static Functions functions{
        SystemFunction<Functions::ReturnProvider>(kLibrary, "UiaReturnRawElementProvider"),
        SystemFunction<Functions::HostProvider>(kLibrary, "UiaHostProviderFromHwnd"),
        SystemFunction<Functions::RaisePropertyChanged>(kLibrary,
                                                        "UiaRaiseAutomationPropertyChangedEvent"),
        SystemFunction<Functions::ClientsAreListening>(kLibrary, "UiaClientsAreListening"),
        SystemFunction<Functions::RaiseNotification>(kLibrary, "UiaRaiseNotificationEvent")};
    return functions;
}

// The host provider, from the window's handle, gives the place, state and parent; this one the
// name, the description and the kind of the window itself, from its CWnd for as long as the
// window is the program's and has not been withdrawn.
class AutomationProvider final : public ComObject<IRawElementProviderSimple> {
public:
    explicit AutomationProvider(HWND hwnd) : hwnd_(hwnd) {}

    // Calls come on the window's own thread, where its texts are.
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        if (options == nullptr) {
            return E_INVALIDARG;
        }
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                                ProviderOptions_UseComThreading);
        return S_OK;
    }
    // A picture offers nothing to do.
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID /*pattern*/,
                                                 IUnknown** provider) override {
        if (provider == nullptr) {
            return E_INVALIDARG;
        }
        *provider = nullptr;
        return Window() != nullptr ? S_OK : kElementNotAvailable;
    }
    // What is left empty the host provider answers.
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override {
        if (value == nullptr) {
            return E_INVALIDARG;
        }
        value->vt = VT_EMPTY;
        const Win32Window* window = Window();
        if (window == nullptr) {
            return kElementNotAvailable;
        }
        switch (property) {
            case UIA_NamePropertyId:
                return Answer(window->AccessibleName(), *value);
            // Narrator before the full description read the help text.
            case UIA_FullDescriptionPropertyId:
            case UIA_HelpTextPropertyId:
                return Answer(window->AccessibleDescription(), *value);
            case UIA_ControlTypePropertyId:
                value->vt = VT_I4;
                value->lVal = kImageControlType;
                return S_OK;
            default:
                return S_OK;
        }
    }
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (host == nullptr) {
            return E_INVALIDARG;
        }
        *host = nullptr;
        if (Window() == nullptr) {
            return kElementNotAvailable;
        }
        const auto hostOf = LoadedUiAutomation().hostProviderFromHwnd;
        return hostOf != nullptr ? hostOf(hwnd_, host) : E_FAIL;
    }

    void Withdraw() { hwnd_ = nullptr; }

private:
    ~AutomationProvider() = default;

    const Win32Window* Window() const {
        const CWnd* window = WindowOfHandle(hwnd_);
        return window != nullptr ? Win32WindowOf(*window) : nullptr;
    }

    std::atomic<HWND> hwnd_;
};

AutomationElement::AutomationElement(HWND hwnd)
    : hwnd_(hwnd), provider_(new AutomationProvider(hwnd)) {}

// UI Automation keeps the providers that raised events for Active Accessibility's clients, until
// it hears that the window is gone; calls on references held elsewhere find the element gone.
AutomationElement::~AutomationElement() {
    provider_->Withdraw();
    if (const auto returnProvider = LoadedUiAutomation().returnRawElementProvider) {
        returnProvider(hwnd_, 0, 0, nullptr);
    }
    provider_->Release();
}

LRESULT AutomationElement::Answer(WPARAM wParam, LPARAM lParam) const {
    const auto returnProvider = LoadedUiAutomation().returnRawElementProvider;
    return returnProvider != nullptr ? returnProvider(hwnd_, wParam, lParam, provider_) : 0;
}

// Narrator speaks a notification even where the name it read is unchanged; it takes the most
// recent one of a quick series of choices.
void AutomationElement::AnnounceName(const std::wstring& previous, const std::wstring& name) const {
    const UiAutomationFunctions& automation = LoadedUiAutomation();
    if (automation.clientsAreListening == nullptr || automation.clientsAreListening() == FALSE) {
        return;
    }
    const LentString text(name);
    if (automation.raisePropertyChanged != nullptr && previous != name) {
        const LentString before(previous);
        VARIANT oldValue{};
        oldValue.vt = VT_BSTR;
        oldValue.bstrVal = before.Get();
        VARIANT newValue{};
        newValue.vt = VT_BSTR;
        newValue.bstrVal = text.Get();
        automation.raisePropertyChanged(provider_, UIA_NamePropertyId, oldValue, newValue);
    }
    if (automation.raiseNotification != nullptr) {
        const LentString activity(L"kolvar.choice");
        automation.raiseNotification(provider_, kNotificationActionCompleted,
                                     kNotificationMostRecent, text.Get(), activity.Get());
    }
}

}  // namespace kolvar

#include "platform/win32/automation_element.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "menu/marking_view.h"
#include "platform/backend.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/testing_internals.h"
#include "platform/win32/window.h"
#include "tests/app/app_fixture.h"

#include <objbase.h>

namespace kolvar {
namespace {

constexpr LPARAM kUiaRoot = -25;
constexpr auto kGone = static_cast<HRESULT>(0x80040201);  // UIA_E_ELEMENTNOTAVAILABLE

// What the windows handed UI Automation, taken instead of the system's functions, and each
// notification they raised as "kind processing text".
std::vector<IRawElementProviderSimple*> handed;
std::vector<std::string> notified;

LRESULT WINAPI TakeProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple* provider) {
    if (provider != nullptr) {
        provider->AddRef();
    }
    handed.push_back(provider);
    return provider != nullptr ? 1 : 0;
}
BOOL WINAPI Listening() {
    return TRUE;
}
HRESULT WINAPI Note(IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR) {
    notified.push_back(std::to_string(kind) + ' ' + std::to_string(processing) + ' ' +
                       Utf8Of(text));
    return S_OK;
}

std::string Text(IRawElementProviderSimple& provider, PROPERTYID property) {
    VARIANT value{};
    const bool read = SUCCEEDED(provider.GetPropertyValue(property, &value));
    const std::string text = read && value.vt == VT_BSTR ? Utf8Of(value.bstrVal) : "not text";
    VariantClear(&value);
    return text;
}

class Automation : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        LoadedUiAutomation() = {&TakeProvider, nullptr, nullptr, &Listening, &Note};
        created = view.CreateEx(0, WS_VISIBLE, {40, 40, 510, 355}, nullptr, 0);
    }
    void TearDown() override {
        view.DestroyWindow();
        LoadedUiAutomation() = system;
        for (IRawElementProviderSimple* provider : handed) {
            if (provider != nullptr) {
                provider->Release();
            }
        }
        handed.clear();
        notified.clear();
    }
    LRESULT AskForProvider(const CWnd& window) const {
        return SendMessageW(HandleOf(&window), WM_GETOBJECT, 0, kUiaRoot);
    }

    const UiAutomationFunctions system = LoadedUiAutomation();
    CMarkingView view;
    bool created = false;
};

// The provider answers for the view until the view goes, and is then let go of. Each choice is
// announced as an action completed, the most recent one counting, also where the value stays.
TEST_F(Automation, ReadsTheValueAndTheColoursAsAPictureAndHearsEachChoiceUntilTheViewGoes) {
    ASSERT_TRUE(created);
    ASSERT_EQ(AskForProvider(view), 1);
    IRawElementProviderSimple& provider = *handed.at(0);
    EXPECT_EQ(Text(provider, UIA_NamePropertyId), "12 кОм ± 10 %");
    EXPECT_EQ(Text(provider, UIA_FullDescriptionPropertyId),
              "коричневый, красный, оранжевый, серебристый");
    EXPECT_EQ(Text(provider, UIA_HelpTextPropertyId),
              Text(provider, UIA_FullDescriptionPropertyId));
    VARIANT kind{};
    EXPECT_EQ(provider.GetPropertyValue(UIA_ControlTypePropertyId, &kind), S_OK);
    EXPECT_EQ(kind.vt == VT_I4 ? kind.lVal : 0, 50006);
    EXPECT_EQ(provider.GetPropertyValue(UIA_NamePropertyId, nullptr), E_INVALIDARG);
    view.SendMessage(WM_COMMAND, 35041, 0);
    view.SendMessage(WM_COMMAND, 35041, 0);
    EXPECT_EQ(notified, std::vector<std::string>(2, "2 3 120 кОм ± 10 %"));
    EXPECT_EQ(Text(provider, UIA_NamePropertyId), "120 кОм ± 10 %");
    view.DestroyWindow();
    EXPECT_EQ(handed.back(), nullptr);
    EXPECT_EQ(provider.GetPropertyValue(UIA_NamePropertyId, &kind), kGone);
}

// The program's own thread, not the tests' apartment: the thread enters one as it hands the
// object out, and leaves it with the event loop.
TEST_F(Automation, TheWindowsThreadIsInASingleThreadedApartmentOnceItHandsAnObjectOut) {
    APTTYPE type = APTTYPE_MTA;
    std::thread([&type] {
        int argc = 0;
        std::unique_ptr<EventLoop> loop = StartEventLoop(argc, nullptr, kTestAppName);
        CWnd window;
        window.CreateEx(0, 0, {0, 0, 20, 20}, nullptr, 0);
        window.SetAccessibleText("a", "b");
        SendMessageW(HandleOf(&window), WM_GETOBJECT, 0, kUiaRoot);
        APTTYPEQUALIFIER qualifier{};
        CoGetApartmentType(&type, &qualifier);
        window.DestroyWindow();
    }).join();
    EXPECT_EQ(type, APTTYPE_STA);
}

}  // namespace
}  // namespace kolvar

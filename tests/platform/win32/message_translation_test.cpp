#include "platform/win32/message_translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/menu.h"
#include "platform/scope_exit.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "platform/win32/menu.h"
#include "platform/win32/surface.h"
#include "platform/win32/testing_internals.h"
#include "platform/win32/window.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/support/row_name.h"

#include <oleacc.h>

namespace kolvar {
namespace {

LRESULT Translate(UINT message, WPARAM wParam, LPARAM lParam,
                  const std::function<LRESULT(const Message&)>& handler) {
    return DispatchTranslated({message, wParam, lParam}, handler, [] { return LRESULT{-7}; });
}

TEST(MessageTranslation, DrawItemsDeviceContextReachesTheHandlerAsASurfaceThatDrawsOnIt) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    const ScopeExit release([&] {
        ::SelectObject(dc, original);
        DeleteDC(dc);
        DeleteObject(bitmap);
    });
    ::DRAWITEMSTRUCT raw{ODT_MENU, 0,  35010,        ODA_SELECT, ODS_SELECTED | ODS_CHECKED,
                         nullptr,  dc, {0, 1, 4, 3}, 0xC0FFEE};
    DRAWITEMSTRUCT seen;
    Translate(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&raw), [&seen](const Message& message) {
        seen = *reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam);
        seen.hDC->FillRect(seen.rcItem, Brush(Rgb(10, 20, 30)));
        return LRESULT{1};
    });
    EXPECT_EQ(seen.itemID, 35010U);
    EXPECT_EQ(seen.itemAction, ODA_SELECT);
    EXPECT_EQ(seen.itemState, ODS_SELECTED | ODS_CHECKED);
    EXPECT_EQ(seen.itemData, 0xC0FFEEU);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0U) << "above the item";
    EXPECT_EQ(pixels[4 * 2 + 3] & 0xFFFFFF, 0x0A141EU) << "inside the item";
}

// WM_DRAWITEM's contract: the context goes back to the system in the state it was lent in,
// whatever the item's drawing set.
TEST(MessageTranslation, DrawItemsDeviceContextGoesBackAsItCame) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const ScopeExit release([dc] { DeleteDC(dc); });
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkColor(dc, RGB(4, 5, 6));
    ::SetBkMode(dc, OPAQUE);
    SetDCPenColor(dc, RGB(7, 8, 9));
    SetDCBrushColor(dc, RGB(10, 11, 12));
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    ::DRAWITEMSTRUCT raw{ODT_MENU, 0, 35010, ODA_DRAWENTIRE, 0, nullptr, dc, {0, 0, 4, 4}, 0};
    Translate(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&raw), [](const Message& message) {
        Surface& surface = *reinterpret_cast<DRAWITEMSTRUCT*>(message.lParam)->hDC;
        surface.SetTextColor(Rgb(200, 0, 0));
        surface.SetBkColor(Rgb(0, 200, 0));
        surface.SetBkMode(TRANSPARENT);
        surface.FillRect(Rect{0, 0, 4, 4}, Brush(Rgb(0, 0, 200)));
        Pen frame(Rgb(220, 214, 160));
        Brush fill(Rgb(9, 9, 9));
        const Selected selectedPen(surface, frame);
        const Selected selectedBrush(surface, fill);
        surface.Rectangle(0, 0, 4, 4);
        ::SelectObject(static_cast<Win32Surface&>(NativeOf(surface)).Handle(),
                       GetStockObject(NULL_PEN));
        return LRESULT{1};
    });
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetDCPenColor(dc), RGB(7, 8, 9));
    EXPECT_EQ(GetDCBrushColor(dc), RGB(10, 11, 12));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
}

TEST(MessageTranslation, MeasureItemsSizeGoesBackToTheSystem) {
    ::MEASUREITEMSTRUCT raw{ODT_MENU, 0, 35010, 0, 0, 0xBEEF};
    std::uintptr_t data = 0;
    Translate(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&raw), [&data](const Message& message) {
        auto& request = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.lParam);
        data = request.itemData;
        request.itemWidth = 123;
        request.itemHeight = 19;
        return LRESULT{1};
    });
    EXPECT_EQ(data, 0xBEEFU);
    EXPECT_EQ(raw.itemWidth, 123U);
    EXPECT_EQ(raw.itemHeight, 19U);
}

TEST(MessageTranslation, ContextMenusWindowHandleBecomesItsWindowAndTheIconItsHandle) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, 0, {0, 0, 20, 20}, nullptr, 0));
    std::vector<WPARAM> clicked;
    const auto note = [&clicked](const Message& message) {
        clicked.push_back(message.wParam);
        return LRESULT{0};
    };
    Translate(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(HandleOf(&window)), MAKELPARAM(3, 4), note);
    Translate(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GetDesktopWindow()), -1, note);
    EXPECT_EQ(clicked, (std::vector<WPARAM>{reinterpret_cast<WPARAM>(&window), 0}));

    AfxSetResourceModule(ProgramResources());
    const Icon icon = LoadIcon(128);
    const LRESULT dragged = Translate(WM_QUERYDRAGICON, 0, 0, [&icon](const Message&) {
        return reinterpret_cast<LRESULT>(&icon);
    });
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(dragged), &parts));
    BITMAP colour{};
    GetObjectW(parts.hbmColor, sizeof colour, &colour);
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXICON));
}

// The owner measures and draws each owner-drawn item with the item's data, and learns which is
// checked; the chosen command reaches it once the menu's loop has ended.
class MenuOwner : public CWnd {
public:
    std::vector<std::uintptr_t> measured;
    std::vector<std::pair<std::uintptr_t, bool>> drawn;
    std::vector<std::pair<unsigned, int>> commands;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmMeasureItem<&MenuOwner::OnMeasureItem>(),
            OnWmDrawItem<&MenuOwner::OnDrawItem>(),
            OnCommandRange<1, 0xFFFF, &MenuOwner::OnCommand>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
        measured.push_back(item.itemData);
        item.itemWidth = 80;
        item.itemHeight = 20;
    }
    void OnDrawItem(int, DRAWITEMSTRUCT& item) {
        drawn.emplace_back(item.itemData, (item.itemState & ODS_CHECKED) != 0);
    }
    void OnCommand(unsigned id) { commands.emplace_back(id, EventLoopDepth()); }
};

TEST(OwnerDrawnMenu, ItemsAreMeasuredAndDrawnWithTheirDataAndTheCommandComesAfterTracking) {
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {100, 100, 300, 200}, nullptr, 0));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_OWNERDRAW | MF_CHECKED, 41, ItemData{0xC0FFEE}, "checked");
    menu.AppendMenu(MF_OWNERDRAW, 42, ItemData{0xBEEF}, "plain");
    // By the mouse: a pointer that the display moves late, off the menu, takes its selection
    // away, and keys pressed before then would choose another item.
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(0, 150, 150, owner); },
                     [] { ClickMenuItem(1, MouseButton::Left); });
    EXPECT_EQ(owner.measured, (std::vector<std::uintptr_t>{0xC0FFEE, 0xBEEF}));
    using Drawn = std::pair<std::uintptr_t, bool>;
    EXPECT_NE(std::find(owner.drawn.begin(), owner.drawn.end(), Drawn{0xC0FFEE, true}),
              owner.drawn.end());
    EXPECT_NE(std::find(owner.drawn.begin(), owner.drawn.end(), Drawn{0xBEEF, false}),
              owner.drawn.end());
    EXPECT_EQ(owner.commands, (std::vector<std::pair<unsigned, int>>{{42, 0}}));
}

// The system matches typed characters only against items' strings. It asks the owner about the
// rest, which answers with the item to choose or, of several with the key, to highlight.
TEST(OwnerDrawnMenu, TheOwnerAnswersATypedCharacterWithTheItemToChooseOrHighlight) {
    MenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, 0, {0, 0, 20, 20}, nullptr, 0));
    CMenu menu;
    menu.CreatePopupMenu();
    for (const char* text : {"1, чёрный", "10, коричневый", "2, красный"}) {
        menu.AppendMenu(MF_OWNERDRAW, 40, ItemData{0}, text);
    }
    const auto handle = reinterpret_cast<LPARAM>(static_cast<Win32Menu*>(NativeOf(menu))->Handle());
    const auto answer = [&](wchar_t typed) {
        return SendMessageW(HandleOf(&owner), WM_MENUCHAR, MAKEWPARAM(typed, MF_POPUP), handle);
    };
    EXPECT_EQ(answer(L'2'), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_EQ(answer(L'1'), MAKELRESULT(0, MNC_SELECT));
}

// Hears the end of the session as the view does, to save.
class SessionProbe : public CWnd {
public:
    std::vector<bool> heard;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmEndSession<&SessionProbe::OnEndSession>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnEndSession(bool ending) { heard.push_back(ending); }
};

// Another program's tool subclasses a window of the program's, as accessibility and input tools
// do: its procedure comes first and hands every message on.
WNDPROC& SubclassedProcedure() {
    static WNDPROC procedure = nullptr;
    return procedure;
}

LRESULT CALLBACK ForeignProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(SubclassedProcedure(), hwnd, message, wParam, lParam);
}

struct SessionEndRow {
    std::string name;
    BOOL ending;
    bool subclassed;
    std::vector<bool> heard;
};

void PrintTo(const SessionEndRow& row, std::ostream* out) {
    *out << row.name;
}

class SessionEnd : public testing::TestWithParam<SessionEndRow> {};

// The system tells the top-level window whether the session really ends (WM_ENDSESSION's
// wParam), and its windows hear which: the program's windows among its children also when another
// program has subclassed them.
TEST_P(SessionEnd, ReachesTheChildWindowsOnlyWhenTheSessionEnds) {
    const SessionEndRow& row = GetParam();
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, 0, {0, 0, 100, 100}, nullptr, 0));
    SessionProbe child;
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD, {0, 0, 50, 50}, &top, 10000));
    HWND childHandle = HandleOf(&child);
    if (row.subclassed) {
        SubclassedProcedure() = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            childHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProcedure)));
    }
    SendMessageW(HandleOf(&top), WM_ENDSESSION, row.ending, ENDSESSION_LOGOFF);
    ProcessEvents();  // the end asked of the event loop is none of the tests'
    EXPECT_EQ(child.heard, row.heard);
    EXPECT_EQ(WindowOfHandle(childHandle), &child);
    if (row.subclassed) {
        SetWindowLongPtrW(childHandle, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(SubclassedProcedure()));
    }
}

INSTANTIATE_TEST_SUITE_P(Logoff, SessionEnd,
                         testing::Values(SessionEndRow{"Cancelled", FALSE, false, {false}},
                                         SessionEndRow{"Ending", TRUE, false, {true}},
                                         SessionEndRow{"EndingSubclassed", TRUE, true, {true}}),
                         test::RowName());

// Messages without pointers that other programs and the system send any window: screen readers
// and automation tools ask for fonts, texts and accessible objects, the shell for icons, the
// system tells of settings, themes, power and idle time and has windows print themselves.
enum class Expected { system, systemOrIcon, systemOrAccessibleObject };

struct ForeignMessage {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Expected answer;
};

constexpr WPARAM kPrintSurface = ~WPARAM{0};  // stands for a memory surface of the test's

const ForeignMessage kForeignMessages[] = {
    {"Font", WM_GETFONT, 0, 0, Expected::system},
    {"DragIcon", WM_QUERYDRAGICON, 0, 0, Expected::systemOrIcon},
    {"BigIcon", WM_GETICON, ICON_BIG, 0, Expected::system},
    {"SmallIcon", WM_GETICON, ICON_SMALL2, 0, Expected::system},
    {"TextLength", WM_GETTEXTLENGTH, 0, 0, Expected::system},
    {"HitTest", WM_NCHITTEST, 0, MAKELPARAM(3, 3), Expected::system},
    {"Cursor", WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), Expected::system},
    {"AccessibleObject", WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT)),
     Expected::systemOrAccessibleObject},
    {"ClassNameIndex", WM_GETOBJECT, 0,
     static_cast<LPARAM>(static_cast<DWORD>(OBJID_QUERYCLASSNAMEIDX)), Expected::system},
    {"UiState", WM_QUERYUISTATE, 0, 0, Expected::system},
    {"Hotkey", WM_GETHOTKEY, 0, 0, Expected::system},
    {"QueryOpen", WM_QUERYOPEN, 0, 0, Expected::system},
    {"QueryEndSession", WM_QUERYENDSESSION, 0, static_cast<LPARAM>(ENDSESSION_LOGOFF),
     Expected::system},
    {"SettingChange", WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, Expected::system},
    {"ThemeChange", WM_THEMECHANGED, 0, 0, Expected::system},
    {"FontChange", WM_FONTCHANGE, 0, 0, Expected::system},
    {"DisplayChange", WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024), Expected::system},
    {"PrintClient", WM_PRINTCLIENT, kPrintSurface, PRF_CLIENT, Expected::system},
    {"Power", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, Expected::system},
    {"Idle", WM_ENTERIDLE, MSGF_DIALOGBOX, 0, Expected::system},
};

bool IsIcon(LRESULT answer) {
    ICONINFO parts{};
    if (!GetIconInfo(reinterpret_cast<HICON>(answer), &parts)) {
        return false;
    }
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return true;
}

// A reference made for the request is taken, so that the object it holds is released.
bool IsAccessibleObject(LRESULT answer, WPARAM wParam) {
    IAccessible* object = nullptr;
    if (answer <= 0 || FAILED(ObjectFromLresult(answer, __uuidof(IAccessible), wParam,
                                                reinterpret_cast<void**>(&object)))) {
        return false;
    }
    object->Release();
    return true;
}

// The system's own answer, from the procedure the system gives windows of the window's kind.
LRESULT SystemsAnswer(HWND hwnd, const ForeignMessage& sent, WPARAM wParam) {
    constexpr ULONG_PTR kDialogClass = 32770;
    return GetClassLongPtrW(hwnd, GCW_ATOM) == kDialogClass
               ? DefDlgProcW(hwnd, sent.message, wParam, sent.lParam)
               : DefWindowProcW(hwnd, sent.message, wParam, sent.lParam);
}

// Every message of the table that the window answers otherwise than it should, by name.
std::string WrongAnswers(const CWnd& window, HDC printSurface) {
    HWND hwnd = HandleOf(&window);
    std::string wrong;
    for (const ForeignMessage& sent : kForeignMessages) {
        const WPARAM wParam =
            sent.wParam == kPrintSurface ? reinterpret_cast<WPARAM>(printSurface) : sent.wParam;
        const LRESULT answer = SendMessageW(hwnd, sent.message, wParam, sent.lParam);
        const bool right = answer == SystemsAnswer(hwnd, sent, wParam) ||
                           (sent.answer == Expected::systemOrIcon && IsIcon(answer)) ||
                           (sent.answer == Expected::systemOrAccessibleObject &&
                            IsAccessibleObject(answer, wParam));
        wrong += right ? "" : std::string(wrong.empty() ? "" : ", ") + sent.name;
    }
    return wrong;
}

class ForeignMessages : public AppTest {};

// Each of the program's windows answers as the system would, or with a handle of its own; none
// reads a handle of the system's as one of its objects, and the selection is saved at the end.
TEST_F(ForeignMessages, GetTheSystemsAnswerOrAHandleOfTheProgramsAndTheSelectionIsSaved) {
    constexpr unsigned kGoldTolerance = 35049;
    HDC printSurface = ::CreateCompatibleDC(nullptr);
    const ScopeExit release([printSurface] { DeleteDC(printSurface); });
    std::string wrongOfDialog = "not sent";
    std::string wrongOfView = "not sent";
    std::string wrongOfAbout = "not sent";
    LRESULT viewDialogCode = 0;
    {
        CMarkingDialog dialog;
        RunMainDialog(app, dialog, [&] {
            dialog.view().SendMessage(WM_COMMAND, kGoldTolerance, 0);
            wrongOfDialog = WrongAnswers(dialog, printSurface);
            wrongOfView = WrongAnswers(dialog.view(), printSurface);
            viewDialogCode = SendMessageW(HandleOf(&dialog.view()), WM_GETDLGCODE, 0, 0);
            const LaterStep inAbout(std::chrono::milliseconds(0), [&] {
                if (CWnd* about = WaitForModalAbove(dialog)) {
                    wrongOfAbout = WrongAnswers(*about, printSurface);
                    ClickDialogButton(*about, "OK");
                }
            });
            dialog.SendMessage(WM_SYSCOMMAND, ID_ABOUT, 0);
            dialog.EndDialog(IDOK);
        });
    }
    EXPECT_EQ(wrongOfDialog, "");
    EXPECT_EQ(wrongOfView, "");
    EXPECT_EQ(wrongOfAbout, "");
    // The dialog manager passes typed characters on only to a control that asks for them; else
    // it may take them for access keys.
    EXPECT_EQ(viewDialogCode, DLGC_WANTCHARS);
    EXPECT_EQ(Stored("Overshoot"), -1);
}

// Scripting clients read the view's object through IDispatch and hear what IAccessible says; a
// client that hands over no place for an answer is refused rather than written through.
TEST_F(ForeignMessages, TheViewsObjectAnswersThroughIDispatchAndRefusesANullPlaceForAnAnswer) {
    std::string nameByDispatch = "not read";
    std::vector<HRESULT> nullAnswers;
    CMarkingDialog dialog;
    RunMainDialog(app, dialog, [&] {
        const auto asked = static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT));
        const LRESULT answer = SendMessageW(HandleOf(&dialog.view()), WM_GETOBJECT, 0, asked);
        IAccessible* object = nullptr;
        if (answer > 0 && SUCCEEDED(ObjectFromLresult(answer, __uuidof(IAccessible), 0,
                                                      reinterpret_cast<void**>(&object)))) {
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            DISPPARAMS parameters{&self, nullptr, 1, 0};
            VARIANT name{};
            if (SUCCEEDED(object->Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT,
                                         DISPATCH_PROPERTYGET, &parameters, &name, nullptr,
                                         nullptr)) &&
                name.vt == VT_BSTR) {
                nameByDispatch = Utf8Of(name.bstrVal);
            }
            VariantClear(&name);
            nullAnswers = {object->get_accName(self, nullptr),
                           object->get_accDescription(self, nullptr),
                           object->get_accRole(self, nullptr), object->GetTypeInfoCount(nullptr)};
            object->Release();
        }
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(nameByDispatch, "12 кОм ± 10 %");
    EXPECT_EQ(nullAnswers, std::vector<HRESULT>(4, E_INVALIDARG));
}

}  // namespace
}  // namespace kolvar

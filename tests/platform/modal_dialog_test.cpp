#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "tests/support/row_name.h"
#include "window_test_resources.h"

namespace kolvar {
namespace {

constexpr long kTimedOut = -99;

class TestDialog : public CDialog {
public:
    explicit TestDialog(unsigned templateId = test::kMainTemplate, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    int initCount = 0;
    bool existedAtInit = false;
    bool visibleAtInit = true;
    std::function<void(TestDialog&)> onInit;

protected:
    bool OnInitDialog() override {
        ++initCount;
        existedAtInit = IsWindow();
        visibleAtInit = WindowFactsOf(*this).shown;
        if (onInit) {
            onInit(*this);
        }
        return CDialog::OnInitDialog();
    }
};

// Counts the colour changes that reach it.
class ColourProbe : public CWnd {
public:
    int changes = 0;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmSysColorChange<&ColourProbe::OnSysColorChange>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnSysColorChange() { ++changes; }
};

// Runs the dialog modally and `step` from inside its loop; a dialog that does not end is ended
// after a while, so that a failure cannot hang the tests.
long RunModal(CDialog& dialog, const std::function<void()>& step) {
    const LaterStep stepping(std::chrono::milliseconds(0), step);
    const LaterStep watchdog(std::chrono::seconds(5), [&dialog] { dialog.EndDialog(kTimedOut); });
    return dialog.DoModal();
}

Point CentreOf(const Rect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// How many pixels of the image have the colour.
int PixelsOf(const Image& image, Colour colour) {
    return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

struct EndingRow {
    std::string name;
    std::function<void(TestDialog&)> end;
    long result;
};

void PrintTo(const EndingRow& row, std::ostream* out) {
    *out << row.name;
}

class ModalEnding : public testing::TestWithParam<EndingRow> {
protected:
    test::TestResources resources;
};

TEST_P(ModalEnding, ReturnsTheResultOfItsRoute) {
    TestDialog dialog;
    EXPECT_EQ(RunModal(dialog, [&dialog] { GetParam().end(dialog); }), GetParam().result);
    EXPECT_FALSE(dialog.IsWindow());
}

INSTANTIATE_TEST_SUITE_P(
    Routes, ModalEnding,
    testing::Values(
        EndingRow{"CommandOk", [](TestDialog& d) { d.SendMessage(WM_COMMAND, test::kCommandOk); },
                  test::kCommandOk},
        EndingRow{"CommandCancel",
                  [](TestDialog& d) { d.SendMessage(WM_COMMAND, test::kCommandCancel); },
                  test::kCommandCancel},
        EndingRow{"EnterKey", [](TestDialog& d) { PressKey(d, Key::Return); }, test::kCommandOk},
        EndingRow{"EscKey", [](TestDialog& d) { PressKey(d, Key::Escape); }, test::kCommandCancel},
        EndingRow{"SystemClose", [](TestDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); },
                  test::kCommandCancel},
        EndingRow{"EndDialog", [](TestDialog& d) { d.EndDialog(42); }, 42}),
    test::RowName());

class ModalDialog : public testing::Test {
protected:
    test::TestResources resources;
};

TEST_F(ModalDialog, InitialisesOnceWhenTheWindowExistsAndBeforeItShows) {
    TestDialog dialog;
    bool visibleWhileRunning = false;
    RunModal(dialog, [&] {
        visibleWhileRunning = WindowFactsOf(dialog).shown;
        dialog.EndDialog(0);
    });
    EXPECT_EQ(dialog.initCount, 1);
    EXPECT_TRUE(dialog.existedAtInit);
    EXPECT_FALSE(dialog.visibleAtInit);
    EXPECT_TRUE(visibleWhileRunning);
}

TEST_F(ModalDialog, EndingDuringInitialisationNeverShowsTheWindow) {
    TestDialog dialog;
    bool everShown = false;
    dialog.onInit = [](TestDialog& d) { d.EndDialog(7); };
    EXPECT_EQ(RunModal(dialog, [&] { everShown = true; }), 7);
    EXPECT_FALSE(everShown);
}

TEST_F(ModalDialog, WithoutATemplateThereIsNoRun) {
    TestDialog dialog(12345);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(ModalDialog, KeysPressedInAChildWindowReachTheDialog) {
    for (const auto& [key, result] :
         {std::pair{Key::Escape, test::kCommandCancel}, std::pair{Key::Enter, test::kCommandOk}}) {
        TestDialog dialog;
        CWnd child;
        dialog.onInit = [&child](TestDialog& d) {
            child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 100, 100}, &d, 10000);
            child.SetFocus();
        };
        EXPECT_EQ(RunModal(dialog, [&] { PressKey(child, key); }), static_cast<long>(result));
    }
}

// 320 x 200 dialog units: a quarter of the font's average character width and an eighth of its
// height each, rounded; 480 x 325 in the classic 6 x 13 of 8-point dialog fonts at 96 dpi.
TEST_F(ModalDialog, TheClientAreaIsTheTemplateSizeAtTheScreensResolution) {
    TestDialog dialog;
    Rect client;
    Size base;
    int dpi = 0;
    RunModal(dialog, [&] {
        client = dialog.GetClientRect();
        base = DialogBaseUnitsOf(dialog);
        dpi = CClientDC(dialog).GetDeviceCaps(LOGPIXELSY);
        dialog.EndDialog(0);
    });
    ASSERT_EQ(dpi, 96);
    EXPECT_EQ(client, (Rect{0, 0, (320 * base.cx + 2) / 4, (200 * base.cy + 4) / 8}));
    EXPECT_EQ(base.cx, 6) << "average character width";
}

TEST_F(ModalDialog, TheMainDialogIsCentredOnTheScreenWithAFixedFrame) {
    TestDialog dialog;
    Rect frame;
    WindowFacts facts;
    RunModal(dialog, [&] {
        frame = WindowRect(dialog);
        facts = WindowFactsOf(dialog);
        dialog.EndDialog(0);
    });
    const Point centre = CentreOf(frame);
    const Point screenCentre = CentreOf(WorkArea());
    EXPECT_LE(std::abs(centre.x - screenCentre.x), 1);
    EXPECT_LE(std::abs(centre.y - screenCentre.y), 1);
    EXPECT_FALSE(facts.resizable);
    EXPECT_TRUE(facts.minimiseBox);
    EXPECT_FALSE(facts.maximiseBox);
}

// The About box shows the large image of its icon, 32 by 32 less the masked corner pixel. The
// main window, centred on the screen itself, is moved first, so that the About box shows whether
// it follows its owner.
TEST_F(ModalDialog, AnOwnedDialogRunsCentredOverTheMainWindowWhichTakesNoInput) {
    CWinApp app;
    TestDialog main;
    app.m_pMainWnd = &main;
    TestDialog about(test::kAboutTemplate);
    bool mainTookInputDuringAbout = true;
    bool mainTakesInputAfterAbout = false;
    Point offCentre;
    AccessibleFacts reading;
    int iconPixels = 0;
    long aboutResult = 0;
    bool moved = false;
    RunModal(main, [&] {
        moved = MoveWindowTo(main, {WorkArea().left + 20, WorkArea().top + 30});
        aboutResult = RunModal(about, [&] {
            mainTookInputDuringAbout = WindowFactsOf(main).takesInput;
            const Point aboutCentre = CentreOf(WindowRect(about));
            const Point mainCentre = CentreOf(WindowRect(main));
            offCentre = {aboutCentre.x - mainCentre.x, aboutCentre.y - mainCentre.y};
            reading = AccessibleOf(about);
            iconPixels = PixelsOf(GrabClientArea(about), test::kLargeIconColour);
            ClickDialogButton(about, "OK");
        });
        mainTakesInputAfterAbout = WindowFactsOf(main).takesInput;
        app.m_pMainWnd = nullptr;  // the main window's end would end the event loop for good
        main.EndDialog(0);
    });
    ASSERT_TRUE(moved);
    EXPECT_EQ(aboutResult, long{test::kCommandOk});
    EXPECT_FALSE(mainTookInputDuringAbout);
    EXPECT_TRUE(mainTakesInputAfterAbout);
    EXPECT_LE(std::abs(offCentre.x) + std::abs(offCentre.y), 2);
    EXPECT_EQ(about.GetOwner(), &main);
    EXPECT_NE(reading.description.find("Jerry\nsecond line"), std::string::npos)
        << reading.description;
    EXPECT_EQ(iconPixels, 32 * 32 - 1);
}

// The window hears of a change on a later turn of the loop, once the platform has spread it;
// a few more turns show that it hears only once.
TEST_F(ModalDialog, ASystemColourChangeReachesTheChildWindowsOnce) {
    TestDialog dialog;
    ColourProbe child;
    dialog.onInit = [&child](TestDialog& d) {
        child.CreateEx(0, WS_CHILD | WS_VISIBLE, {5, 5, 100, 100}, &d, 10000);
    };
    int changesAfterColourChange = -1;
    RunModal(dialog, [&] {
        const int before = child.changes;
        {
            const SystemColourChange change(COLOR_WINDOW, Rgb(1, 2, 3));
            int turnsAfterFirst = 0;
            for (int turn = 0; turn < 100 && turnsAfterFirst < 5; ++turn) {
                ProcessEvents(std::chrono::milliseconds(1));
                turnsAfterFirst += child.changes > before ? 1 : 0;
            }
            changesAfterColourChange = child.changes - before;
        }
        dialog.EndDialog(0);
    });
    EXPECT_EQ(changesAfterColourChange, 1);
}

}  // namespace
}  // namespace kolvar

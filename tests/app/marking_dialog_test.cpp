#include "app/marking_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/message_map.h"
#include "platform/system_metrics.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

constexpr unsigned kGoldTolerance = 35049;
constexpr std::string_view kAboutText = "Kolvar Версия 1.0\n© 2026\nРазработчики Kolvar";

class MainDialog : public AppTest {};

// The template is 320 x 200 dialog units, converted in the base units of the dialog's font.
TEST_F(MainDialog, ViewFillsTheClientAreaLessFivePixels) {
    CMarkingDialog dialog;
    Rect client;
    Size base;
    Rect view;
    RunMainDialog(app, dialog, [&] {
        client = dialog.GetClientRect();
        base = DialogBaseUnitsOf(dialog);
        view = WindowRect(dialog.view());
        dialog.EndDialog(IDOK);
    });
    const Size size{(320 * base.cx + 2) / 4, (200 * base.cy + 4) / 8};
    EXPECT_EQ(client, (Rect{0, 0, size.cx, size.cy}));
    EXPECT_EQ(view, (Rect{5, 5, size.cx - 5, size.cy - 5}));
}

TEST_F(MainDialog, HasTheTitleAndCannotBeResized) {
    CMarkingDialog dialog;
    std::string title;
    bool resizable = true;
    RunMainDialog(app, dialog, [&] {
        const WindowFacts facts = WindowFactsOf(dialog);
        title = facts.title;
        resizable = facts.resizable;
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(title, "Цветная маркировка резистора");
    EXPECT_FALSE(resizable);
}

// What the About box shows as its title, what a screen reader reads with it, and the font of its
// text.
struct AboutReading {
    std::string title;
    std::string description;
    std::string iconName;
    DialogFontFacts font;
};

std::string WithoutLineEnds(std::string_view text) {
    std::string line(text);
    std::erase(line, '\n');
    return line;
}

AboutReading ReadAbout(const CWnd& about) {
    const AccessibleFacts box = AccessibleOf(about);
    AboutReading reading{WindowFactsOf(about).title,
                         box.description,
                         {},
                         DialogFontOf(about, WithoutLineEnds(kAboutText))};
    for (const AccessibleFacts& child : box.children) {
        if (child.role == "graphic") {
            reading.iconName = child.name;
        }
    }
    return reading;
}

// Opens the About box through `open`, closes it with its OK button, and tells whether `open`
// came back only after that.
bool AboutOpensModallyThrough(CWinApp& app, CMarkingDialog& dialog,
                              const std::function<void()>& open, AboutReading& reading) {
    bool closed = false;
    bool returnedAfterClosing = false;
    RunMainDialog(app, dialog, [&] {
        const LaterStep closing(std::chrono::milliseconds(0), [&] {
            if (const CWnd* about = WaitForModalAbove(dialog)) {
                reading = ReadAbout(*about);
                closed = ClickDialogButton(*about, "OK");
            }
        });
        open();
        returnedAfterClosing = closed;
        dialog.EndDialog(IDOK);
    });
    return returnedAfterClosing;
}

class SystemCommand : public MainDialog, public testing::WithParamInterface<unsigned> {};

TEST_P(SystemCommand, OpensTheAboutBoxWhateverItsLowBits) {
    CMarkingDialog dialog;
    AboutReading about;
    EXPECT_TRUE(AboutOpensModallyThrough(
        app, dialog, [&] { dialog.SendMessage(WM_SYSCOMMAND, GetParam(), 0); }, about));
    EXPECT_EQ(about.title, "О программе Kolvar");
}

INSTANTIATE_TEST_SUITE_P(AboutIds, SystemCommand, testing::Range(16u, 32u), test::RowName());

TEST_F(MainDialog, ViewsAboutItemOpensTheSameBox) {
    CMarkingDialog dialog;
    AboutReading about;
    EXPECT_TRUE(AboutOpensModallyThrough(
        app, dialog, [&] { dialog.view().SendMessage(WM_COMMAND, ID_ABOUT, 0); }, about));
    EXPECT_EQ(about.title, "О программе Kolvar");
    // A screen reader announcing the box reads its text with it, and can name the icon after
    // the application.
    EXPECT_EQ(about.description, kAboutText);
    EXPECT_EQ(about.iconName, kTestAppName);
    // Any system shows the Russian lines: the font is an outline one that has every letter,
    // whatever the system's code page.
    EXPECT_TRUE(about.font.outline) << about.font.face;
    EXPECT_EQ(about.font.missing, "") << about.font.face;
}

TEST_F(MainDialog, PlatformSystemCommandsKeepTheirEffect) {
    CMarkingDialog dialog;
    bool minimised = false;
    const long result = RunMainDialog(app, dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ProcessEvents();
        minimised = dialog.IsIconic();
        dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_TRUE(minimised);
    EXPECT_EQ(result, IDCANCEL);
}

struct Ending {
    const char* name;
    std::function<void(CMarkingDialog&)> end;
    long result;
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

class EndingSaves : public MainDialog, public testing::WithParamInterface<Ending> {};

TEST_P(EndingSaves, TheChangedSelection) {
    {
        CMarkingDialog dialog;
        const long result = RunMainDialog(app, dialog, [&] {
            dialog.view().SendMessage(WM_COMMAND, kGoldTolerance, 0);
            GetParam().end(dialog);
        });
        EXPECT_EQ(result, GetParam().result);
        EXPECT_EQ(Stored("Overshoot"), 1000) << "nothing is written while the program runs";
    }
    EXPECT_EQ(Stored("Overshoot"), -1);
    EXPECT_EQ(Stored("Digit 3"), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, EndingSaves,
    testing::Values(
        Ending{"MenuClose", [](CMarkingDialog& d) { d.view().SendMessage(WM_COMMAND, IDOK, 0); },
               IDOK},
        Ending{"Enter", [](CMarkingDialog& d) { PressKey(d.view(), Key::Return); }, IDOK},
        Ending{"Esc", [](CMarkingDialog& d) { PressKey(d.view(), Key::Escape); }, IDCANCEL},
        Ending{"SystemClose", [](CMarkingDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); },
               IDCANCEL}),
    test::RowName());

// What the window shows once Windows has told it of a monitor at `dpi`, with the rectangle it
// suggests: on that monitor, the client area of 100 % scaled, the frame as the system draws it,
// and the icons in the sizes of that dpi.
struct ScaledLook {
    Rect suggested;
    Rect window;
    Rect client;
    Image view;
    unsigned itemHeight = 0;
    std::vector<int> iconSides;
};

ScaledLook ShowAt(CMarkingDialog& dialog, const Rect& client96, int dpi) {
    ScaledLook look;
    const Rect window = WindowRect(dialog);
    const Rect client = dialog.GetClientRect();
    const Rect monitor = WorkArea();
    look.suggested = {
        monitor.left, monitor.top,
        monitor.left + window.Width() + MulDiv(client96.right, dpi, 96) - client.right,
        monitor.top + window.Height() + MulDiv(client96.bottom, dpi, 96) - client.bottom};
    MoveToMonitorOfDpi(dialog, dpi, look.suggested);
    look.window = WindowRect(dialog);
    look.client = dialog.GetClientRect();
    look.view = GrabClientArea(dialog.view());
    MEASUREITEMSTRUCT item;
    item.itemID = 35006;
    dialog.view().SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    look.itemHeight = item.itemHeight;
    for (const Image& icon : WindowIconImages(dialog)) {
        look.iconSides.push_back(icon.width);
    }
    return look;
}

// The picture: the first rows from the top with anything but the window colour.
Rect PictureBox(const Image& image, Colour window) {
    Rect box{image.width, -1, 0, -1};
    for (int y = 0; y < image.height && box.bottom < 0; ++y) {
        bool inked = false;
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) != window) {
                inked = true;
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
            }
        }
        box.top = inked && box.top < 0 ? y : box.top;
        box.bottom = !inked && box.top >= 0 ? y : -1;
    }
    return box;
}

TEST_F(MainDialog, MovedToAMonitorOfAnotherDpiTheWindowScalesWhole) {
    const std::vector<int> dpis{96, 120, 144, 192};
    std::vector<ScaledLook> looks;
    CMarkingDialog dialog;
    RunMainDialog(app, dialog, [&] {
        const Rect client96 = dialog.GetClientRect();
        for (const int dpi : dpis) {
            looks.push_back(ShowAt(dialog, client96, dpi));
        }
        dialog.EndDialog(IDOK);
    });
    ASSERT_EQ(looks.size(), dpis.size());
    const Colour window = GetSysColor(COLOR_WINDOW);
    const ScaledLook& base = looks[0];
    const Rect box = PictureBox(base.view, window);
    const int captionSpace = base.view.height - box.bottom - box.top;
    std::set<Colour> colours;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            colours.insert(base.view.At(x, y));
        }
    }
    for (std::size_t row = 0; row < dpis.size(); ++row) {
        const int dpi = dpis[row];
        const ScaledLook& look = looks[row];
        const auto near = [dpi](int scaled, int at96, int within = 1) {
            return std::abs(scaled - MulDiv(at96, dpi, 96)) <= within;
        };
        const Rect scaled = PictureBox(look.view, window);
        EXPECT_EQ(look.window, look.suggested) << dpi;
        EXPECT_TRUE(near(look.client.right, base.client.right) &&
                    near(look.client.bottom, base.client.bottom))
            << dpi;
        EXPECT_TRUE(near(scaled.Width(), box.Width()) && near(scaled.Height(), box.Height()))
            << dpi;
        // The caption's height, as what the picture's centring leaves below it: the centring
        // truncates, a pixel either way.
        EXPECT_TRUE(near(look.view.height - scaled.bottom - scaled.top, captionSpace, 2)) << dpi;
        EXPECT_EQ(look.itemHeight, static_cast<unsigned>(GetSystemMetricsForDpi(SM_CYMENU, dpi)));
        EXPECT_EQ(look.iconSides, (std::vector<int>{GetSystemMetricsForDpi(SM_CXICON, dpi),
                                                    GetSystemMetricsForDpi(SM_CXSMICON, dpi)}))
            << dpi;
        for (int y = scaled.top; y < scaled.bottom; ++y) {
            for (int x = scaled.left; x < scaled.right; ++x) {
                const Colour pixel = look.view.At(x, y);
                ASSERT_TRUE(colours.contains(pixel)) << dpi << ": " << x << ", " << y;
                if (dpi == 192) {
                    ASSERT_EQ(pixel, base.view.At(box.left + (x - scaled.left) / 2,
                                                  box.top + (y - scaled.top) / 2))
                        << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kolvar

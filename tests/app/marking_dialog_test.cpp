#include "app/marking_dialog.h"

#include <QAccessible>
#include <QKeyEvent>
#include <string>

#include "platform/message_map.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"

namespace kolvar {
namespace {

constexpr unsigned kGoldTolerance = 35049;

QWidget& WidgetOf(const CWnd& window) {
    return *WidgetBehind(window);
}

// Keys go to the view, which has the focus; the offscreen platform never activates a window,
// so Qt may not report a focus widget there.
void PressKey(CMarkingDialog& dialog, int key) {
    QWidget* target = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target != nullptr ? target : &WidgetOf(dialog.view()), &press);
}

class MainDialog : public AppTest {};

TEST_F(MainDialog, ViewFillsTheClientAreaLessFivePixels) {
    CMarkingDialog dialog;
    Rect client;
    QRect viewGeometry;
    RunMainDialog(app, dialog, [&] {
        client = dialog.GetClientRect();
        viewGeometry = WidgetOf(dialog.view()).geometry();
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(client, (Rect{0, 0, 480, 325}));
    EXPECT_EQ(viewGeometry, QRect(5, 5, 470, 315));
}

TEST_F(MainDialog, HasTheTitleAndCannotBeResized) {
    CMarkingDialog dialog;
    QString title;
    QSize minimum;
    QSize maximum;
    RunMainDialog(app, dialog, [&] {
        title = WidgetOf(dialog).windowTitle();
        minimum = WidgetOf(dialog).minimumSize();
        maximum = WidgetOf(dialog).maximumSize();
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(title.toStdString(), "Цветная маркировка резистора");
    EXPECT_EQ(minimum, maximum);
}

// What the About box shows as its title, and what a screen reader reads with it.
struct AboutReading {
    std::string title;
    std::string description;
    std::string iconName;
};

AboutReading ReadAbout(QWidget& about) {
    AboutReading reading{about.windowTitle().toStdString(), {}, {}};
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&about);
    reading.description = box->text(QAccessible::Description).toStdString();
    for (int index = 0; index < box->childCount(); ++index) {
        if (box->child(index)->role() == QAccessible::Graphic) {
            reading.iconName = box->child(index)->text(QAccessible::Name).toStdString();
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
        QTimer::singleShot(0, [&] {
            QWidget* about = WaitForModalAbove(&WidgetOf(dialog));
            if (about != nullptr) {
                reading = ReadAbout(*about);
                about->findChild<QPushButton*>()->click();
                closed = true;
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

INSTANTIATE_TEST_SUITE_P(AboutIds, SystemCommand, testing::Range(16u, 32u));

TEST_F(MainDialog, ViewsAboutItemOpensTheSameBox) {
    CMarkingDialog dialog;
    AboutReading about;
    EXPECT_TRUE(AboutOpensModallyThrough(
        app, dialog, [&] { dialog.view().SendMessage(WM_COMMAND, ID_ABOUT, 0); }, about));
    EXPECT_EQ(about.title, "О программе Kolvar");
    // A screen reader announcing the box reads its text with it, and can name the icon.
    EXPECT_EQ(about.description, "Kolvar Версия 1.0\n© 2026\nРазработчики Kolvar");
    EXPECT_EQ(about.iconName, QGuiApplication::applicationDisplayName().toStdString());
    EXPECT_FALSE(about.iconName.empty());
}

TEST_F(MainDialog, PlatformSystemCommandsKeepTheirEffect) {
    CMarkingDialog dialog;
    bool minimised = false;
    const long result = RunMainDialog(app, dialog, [&] {
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        QApplication::processEvents();
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
    testing::Values(Ending{"MenuClose",
                           [](CMarkingDialog& d) { d.view().SendMessage(WM_COMMAND, IDOK, 0); },
                           IDOK},
                    Ending{"Enter", [](CMarkingDialog& d) { PressKey(d, Qt::Key_Return); }, IDOK},
                    Ending{"Esc", [](CMarkingDialog& d) { PressKey(d, Qt::Key_Escape); }, IDCANCEL},
                    Ending{"CloseBox", [](CMarkingDialog& d) { WidgetOf(d).close(); }, IDCANCEL},
                    Ending{"SystemClose",
                           [](CMarkingDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0); },
                           IDCANCEL}));

}  // namespace
}  // namespace kolvar

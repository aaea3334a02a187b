#include "app/marking_dialog.h"

#include <QKeyEvent>
#include <string>

#include "platform/messages.h"
#include "resources/resource_ids.h"
#include "tests/app/app_fixture.h"

namespace kolvar {
namespace {

constexpr unsigned kGoldTolerance = 35049;

QWidget& WidgetOf(const CWnd& window) {
    return *window.impl().widget;
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

// Opens the About box through `open`, closes it with its OK button, and tells whether `open`
// came back only after that.
bool AboutOpensModallyThrough(CWinApp& app, CMarkingDialog& dialog,
                              const std::function<void()>& open, std::string& aboutTitle) {
    bool closed = false;
    bool returnedAfterClosing = false;
    RunMainDialog(app, dialog, [&] {
        QTimer::singleShot(0, [&] {
            QWidget* about = WaitForModalAbove(&WidgetOf(dialog));
            if (about != nullptr) {
                aboutTitle = about->windowTitle().toStdString();
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
    std::string title;
    EXPECT_TRUE(AboutOpensModallyThrough(
        app, dialog, [&] { dialog.SendMessage(WM_SYSCOMMAND, GetParam(), 0); }, title));
    EXPECT_EQ(title, "О программе Kolvar");
}

INSTANTIATE_TEST_SUITE_P(AboutIds, SystemCommand, testing::Range(16u, 32u));

TEST_F(MainDialog, ViewsAboutItemOpensTheSameBox) {
    CMarkingDialog dialog;
    std::string title;
    EXPECT_TRUE(AboutOpensModallyThrough(
        app, dialog, [&] { dialog.view().SendMessage(WM_COMMAND, ID_ABOUT, 0); }, title));
    EXPECT_EQ(title, "О программе Kolvar");
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

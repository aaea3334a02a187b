#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <chrono>
#include <functional>

#include "platform/dialog.h"
#include "platform/testing.h"
#include "platform/window.h"
#include "qt_objects.h"
#include "tests/platform/window_test_resources.h"

namespace kolvar::test {
namespace {

// The window paints every pixel itself, so Qt erases nothing before a paint.
TEST(WindowWidget, IsOpaqueAndNotFilledBeforeItsPaint) {
    CWnd parent;
    CWnd child;
    ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    ASSERT_TRUE(
        child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 6, 105, 86}, &parent, 10000));
    EXPECT_TRUE(WidgetOf(child).testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(WidgetOf(child).autoFillBackground());
}

TEST(WindowMenu, TheWindowManagerKeepsItToItself) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, 0, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(window.GetSystemMenu(false), nullptr);
}

// Runs the dialog of the template and looks at its widget from inside the run.
void LookAtDialog(unsigned templateId, const std::function<void(QWidget&)>& look) {
    const TestResources resources;
    CDialog dialog(templateId);
    const LaterStep looking(std::chrono::milliseconds(0), [&] {
        look(WidgetOf(dialog));
        dialog.EndDialog(0);
    });
    const LaterStep watchdog(std::chrono::seconds(5), [&dialog] { dialog.EndDialog(-99); });
    dialog.DoModal();
}

// A window manager gives a window of the dialog type no minimise box.
TEST(DialogWidget, TheMainDialogIsAPlainWindow) {
    Qt::WindowFlags flags;
    LookAtDialog(kMainTemplate, [&flags](QWidget& dialog) { flags = dialog.windowFlags(); });
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
}

// SS_NOPREFIX: the ampersand is shown as it is, not taken for an access key's mark.
TEST(DialogWidget, AStaticWithoutPrefixShowsItsAmpersand) {
    QString text;
    LookAtDialog(kAboutTemplate, [&text](QWidget& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            text += label->text();
        }
    });
    EXPECT_TRUE(text.contains("Tom & Jerry")) << text.toStdString();
}

}  // namespace
}  // namespace kolvar::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <vector>

#include "platform/qt/qt_testing.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "platform/window.h"
#include "window_test_resources.h"

namespace kolvar {
namespace {

constexpr Colour kFill = Rgb(10, 120, 230);
constexpr unsigned kChildId = 10000;
constexpr int kEdge = 2;

struct MouseRecord {
    unsigned message;
    unsigned flags;
    Point point;
};

// Records what reaches it; paints its whole client area in one colour.
class ProbeWindow : public CWnd {
public:
    std::vector<unsigned> messages;
    std::vector<MouseRecord> mouse;
    CREATESTRUCT created;
    int createResult = 0;
    int paints = 0;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmCreate<&ProbeWindow::OnCreate>(),
            OnWmPaint<&ProbeWindow::OnPaint>(),
            OnWmRButtonDown<&ProbeWindow::OnRButtonDown>(),
            OnWmLButtonDblClk<&ProbeWindow::OnLButtonDblClk>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }
    LRESULT DefWindowProc(const Message& message) override {
        messages.push_back(message.message);
        return CWnd::DefWindowProc(message);
    }

private:
    int OnCreate(const CREATESTRUCT& create) {
        created = create;
        messages.push_back(WM_CREATE);
        return createResult;
    }
    void OnPaint() {
        ++paints;
        CPaintDC surface(*this);
        surface.FillRect(GetClientRect(), Brush(kFill));
    }
    void OnRButtonDown(unsigned flags, Point point) {
        mouse.push_back({WM_RBUTTONDOWN, flags, point});
    }
    void OnLButtonDblClk(unsigned flags, Point point) {
        mouse.push_back({WM_LBUTTONDBLCLK, flags, point});
    }
};

class ChildWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    }
    QWidget& WidgetOf(const CWnd& window) { return *WidgetBehind(window); }

    void Click(CWnd& window, QEvent::Type type, Qt::MouseButton button, QPoint at,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget& widget = WidgetOf(window);
        QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, modifiers);
        QApplication::sendEvent(&widget, &event);
    }

    ProbeWindow parent;
    ProbeWindow child;
};

TEST_F(ChildWindow, WithAClientEdgeItsClientAreaIsTheInnerRectangle) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 105, 85}, &parent,
                               kChildId));
    EXPECT_EQ(child.GetClientRect(), (Rect{0, 0, 100 - 2 * kEdge, 80 - 2 * kEdge}));
    EXPECT_EQ(WidgetOf(child).geometry(), QRect(5, 5, 100, 80));
    const Point origin = child.ClientToScreen({0, 0});
    const Point parentOrigin = parent.ClientToScreen({0, 0});
    EXPECT_EQ(origin, (Point{parentOrigin.x + 5 + kEdge, parentOrigin.y + 5 + kEdge}));
    EXPECT_EQ(child.ClientToScreen({10, 20}), (Point{origin.x + 10, origin.y + 20}));
}

TEST_F(ChildWindow, WithoutAnEdgeTheClientAreaIsTheWholeWindow) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD, {5, 5, 105, 85}, &parent, kChildId));
    EXPECT_EQ(child.GetClientRect(), (Rect{0, 0, 100, 80}));
    EXPECT_FALSE(WidgetOf(child).isVisibleTo(&WidgetOf(parent)));
}

TEST_F(ChildWindow, CreationSendsCreateWithItsParametersAndKeepsIdAndParent) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 6, 105, 86}, &parent,
                               kChildId));
    ASSERT_FALSE(child.messages.empty());
    EXPECT_EQ(child.messages.front(), WM_CREATE);
    EXPECT_EQ(child.created.rect, (Rect{5, 6, 105, 86}));
    EXPECT_EQ(child.created.style, WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(child.created.exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(child.created.id, kChildId);
    EXPECT_EQ(child.GetDlgCtrlID(), kChildId);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_TRUE(WidgetOf(child).isVisibleTo(&WidgetOf(parent)));
    EXPECT_TRUE(WidgetOf(child).testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(WidgetOf(child).autoFillBackground());
}

TEST_F(ChildWindow, ACreateHandlerReturningMinusOneFailsTheCreation) {
    child.createResult = -1;
    EXPECT_FALSE(child.CreateEx(0, WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, &parent, kChildId));
    EXPECT_FALSE(child.IsWindow());
    EXPECT_EQ(child.messages, (std::vector<unsigned>{WM_CREATE, WM_DESTROY}));
}

TEST_F(ChildWindow, PaintingFillsTheClientAreaAndLeavesTheEdge) {
    ASSERT_TRUE(
        child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {0, 0, 40, 30}, &parent, kChildId));
    const QImage image = WidgetOf(child).grab().toImage();
    EXPECT_EQ(image.pixel(kEdge, kEdge), qRgb(10, 120, 230));
    EXPECT_EQ(image.pixel(40 - kEdge - 1, 30 - kEdge - 1), qRgb(10, 120, 230));
    EXPECT_NE(image.pixel(0, 0), qRgb(10, 120, 230));
    EXPECT_NE(image.pixel(39, 29), qRgb(10, 120, 230));
}

TEST_F(ChildWindow, MouseMessagesCarryClientCoordinatesAndKeyFlags) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {0, 0, 100, 80}, &parent,
                               kChildId));
    Click(child, QEvent::MouseButtonPress, Qt::RightButton, {kEdge + 10, kEdge + 20},
          Qt::ShiftModifier);
    Click(child, QEvent::MouseButtonDblClick, Qt::LeftButton, {kEdge + 3, kEdge + 4},
          Qt::ControlModifier);
    // Neither on the edge nor with the other buttons.
    Click(child, QEvent::MouseButtonPress, Qt::RightButton, {0, 0});
    Click(child, QEvent::MouseButtonPress, Qt::LeftButton, {kEdge + 5, kEdge + 5});
    Click(child, QEvent::MouseButtonDblClick, Qt::RightButton, {kEdge + 5, kEdge + 5});
    ASSERT_EQ(child.mouse.size(), 2u);
    EXPECT_EQ(child.mouse[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(child.mouse[0].flags, MK_RBUTTON | MK_SHIFT);
    EXPECT_EQ(child.mouse[0].point, (Point{10, 20}));
    EXPECT_EQ(child.mouse[1].message, WM_LBUTTONDBLCLK);
    EXPECT_EQ(child.mouse[1].flags, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(child.mouse[1].point, (Point{3, 4}));
}

TEST_F(ChildWindow, InvalidatingTwiceGivesOneLaterPaint) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD | WS_VISIBLE, {0, 0, 40, 30}, &parent, kChildId));
    QApplication::processEvents();
    const int before = child.paints;
    child.InvalidateRect(false);
    child.InvalidateRect(true);
    EXPECT_EQ(child.paints, before);
    QApplication::processEvents();
    EXPECT_EQ(child.paints, before + 1);
}

TEST_F(ChildWindow, DestroyingTheParentDestroysTheChildFirstTellingBoth) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD, {0, 0, 40, 30}, &parent, kChildId));
    parent.DestroyWindow();
    EXPECT_FALSE(child.IsWindow());
    EXPECT_EQ(parent.messages.back(), WM_DESTROY);
    EXPECT_EQ(child.messages.back(), WM_DESTROY);
}

TEST_F(ChildWindow, FocusGoesWhereItIsSent) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD | WS_VISIBLE, {0, 0, 40, 30}, &parent, kChildId));
    child.SetFocus();
    EXPECT_EQ(WidgetOf(parent).focusWidget(), &WidgetOf(child));
}

TEST_F(ChildWindow, SystemCommandsMinimiseRestoreAndClose) {
    parent.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(parent.IsIconic());
    parent.SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(parent.IsIconic());
    parent.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(parent.IsWindow());
}

TEST_F(ChildWindow, SettingIconsGivesTheWindowBothSizes) {
    const test::TestResources resources;
    const Icon icon = LoadIcon(test::kTestIcon);
    ASSERT_TRUE(icon);
    EXPECT_EQ(parent.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&icon)), 0);
    EXPECT_EQ(parent.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(&icon)), 0);
    EXPECT_EQ(parent.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&icon)),
              reinterpret_cast<LRESULT>(&icon));
    const QList<QSize> sizes = WidgetOf(parent).windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

TEST(WindowMenu, TheWindowManagerKeepsItToItself) {
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, 0, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(window.GetSystemMenu(false), nullptr);
}

}  // namespace
}  // namespace kolvar

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

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
            OnWmRButtonDblClk<&ProbeWindow::OnRButtonDblClk>(),
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
    void OnRButtonDblClk(unsigned flags, Point point) {
        mouse.push_back({WM_RBUTTONDBLCLK, flags, point});
    }
};

class ChildWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
        ASSERT_TRUE(WaitForShown(parent));
    }

    ProbeWindow parent;
    ProbeWindow child;
};

TEST_F(ChildWindow, WithAClientEdgeItsClientAreaIsTheInnerRectangle) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 105, 85}, &parent,
                               kChildId));
    EXPECT_EQ(child.GetClientRect(), (Rect{0, 0, 100 - 2 * kEdge, 80 - 2 * kEdge}));
    EXPECT_EQ(WindowRect(child), (Rect{5, 5, 105, 85}));
    const Point origin = child.ClientToScreen({0, 0});
    const Point parentOrigin = parent.ClientToScreen({0, 0});
    EXPECT_EQ(origin, (Point{parentOrigin.x + 5 + kEdge, parentOrigin.y + 5 + kEdge}));
    EXPECT_EQ(child.ClientToScreen({10, 20}), (Point{origin.x + 10, origin.y + 20}));
}

TEST_F(ChildWindow, WithoutAnEdgeTheClientAreaIsTheWholeWindow) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD, {5, 5, 105, 85}, &parent, kChildId));
    EXPECT_EQ(child.GetClientRect(), (Rect{0, 0, 100, 80}));
    EXPECT_TRUE(WindowFactsOf(parent).shown);
    EXPECT_FALSE(WindowFactsOf(child).shown);
}

TEST_F(ChildWindow, CreationSendsCreateWithItsParametersAndKeepsIdAndParent) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 6, 105, 86}, &parent,
                               kChildId));
    ASSERT_FALSE(child.messages.empty());
    EXPECT_EQ(child.messages.front(), WM_CREATE);
    EXPECT_EQ(child.created.rect, (Rect{5, 6, 105, 86}));
    // WS_VISIBLE may be left to the framework, which shows the window once it is made.
    EXPECT_EQ(child.created.style & ~WS_VISIBLE, WS_CHILD);
    EXPECT_EQ(child.created.exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(child.created.id, kChildId);
    EXPECT_EQ(child.GetDlgCtrlID(), kChildId);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_TRUE(WindowFactsOf(child).shown);
}

TEST_F(ChildWindow, ACreateHandlerReturningMinusOneFailsTheCreation) {
    child.createResult = -1;
    EXPECT_FALSE(child.CreateEx(0, WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, &parent, kChildId));
    EXPECT_FALSE(child.IsWindow());
    EXPECT_EQ(child.messages, (std::vector<unsigned>{WM_CREATE, WM_DESTROY}));
}

// The child lies at the parent's client origin, and the parent paints the same colour.
TEST_F(ChildWindow, PaintingFillsTheClientAreaAndLeavesTheEdge) {
    ASSERT_TRUE(
        child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {0, 0, 40, 30}, &parent, kChildId));
    const Image image = GrabClientArea(parent);
    ASSERT_GE(image.width, 40);
    EXPECT_EQ(image.At(kEdge, kEdge), kFill);
    EXPECT_EQ(image.At(40 - kEdge - 1, 30 - kEdge - 1), kFill);
    EXPECT_NE(image.At(0, 0), kFill);
    EXPECT_NE(image.At(39, 29), kFill);
}

// A double click is real input: its first press comes first, as a press of its own.
TEST_F(ChildWindow, MouseMessagesCarryClientCoordinatesAndKeyFlags) {
    ASSERT_TRUE(child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {0, 0, 100, 80}, &parent,
                               kChildId));
    Click(child, {10, 20}, MouseButton::Right, KeyModifier::Shift);
    DoubleClick(child, {3, 4}, MouseButton::Left, KeyModifier::Control);
    // Neither on the edge nor with the other buttons.
    Click(child, {-kEdge, 10}, MouseButton::Right);
    Click(child, {5, 5}, MouseButton::Left);
    DoubleClick(child, {60, 50}, MouseButton::Right);
    ASSERT_EQ(child.mouse.size(), 4u);
    EXPECT_EQ(child.mouse[0].message, WM_RBUTTONDOWN);
    EXPECT_EQ(child.mouse[0].flags, MK_RBUTTON | MK_SHIFT);
    EXPECT_EQ(child.mouse[0].point, (Point{10, 20}));
    EXPECT_EQ(child.mouse[1].message, WM_LBUTTONDBLCLK);
    EXPECT_EQ(child.mouse[1].flags, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(child.mouse[1].point, (Point{3, 4}));
    EXPECT_EQ(child.mouse[2].message, WM_RBUTTONDOWN) << "the right double click's first press";
    EXPECT_EQ(child.mouse[2].point, (Point{60, 50}));
    EXPECT_EQ(child.mouse[3].message, WM_RBUTTONDBLCLK) << "and its second";
    EXPECT_EQ(child.mouse[3].point, (Point{60, 50}));
}

TEST_F(ChildWindow, InvalidatingTwiceGivesOneLaterPaint) {
    ASSERT_TRUE(child.CreateEx(0, WS_CHILD | WS_VISIBLE, {0, 0, 40, 30}, &parent, kChildId));
    ProcessEvents(std::chrono::milliseconds(50));
    const int before = child.paints;
    child.InvalidateRect(false);
    child.InvalidateRect(true);
    EXPECT_EQ(child.paints, before);
    ProcessEvents();
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
    EXPECT_EQ(FocusWithin(parent), &child);
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
    std::vector<Size> sizes;
    for (const Image& image : WindowIconImages(parent)) {
        sizes.push_back({image.width, image.height});
    }
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), Size{32, 32}), sizes.end());
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), Size{16, 16}), sizes.end());
}

}  // namespace
}  // namespace kolvar

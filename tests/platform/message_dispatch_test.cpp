#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/window.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

constexpr unsigned kSharedId = 5;
constexpr unsigned kFirstInRange = 100;
constexpr unsigned kLastInRange = 110;
constexpr LRESULT kDefaultResult = 77;

// The base class handles paint and one command; the platform's default is recorded.
class BaseWindow : public CWnd {
public:
    std::vector<unsigned> defaulted;
    int basePaints = 0;
    int baseShared = 0;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmPaint<&BaseWindow::OnPaint>(),
            OnCommand<kSharedId, &BaseWindow::OnShared>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }
    LRESULT DefWindowProc(const Message& message) override {
        defaulted.push_back(message.message);
        return kDefaultResult;
    }

private:
    void OnPaint() { ++basePaints; }
    void OnShared() { ++baseShared; }
};

// Its own table comes first, then the base's.
class DerivedWindow : public BaseWindow {
public:
    std::optional<unsigned> rangeId;
    int derivedShared = 0;
    LRESULT defaultFromHandler = 0;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnCommandRange<kFirstInRange, kLastInRange, &DerivedWindow::OnRange>(),
            OnCommand<kSharedId, &DerivedWindow::OnShared>(),
            OnWmSysCommand<&DerivedWindow::OnSysCommand>(),
        };
        static constexpr MessageMap kMap{&BaseWindow::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnRange(unsigned id) { rangeId = id; }
    void OnShared() { ++derivedShared; }
    void OnSysCommand(unsigned, LPARAM) { defaultFromHandler = Default(); }
};

struct RangeRow {
    WPARAM wParam;
    std::optional<unsigned> handledAs;
};

void PrintTo(const RangeRow& row, std::ostream* out) {
    *out << "command " << LoWord(row.wParam) << " code " << HiWord(row.wParam);
}

class CommandRange : public testing::TestWithParam<RangeRow> {};

TEST_P(CommandRange, ReachesTheRangeHandlerOnlyWithinItsInclusiveBounds) {
    DerivedWindow window;
    const LRESULT result = window.SendMessage(WM_COMMAND, GetParam().wParam);
    EXPECT_EQ(window.rangeId, GetParam().handledAs);
    const bool defaulted = !GetParam().handledAs.has_value();
    EXPECT_EQ(window.defaulted,
              defaulted ? std::vector<unsigned>{WM_COMMAND} : std::vector<unsigned>{});
    EXPECT_EQ(result, defaulted ? kDefaultResult : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, CommandRange,
    testing::Values(RangeRow{kFirstInRange - 1, std::nullopt},
                    RangeRow{kFirstInRange, kFirstInRange}, RangeRow{105, 105u},
                    RangeRow{kLastInRange, kLastInRange}, RangeRow{kLastInRange + 1, std::nullopt},
                    // An accelerator's command is a command; an edit control's notice is not.
                    RangeRow{WPARAM{1} << 16 | kLastInRange, kLastInRange},
                    RangeRow{WPARAM{EN_CHANGE} << 16 | kLastInRange, std::nullopt}),
    test::RowName());

TEST(MessageTable, FallsThroughToTheBaseClassTable) {
    DerivedWindow window;
    window.SendMessage(WM_PAINT);
    EXPECT_EQ(window.basePaints, 1);
    EXPECT_TRUE(window.defaulted.empty());
}

TEST(MessageTable, TheDerivedEntryHidesTheBaseEntryForTheSameCommand) {
    DerivedWindow window;
    window.SendMessage(WM_COMMAND, kSharedId);
    EXPECT_EQ(window.derivedShared, 1);
    EXPECT_EQ(window.baseShared, 0);
}

TEST(MessageTable, UnhandledMessagesGetTheDefaultHandling) {
    DerivedWindow window;
    EXPECT_EQ(window.SendMessage(WM_GETFONT), kDefaultResult);
    EXPECT_EQ(window.defaulted, std::vector<unsigned>{WM_GETFONT});
}

TEST(MessageTable, DefaultInsideAHandlerHandsOnTheMessageBeingDispatched) {
    DerivedWindow window;
    window.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_EQ(window.defaulted, std::vector<unsigned>{WM_SYSCOMMAND});
    EXPECT_EQ(window.defaultFromHandler, kDefaultResult);
}

TEST(MessageTable, APlainWindowHasNoFont) {
    CWnd window;
    EXPECT_EQ(window.SendMessage(WM_GETFONT), 0);
}

}  // namespace
}  // namespace kolvar

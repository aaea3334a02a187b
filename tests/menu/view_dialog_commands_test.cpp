#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/marking_dialog.h"
#include "expected_menu.h"
#include "menu/marking_view.h"
#include "menu_inspection.h"
#include "menu_opening.h"
#include "platform/clipboard.h"
#include "platform/dialog.h"
#include "platform/testing.h"
#include "resources/resource_ids.h"
#include "tests/support/row_name.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

constexpr long kTimedOut = -99;
constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};

// Runs the dialog modally and `step` from inside its loop; a dialog that does not end is ended
// after a while, so that a failure cannot hang the tests.
long RunModal(CDialog& dialog, const std::function<void()>& step) {
    const LaterStep stepping(std::chrono::milliseconds(0), step);
    const LaterStep watchdog(std::chrono::seconds(5), [&dialog] { dialog.EndDialog(kTimedOut); });
    return dialog.DoModal();
}

// Chooses "Закрыть" with the mouse in the view's menu.
void CloseThroughTheMenu(CMarkingView& view) {
    OpenMenuWhile(view, WM_RBUTTONDOWN, {30, 30}, [] {
        const std::optional<OpenMenuFacts> root = ActiveMenu();
        ASSERT_TRUE(root);
        const int close = RowWithId(root->items, expected::kClose);
        ASSERT_GE(close, 0);
        ClickMenuItem(close, MouseButton::Left);
    });
}

void CloseByCommand(CMarkingView& view) {
    view.SendMessage(WM_COMMAND, expected::kClose, 0);
}

struct CloseRow {
    std::string name;
    std::function<void(CMarkingView&)> close;
};

void PrintTo(const CloseRow& row, std::ostream* out) {
    *out << row.name;
}

class CloseItem : public testing::TestWithParam<CloseRow> {};

// Nothing is written while the dialog runs; the view writes the selection when the dialog
// object, and with it the view, is destroyed.
TEST_P(CloseItem, EndsTheMainDialogWithOkAndTheSelectionIsSavedOnTheWayOut) {
    TestSettings settings{kDefaults};
    long result = 0;
    int storedAfterTheRun = 0;
    {
        CMarkingDialog dialog;
        result = RunModal(dialog, [&] {
            dialog.view().SendMessage(WM_COMMAND, 35042, 0);
            dialog.view().SendMessage(WM_COMMAND, 35049, 0);
            GetParam().close(dialog.view());
        });
        storedAfterTheRun = settings.Stored("Power", -100);
        EXPECT_FALSE(dialog.IsWindow());
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(storedAfterTheRun, 3) << "written before the view was destroyed";
    EXPECT_EQ(settings.Stored("Power", -100), 5);
    EXPECT_EQ(settings.Stored("Overshoot", -100), -1);
    EXPECT_EQ(settings.Stored("Extended", -100), 0);
    EXPECT_EQ(settings.Stored("Digit 1", -100), 1);
    EXPECT_EQ(settings.Stored("Digit 2", -100), 2);
    EXPECT_EQ(settings.Stored("Digit 3", -100), 5);
}

INSTANTIATE_TEST_SUITE_P(Routes, CloseItem,
                         testing::Values(CloseRow{"Command", CloseByCommand},
                                         CloseRow{"MenuItem", CloseThroughTheMenu}),
                         test::RowName());

// A view whose owner is another dialog than its parent ends its owner.
TEST(CloseItemOwner, TheOwnerEndsRatherThanTheParent) {
    TestSettings settings{kDefaults};
    CDialog parent(IDD_MARKING);
    CDialog owner(IDD_ABOUT);
    CMarkingView view;
    long ownerResult = 0;
    bool parentRunningAfterwards = false;
    const long parentResult = RunModal(parent, [&] {
        view.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 200, 150}, &parent, 10000);
        view.SetOwner(&owner);
        ownerResult = RunModal(owner, [&] { CloseByCommand(view); });
        parentRunningAfterwards = parent.IsWindow();
        parent.EndDialog(42);
    });
    EXPECT_EQ(ownerResult, 1);
    EXPECT_TRUE(parentRunningAfterwards);
    EXPECT_EQ(parentResult, 42);
}

// Takes every system command that reaches it.
class SystemCommandProbe : public CWnd {
public:
    std::vector<std::pair<unsigned, LPARAM>> commands;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmSysCommand<&SystemCommandProbe::OnSysCommand>(),
        };
        static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnSysCommand(unsigned id, LPARAM param) { commands.emplace_back(id, param); }
};

TEST(AboutItem, SendsTheAboutSystemCommandToTheMainWindowNotToTheParent) {
    TestSettings settings{kDefaults};
    SystemCommandProbe mainWindow;
    SystemCommandProbe parent;
    parent.CreateEx(0, WS_VISIBLE, {10, 10, 400, 300}, nullptr, 0);
    CMarkingView view;
    view.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 300, 200}, &parent, 10000);
    settings.app().m_pMainWnd = &mainWindow;

    view.SendMessage(WM_COMMAND, expected::kAbout, 0);

    settings.app().m_pMainWnd = nullptr;
    using Command = std::pair<unsigned, LPARAM>;
    EXPECT_EQ(mainWindow.commands, (std::vector<Command>{{16U, 0}}));
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(view.bandCode(), kDefaults);
}

// The command goes nowhere else instead, not even to the window the view is in.
TEST(AboutItem, WithoutAMainWindowNothingHappens) {
    TestSettings settings{kDefaults};
    SystemCommandProbe parent;
    parent.CreateEx(0, WS_VISIBLE, {10, 10, 400, 300}, nullptr, 0);
    CMarkingView view;
    view.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 300, 200}, &parent, 10000);
    view.SendMessage(WM_COMMAND, expected::kAbout, 0);
    EXPECT_TRUE(parent.commands.empty());
}

// The main dialog shows the About box modally, so the command returns only once it has closed.
TEST(AboutItem, ReturnsOnlyAfterTheAboutBoxHasClosed) {
    TestSettings settings{kDefaults};
    CMarkingDialog dialog;
    settings.app().m_pMainWnd = &dialog;
    std::optional<std::string> aboutTitle;
    bool aboutGoneOnReturn = false;
    RunModal(dialog, [&] {
        const LaterStep closer(std::chrono::milliseconds(50), [&] {
            const CWnd* box = ActiveModalDialog();
            if (box != nullptr && box != &dialog) {
                aboutTitle = WindowFactsOf(*box).title;
                ClickCloseBox(*box);
            }
        });
        dialog.view().SendMessage(WM_COMMAND, expected::kAbout, 0);
        aboutGoneOnReturn = ActiveModalDialog() == &dialog;
        // The end of the main window would end the test program's event loops too.
        settings.app().m_pMainWnd = nullptr;
        dialog.EndDialog(2);
    });
    ASSERT_TRUE(aboutTitle.has_value()) << "no About box came up";
    EXPECT_EQ(*aboutTitle, "О программе Kolvar");
    EXPECT_TRUE(aboutGoneOnReturn);
}

// The value dialog ------------------------------------------------------------------------------

// The value dialog once it has come up over the main dialog; null if it does not.
CDialog* WaitForValueDialog(const CWnd& mainDialog) {
    const bool shown = WaitUntil([&] {
        const CWnd* active = ActiveModalDialog();
        return active != nullptr && active != &mainDialog;
    });
    return shown ? dynamic_cast<CDialog*>(ActiveModalDialog()) : nullptr;
}

void TypeInView(CMarkingView& view, std::string_view text) {
    TypeText(view, text);
}

// One way of opening the value dialog from the main window, what is typed into it then, how it
// ends, the start of what it says it understood, and the bands afterwards.
struct ValueEntryRow {
    std::string name;
    std::function<void(CMarkingView&)> open;
    std::string typed;
    std::function<void(CDialog&)> end;
    std::string understood;
    BandCode after;
};

void PrintTo(const ValueEntryRow& row, std::ostream* out) {
    *out << row.name;
}

void PressEnter(CDialog& dialog) {
    PressKey(dialog, Key::Return);
}

std::function<void(CDialog&)> ClickButton(std::string text) {
    return [text](CDialog& dialog) { EXPECT_TRUE(ClickDialogButton(dialog, text)) << text; };
}

class ValueEntry : public testing::TestWithParam<ValueEntryRow> {};

TEST_P(ValueEntry, SetsTheBandsOnlyWhenAValueIsApplied) {
    const ValueEntryRow& row = GetParam();
    TestSettings settings{kDefaults};
    CMarkingDialog dialog;
    settings.app().m_pMainWnd = &dialog;
    std::optional<std::string> understood;
    RunModal(dialog, [&] {
        const LaterStep inTheValueDialog(std::chrono::milliseconds(0), [&] {
            if (CDialog* value = WaitForValueDialog(dialog)) {
                TypeText(*value, row.typed);
                understood = value->GetDlgItemText(IDC_VALUE_READING);
                row.end(*value);
            }
        });
        row.open(dialog.view());
        settings.app().m_pMainWnd = nullptr;
        dialog.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(understood.has_value()) << "the value dialog did not come up";
    EXPECT_THAT(*understood, testing::StartsWith(row.understood));
    EXPECT_EQ(dialog.view().bandCode(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, ValueEntry,
    testing::Values(
        ValueEntryRow{"ADigitTypedInTheViewStartsTheValue",
                      [](CMarkingView& view) { TypeInView(view, "4"); }, "K7J", PressEnter,
                      "Прочитано как буквенный код: 4.7 кОм ± 5 %", BandCode{0, 4, 7, 5, 2, -1}},
        // The field opens with the current value selected, so that typing replaces it.
        ValueEntryRow{"TheMenuItemOpensItWithTheValueSelected",
                      [](CMarkingView& view) { view.SendMessage(WM_COMMAND, expected::kValue); },
                      "472", ClickButton("OK"), "Прочитано как число: 472 Ом ± 10 %",
                      BandCode{1, 4, 7, 2, 0, -2}},
        ValueEntryRow{"TheSecondReadingTakenWithOneClick",
                      [](CMarkingView& view) { TypeInView(view, "4"); }, "72",
                      ClickButton("&Второе прочтение: 4.7 кОм (SMD-маркировка из трёх цифр)"),
                      "Прочитано как число: 472 Ом", BandCode{0, 4, 7, 5, 2, -2}},
        ValueEntryRow{"TheNearestStandardValueTakenWithOneClick",
                      [](CMarkingView& view) { TypeInView(view, "4"); }, ".753k",
                      ClickButton("&Ближайшее из E24: 4.7 кОм"),
                      "Прочитано как число с приставкой СИ: 4.75 кОм ± 10 %",
                      BandCode{0, 4, 7, 5, 2, -2}},
        ValueEntryRow{"ATextThatIsNoValueGetsAMessageAndEnterDoesNotApplyIt",
                      [](CMarkingView& view) { TypeInView(view, ","); }, "X",
                      [](CDialog& dialog) {
                          PressKey(dialog, Key::Return);
                          EXPECT_EQ(ActiveModalDialog(), &dialog) << "Enter ended the dialog";
                          PressKey(dialog, Key::Escape);
                      },
                      "Не понято.", kDefaults},
        ValueEntryRow{"EscChangesNothing", [](CMarkingView& view) { TypeInView(view, "4"); }, "K7",
                      [](CDialog& dialog) { PressKey(dialog, Key::Escape); },
                      "Прочитано как буквенный код: 4.7 кОм", kDefaults},
        // A value copied from a table comes with the line's end.
        ValueEntryRow{"CtrlVOpensItWithTheClipboardsText",
                      [](CMarkingView& view) {
                          ASSERT_TRUE(SetClipboardText(view, " 01C\r\n"));
                          TypeText(view, "v", KeyModifier::Control);
                      },
                      "", PressEnter, "Прочитано как маркировка EIA-96: 10 кОм ± 10 %",
                      BandCode{0, 1, 0, 5, 3, -2}}),
    test::RowName());

// The value dialog's edit field as assistive technology reads it, once "4K7J" is typed there.
std::optional<AccessibleFacts> ValueFieldAfterTyping() {
    TestSettings settings{kDefaults};
    CMarkingDialog dialog;
    settings.app().m_pMainWnd = &dialog;
    std::optional<AccessibleFacts> field;
    RunModal(dialog, [&] {
        const LaterStep inTheValueDialog(std::chrono::milliseconds(0), [&] {
            if (CDialog* value = WaitForValueDialog(dialog)) {
                TypeText(*value, "K7J");
                for (const AccessibleFacts& child : AccessibleOf(*value).children) {
                    if (child.role == "editable text") {
                        field = child;
                    }
                }
                PressKey(*value, Key::Escape);
            }
        });
        TypeInView(dialog.view(), "4");
        settings.app().m_pMainWnd = nullptr;
        dialog.EndDialog(IDCANCEL);
    });
    return field;
}

TEST(ValueDialogAccessibility, TheFieldIsNamedByItsLabel) {
    const std::optional<AccessibleFacts> field = ValueFieldAfterTyping();
    ASSERT_TRUE(field.has_value()) << "no edit field in the value dialog";
    EXPECT_EQ(field->name, "Сопротивление, допуск или маркировка:");
}

// Heard as the user types, while the field has the focus.
TEST(ValueDialogAccessibility, TheFieldIsDescribedByWhatWasUnderstood) {
    const std::optional<AccessibleFacts> field = ValueFieldAfterTyping();
    ASSERT_TRUE(field.has_value()) << "no edit field in the value dialog";
    EXPECT_THAT(field->description,
                testing::StartsWith("Прочитано как буквенный код: 4.7 кОм ± 5 %\nПолосы: жёлтый"));
}

TEST(CopyKeys, CtrlCAndCtrlInsertPutTheCaptionOnTheClipboard) {
    TestSettings settings{kDefaults};
    CMarkingDialog dialog;
    std::vector<std::optional<std::string>> copied;
    RunModal(dialog, [&] {
        CMarkingView& view = dialog.view();
        ASSERT_TRUE(SetClipboardText(view, "before"));
        TypeText(view, "c", KeyModifier::Control);
        copied.push_back(GetClipboardText());
        ASSERT_TRUE(SetClipboardText(view, "before"));
        PressKey(view, Key::Insert, KeyModifier::Control);
        copied.push_back(GetClipboardText());
        dialog.EndDialog(IDCANCEL);
    });
    const std::optional<std::string> caption = "12 кОм ± 10 %";
    EXPECT_EQ(copied, (std::vector{caption, caption}));
}

}  // namespace
}  // namespace kolvar::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/qt/dialog.h"
#include "platform/qt/qt_testing.h"
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

    QWidget& Widget() const { return *WidgetBehind(*this); }

protected:
    bool OnInitDialog() override {
        ++initCount;
        existedAtInit = IsWindow();
        visibleAtInit = Widget().isVisible();
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
    QTimer stepTimer;
    stepTimer.setSingleShot(true);
    QObject::connect(&stepTimer, &QTimer::timeout, step);
    stepTimer.start(0);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&dialog] { dialog.EndDialog(kTimedOut); });
    watchdog.start(5000);
    return dialog.DoModal();
}

void PressKey(QWidget& widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

QWidget& FocusOrDialog(TestDialog& dialog) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? *focus : dialog.Widget();
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
        EndingRow{"EnterKey", [](TestDialog& d) { PressKey(FocusOrDialog(d), Qt::Key_Return); },
                  test::kCommandOk},
        EndingRow{"EscKey", [](TestDialog& d) { PressKey(FocusOrDialog(d), Qt::Key_Escape); },
                  test::kCommandCancel},
        EndingRow{"CloseBox", [](TestDialog& d) { d.Widget().close(); }, test::kCommandCancel},
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
        visibleWhileRunning = dialog.Widget().isVisible();
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
    for (const auto& [key, result] : {std::pair{Qt::Key_Escape, test::kCommandCancel},
                                      std::pair{Qt::Key_Enter, test::kCommandOk}}) {
        TestDialog dialog;
        CWnd child;
        dialog.onInit = [&child](TestDialog& d) {
            child.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, {5, 5, 100, 100}, &d, 10000);
            child.SetFocus();
        };
        EXPECT_EQ(RunModal(dialog, [&] { PressKey(*WidgetBehind(child), key); }), long{result});
    }
}

TEST_F(ModalDialog, TheClientAreaIsTheTemplateSizeAtTheScreensResolution) {
    TestDialog dialog;
    Rect client;
    RunModal(dialog, [&] {
        client = dialog.GetClientRect();
        dialog.EndDialog(0);
    });
    // 320 x 200 dialog units with base units of 6 x 13 at 96 dpi.
    ASSERT_EQ(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()), 96);
    EXPECT_EQ(client, (Rect{0, 0, 480, 325}));
}

TEST_F(ModalDialog, TheMainDialogIsCentredOnTheScreenWithAFixedFrame) {
    TestDialog dialog;
    QRect geometry;
    Qt::WindowFlags flags;
    RunModal(dialog, [&] {
        geometry = dialog.Widget().frameGeometry();
        flags = dialog.Widget().windowFlags();
        dialog.EndDialog(0);
    });
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(geometry.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(geometry.center().y() - screen.center().y()), 1);
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
}

TEST_F(ModalDialog, AnOwnedDialogRunsCentredOverTheMainWindowWhichTakesNoInput) {
    CWinApp app;
    TestDialog main;
    app.m_pMainWnd = &main;
    TestDialog about(test::kAboutTemplate);
    bool mainEnabledDuringAbout = true;
    QPoint offCentre;
    QString text;
    QSize iconSize;
    long aboutResult = 0;
    RunModal(main, [&] {
        aboutResult = RunModal(about, [&] {
            mainEnabledDuringAbout = main.Widget().isEnabled();
            offCentre =
                about.Widget().frameGeometry().center() - main.Widget().frameGeometry().center();
            for (const QLabel* label : about.Widget().findChildren<QLabel*>()) {
                text += label->text();
                iconSize = label->pixmap().isNull() ? iconSize : label->pixmap().size();
            }
            about.Widget().findChild<QPushButton*>()->click();
        });
        EXPECT_TRUE(main.Widget().isEnabled());
        main.EndDialog(0);
    });
    EXPECT_EQ(aboutResult, long{test::kCommandOk});
    EXPECT_FALSE(mainEnabledDuringAbout);
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_EQ(about.GetOwner(), &main);
    EXPECT_TRUE(text.contains("Tom & Jerry"));
    EXPECT_EQ(iconSize, QSize(32, 32));
}

TEST_F(ModalDialog, APaletteChangeReachesTheChildWindowsOnce) {
    TestDialog dialog;
    ColourProbe child;
    dialog.onInit = [&child](TestDialog& d) {
        child.CreateEx(0, WS_CHILD | WS_VISIBLE, {5, 5, 100, 100}, &d, 10000);
    };
    const QPalette original = QApplication::palette();
    int changesAfterPaletteChange = -1;
    RunModal(dialog, [&] {
        const int before = child.changes;
        QPalette changed = original;
        changed.setColor(QPalette::Base, QColor(1, 2, 3));
        QApplication::setPalette(changed);
        // The window hears of it on a later turn of the loop, once Qt has spread the change;
        // a few more turns show that it hears only once.
        int turnsAfterFirst = 0;
        for (int turn = 0; turn < 100 && turnsAfterFirst < 5; ++turn) {
            QApplication::processEvents();
            turnsAfterFirst += child.changes > before ? 1 : 0;
        }
        changesAfterPaletteChange = child.changes - before;
        QApplication::setPalette(original);
        dialog.EndDialog(0);
    });
    EXPECT_EQ(changesAfterPaletteChange, 1);
}

}  // namespace
}  // namespace kolvar

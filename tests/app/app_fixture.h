#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "app/marking_dialog.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar {

inline constexpr const char* kTestAppName = "kolvar-app-test";
inline constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";
inline constexpr long kTimedOut = -99;

// The program's resources and application object, with settings in a fresh store.
class AppTest : public testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceModule(ProgramResources());
        app.SetRegistryKey(kCompanyKey);
    }

    int Stored(const char* key) const {
        return StoredProfileInt(kCompanyKey, kTestAppName, "Settings", key, 1000);
    }

    SettingsSandbox settings;
    CWinApp app{kTestAppName};
};

// Runs the dialog as the program does, as its main window, and `step` from inside its loop; a
// dialog that does not end is ended after a while so that a failure cannot hang the tests.
inline long RunMainDialog(CWinApp& app, CMarkingDialog& dialog, const std::function<void()>& step) {
    app.m_pMainWnd = &dialog;
    const LaterStep stepping(std::chrono::milliseconds(0), step);
    const LaterStep watchdog(std::chrono::seconds(10), [&dialog] { dialog.EndDialog(kTimedOut); });
    const long result = dialog.DoModal();
    app.m_pMainWnd = nullptr;
    return result;
}

// The modal dialog in front, once another than `below` has opened.
inline CWnd* WaitForModalAbove(const CWnd& below) {
    const auto above = [&below] {
        const CWnd* modal = ActiveModalDialog();
        return modal != nullptr && modal != &below;
    };
    return WaitUntil(above, std::chrono::seconds(5)) ? ActiveModalDialog() : nullptr;
}

}  // namespace kolvar

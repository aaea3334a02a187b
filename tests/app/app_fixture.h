#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/marking_dialog.h"
#include "platform/application.h"
#include "platform/qt/qt_testing.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar {

inline constexpr const char* kTestAppName = "kolvar-app-test";
inline constexpr const char* kCompanyKey = "Local AppWizard-Generated Applications";
inline constexpr long kTimedOut = -99;

// The program's resources and application object, with settings in a fresh directory.
class AppTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(configHome.isValid());
        previousConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
        AfxSetResourceModule(ProgramResources());
        app.SetRegistryKey(kCompanyKey);
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previousConfigHome); }

    int Stored(const char* key) const {
        return StoredProfileInt(kCompanyKey, kTestAppName, "Settings", key, 1000);
    }

    QTemporaryDir configHome;
    QByteArray previousConfigHome;
    CWinApp app{kTestAppName};
};

// Runs the dialog as the program does, as its main window, and `step` from inside its loop; a
// dialog that does not end is ended after a while so that a failure cannot hang the tests.
inline long RunMainDialog(CWinApp& app, CMarkingDialog& dialog, const std::function<void()>& step) {
    app.m_pMainWnd = &dialog;
    QTimer::singleShot(0, step);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&dialog] { dialog.EndDialog(kTimedOut); });
    watchdog.start(10000);
    const long result = dialog.DoModal();
    app.m_pMainWnd = nullptr;
    return result;
}

// The modal window in front, once another than `below` has opened.
inline QWidget* WaitForModalAbove(const QWidget* below) {
    for (int turn = 0; turn < 500; ++turn) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != below && modal->isVisible()) {
            return modal;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return nullptr;
}

}  // namespace kolvar

// The process's start on Qt: the toolkit, the termination signals, then the application object.

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include "platform/application.h"
#include "platform/posix/termination_signals.h"
#include "platform/process.h"
#include "platform/qt/start_up_messages.h"
#include "platform/window.h"
#include "platform/window_state.h"

namespace kolvar {
namespace {

class SocketWatch : public DescriptorWatch {
public:
    SocketWatch(int descriptor, std::function<void()> ready)
        : notifier_(descriptor, QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, std::move(ready));
    }

private:
    QSocketNotifier notifier_;
};

// An open pop-up menu runs a loop of its own, inside the dialog's.
void ClosePopups() {
    constexpr int kMostNestedPopups = 16;
    for (int count = 0; count < kMostNestedPopups; ++count) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) {
            return;
        }
        popup->close();
    }
}

// As if the user had pressed Esc in every open dialog, so that the view is destroyed and saves.
void EndOnSignal(int /*signal*/) {
    ClosePopups();
    if (CancelModalRuns()) {
        return;
    }
    if (CWnd* mainWindow = AfxGetMainWnd(); mainWindow != nullptr && mainWindow->IsWindow()) {
        mainWindow->SendMessage(WM_CLOSE);
    }
    QCoreApplication::quit();
}

// `argc` is the toolkit's to keep: it holds on to it for the application's life.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& program) {
    const StartUpMessages messages(program);
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

std::unique_ptr<DescriptorWatch> WatchReadable(int descriptor, std::function<void()> ready) {
    return std::make_unique<SocketWatch>(descriptor, std::move(ready));
}

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    if (app->appName_.empty()) {
        app->appName_ = ApplicationNameFromPath(ExecutablePath(argc, argv));
    }
    const std::string& program = app->appName_;
    if (const std::string problem = NoDisplayProblem(argc, argv); !problem.empty()) {
        WriteErrorLine(program, problem);
        return 1;
    }
    const std::unique_ptr<QApplication> application = StartToolkit(argc, argv, program);
    // Windows come and go inside InitInstance; only the main window's end ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QCoreApplication::setApplicationName(QString::fromStdString(app->appName_));
    const TerminationSignals terminationSignals(EndOnSignal);
    if (!app->InitInstance()) {
        return 0;
    }
    return QApplication::exec();
}

}  // namespace kolvar

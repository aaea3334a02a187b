// The program's start and end on Qt: the toolkit, the termination signals, the event loop.

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include "platform/backend.h"
#include "platform/posix/termination_signals.h"
#include "platform/program.h"
#include "platform/qt/start_up_messages.h"

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

// `argc` is the toolkit's to keep: it holds on to it for the application's life. Windows come
// and go inside InitInstance; only the main window's end ends the program. A termination signal
// ends it as its user would.
class QtEventLoop : public EventLoop {
public:
    QtEventLoop(int& argc, char** argv, const std::string& program)
        : application_(StartToolkit(argc, argv, program)),
          terminationSignals_([](int /*signal*/) { EndProgram(); }) {
        QApplication::setQuitOnLastWindowClosed(false);
        QCoreApplication::setApplicationName(QString::fromStdString(program));
    }

    int Run() override { return QApplication::exec(); }

private:
    static std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv,
                                                      const std::string& program) {
        const StartUpMessages messages(program);
        return std::make_unique<QApplication>(argc, argv);
    }

    std::unique_ptr<QApplication> application_;
    TerminationSignals terminationSignals_;
};

}  // namespace

std::unique_ptr<EventLoop> StartEventLoop(int& argc, char** argv, const std::string& program) {
    if (const std::string problem = NoDisplayProblem(argc, argv); !problem.empty()) {
        WriteErrorLine(program, problem);
        return nullptr;
    }
    return std::make_unique<QtEventLoop>(argc, argv, program);
}

void QuitEventLoop(int status) {
    QCoreApplication::exit(status);
}

// An open pop-up menu runs a loop of its own, inside the dialog's.
void CloseMenus() {
    constexpr int kMostNestedPopups = 16;
    for (int count = 0; count < kMostNestedPopups; ++count) {
        QWidget* popup = QApplication::activePopupWidget();
        if (popup == nullptr) {
            return;
        }
        popup->close();
    }
}

std::unique_ptr<DescriptorWatch> WatchReadable(int descriptor, std::function<void()> ready) {
    return std::make_unique<SocketWatch>(descriptor, std::move(ready));
}

}  // namespace kolvar
